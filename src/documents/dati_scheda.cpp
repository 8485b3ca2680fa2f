#include "documents/dati_scheda.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "documents/intestazione_scheda.h"
#include "documents/pagina_scheda.h"
#include "documents/riga_scheda.h"
#include "scenario_text/nomi_scenario.h"

namespace documenti {

namespace {

namespace nomi = testo_scenario::nomi;

constexpr std::size_t larghezza_luogo = 27;
constexpr std::string_view etichetta_segnale = "Segn.Prot. ";
constexpr std::string_view etichetta_torrente = "Torrente ";

// A name that does not fit the place column would break the table's bars.
constexpr bool stazioni_nella_colonna() {
  return std::all_of(nomi::stazioni.begin(), nomi::stazioni.end(),
                     [](std::string_view nome) { return nome.size() <= larghezza_luogo; });
}
static_assert(stazioni_nella_colonna());
static_assert(etichetta_segnale.size() + nomi::stazione_segnale_protezione.size() <= larghezza_luogo);
static_assert(etichetta_torrente.size() + nomi::torrente_uno.size() <= larghezza_luogo);
static_assert(etichetta_torrente.size() + nomi::torrente_due.size() <= larghezza_luogo);

std::string stazione(std::size_t indice) { return std::string(nomi::stazioni.at(indice)); }

std::string segnale_protezione() {
  return std::string(etichetta_segnale) + std::string(nomi::stazione_segnale_protezione);
}

std::string torrente(std::string_view nome) { return std::string(etichetta_torrente) + std::string(nome); }

// From the origin down to the last stop of the first page.
std::vector<voce_scheda> voci_prima_pagina() {
  const std::string nessuno = senza_orario();
  return {
      {110, "349.970", stazione(0), orario_partenza("17.05"), ""},
      {140, "348.000", "Cippo Km 348.000", nessuno, ""},
      {0, "345.557", "Km 345.557", nessuno, ""},
      {0, "342.990", stazione(1), orario_fermata("17.10", "17.11"), ""},
      {130, "341.500", "Km 341.500", nessuno, ""},
      {140, "337.140", stazione(2), orario_fermata("17.15", "17.16"), ""},
      {0, "335.000", "Km 335.000", nessuno, ""},
      {0, "330.730", stazione(3), orario_fermata("17.20", "17.21"), "0.5"},
      {135, "326.000", "Cippo Km 326.000", nessuno, ""},
      {140, "323.402", "Km 323.402", nessuno, ""},
      {0, "321.660", stazione(4), orario_fermata("17.27", "17.28"), ""},
      {115, "314.347", torrente(nomi::torrente_uno), nessuno, ""},
      {140, "312.360", stazione(5), orario_fermata("17.34", "17.35"), "0.5"},
      {0, "305.980", stazione(6), orario_fermata("17.39", "17.40"), ""},
      {135, "303.510", segnale_protezione(), nessuno, ""},
      {0, "302.190", stazione(7), orario_fermata("17.43", "17.44"), ""},
      {140, "300.050", "Km 300.050", nessuno, ""},
      {0, "293.270", stazione(8), orario_fermata("17.49", "17.50"), "0.5"},
      {0, "288.490", stazione(9), orario_fermata("17.54", "17.55"), "0.5"},
      {0, "283.970", stazione(10), orario_transito("17.59"), ""},
      {0, "280.580", stazione(11), orario_transito("18.00"), "0.5"},
      {125, "274.204", torrente(nomi::torrente_due), nessuno, ""},
      {0, "272.530", stazione(12), orario_transito("18.05"), ""},
      {140, "271.000", "Cippo Km 271.000", nessuno, ""},
      {0, "262.290", stazione(13), orario_fermata("18.09", "18.10"), ""},
      {0, "253.200", stazione(14), orario_transito("18.15"), ""},
      {130, "248.000", "Cippo Km 248.000", nessuno, ""},
      {0, "246.700", stazione(15), orario_fermata("18.19", "18.20"), ""},
      {140, "246.000", "Cippo Km 246.000", nessuno, ""},
      {0, "240.590", stazione(16), orario_transito("18.23"), ""},
      {0, "231.810", stazione(17), orario_fermata("18.28", "18.29"), ""},
  };
}

// From there to the destination.
std::vector<voce_scheda> voci_seconda_pagina() {
  const std::string nessuno = senza_orario();
  return {
      {125, "229.000", "Cippo Km 229.000", nessuno, ""},
      {0, "227.500", stazione(18), orario_fermata("18.34", "18.35"), "0.5"},
      {140, "226.100", "Km 226.100", nessuno, ""},
      {130, "220.000", "Cippo Km 220.000", nessuno, ""},
      {0, "219.190", stazione(19), orario_transito("18.39"), ""},
      {95, "210.500", "Km 210.500", nessuno, ""},
      {0, "209.500", stazione(20), orario_transito("18.46"), ""},
      {70, "204.676", "Imb. Sud Gall. Km 204.676", nessuno, ""},
      {0, "204.000", stazione(21), orario_arrivo("18.53"), "1.5"},
  };
}

}  // namespace

testo_scenario::tabella_righe righe_dati_scheda() {
  std::vector<voce_scheda> voci = voci_prima_pagina();
  for (voce_scheda& voce : voci_seconda_pagina()) voci.push_back(std::move(voce));
  return impagina_scheda(voci, intestazione_scheda);
}

piattaforma::esito dati_scheda(piattaforma::file_system& fs, const std::string& percorso) {
  return testo_scenario::scrivi_tabella(fs, percorso, righe_dati_scheda());
}

}  // namespace documenti
