#include "tools/decompila/verifica.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formato/campi_in_testo.h"
#include "formato/scrivi_binari.h"
#include "tools/compila/diagnostica.h"

namespace decompila {
namespace {

// Past this many cells that differ, only their number is told.
constexpr int celle_mostrate = 20;

// "dato1 41 nel file, 0 dalla descrizione; ..." for the fields that differ.
template <typename R>
std::string differenze(const R& nel_file, const R& ricompilato) {
  const auto a = formato::campi_in_testo(nel_file);
  const auto b = formato::campi_in_testo(ricompilato);
  std::string testo;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].second == b[i].second) continue;
    if (!testo.empty()) testo += "; ";
    testo += std::string(a[i].first) + " " + a[i].second + " nel file, " + b[i].second + " dalla descrizione";
  }
  return testo;
}

void confronta_tabella(const compilato_letto& letto, const compilatore::modello& m, anomalie& a) {
  const auto& tabella = *letto.tabella;
  if (formato::contenuto_tabella(tabella) == formato::contenuto_tabella(m.tabella)) return;
  for (std::size_t e = 0; e < tabella.size(); ++e) {
    const auto voce = static_cast<std::int32_t>(e);
    if (a.voce_segnalata(voce)) continue;
    const std::string d = differenze(tabella[e], m.tabella[e]);
    if (!d.empty()) a.in_voce(letto.nomi.tabella_sim, voce, d);
  }
}

void confronta_celle(const compilato_letto& letto, const compilatore::modello& m, anomalie& a) {
  const auto& celle = *letto.celle;
  const std::string& file = letto.nomi.celle_dat;
  if (celle.size() != m.celle.size()) {
    a.aggiungi(file,
               std::to_string(celle.size()) + " celle, la descrizione ne d\xE0 " + std::to_string(m.celle.size()));
  }
  const std::string nel_file = formato::contenuto_celle(celle);
  const std::string ricompilate = formato::contenuto_celle(m.celle);
  int diverse = 0;
  const std::size_t n = std::min(celle.size(), m.celle.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t da = i * formato::byte_cella;
    if (nel_file.compare(da, formato::byte_cella, ricompilate, da, formato::byte_cella) == 0) continue;
    const auto cella = static_cast<std::int32_t>(i);
    if (a.cella_segnalata(cella)) continue;
    if (++diverse <= celle_mostrate) a.in_cella(file, cella, differenze(celle[i], m.celle[i]));
  }
  if (diverse > celle_mostrate) {
    a.aggiungi(file, "e altre " + std::to_string(diverse - celle_mostrate) + " celle diverse");
  }
}

bool stesso(double x, double y) { return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y); }

void confronta_tracciato(const compilato_letto& letto, const compilatore::modello& m, anomalie& a) {
  const formato::tracciato& t = *letto.punti;
  const std::string& file = letto.nomi.tracciato_dat;
  if (a.in_file(file)) return;
  if (t.x.size() != m.punti.x.size() || t.assegnati != m.punti.assegnati) {
    a.aggiungi(file, std::to_string(t.x.size()) + " punti, " + std::to_string(t.assegnati) +
                         " calcolati; la descrizione ne d\xE0 " + std::to_string(m.punti.x.size()) + ", " +
                         std::to_string(m.punti.assegnati) + " calcolati");
    return;
  }
  std::int64_t diversi = 0;
  std::size_t primo = 0;
  for (std::size_t i = t.x.size(); i-- > 0;) {
    if (stesso(t.x[i], m.punti.x[i]) && stesso(t.y[i], m.punti.y[i])) continue;
    ++diversi;
    primo = i;
  }
  if (diversi == 0) return;
  a.aggiungi(file,
             std::to_string(diversi) + " punti diversi dalla descrizione, il primo al metro " + std::to_string(primo));
}

}  // namespace

void verifica(const compilato_letto& letto, const testi& t, const compilatore::compilato& ricompilato, anomalie& a) {
  const compilatore::errore_compilazione& e = ricompilato.errore;
  if (e.presente()) {
    const compilatore::origine& o = e.origine_errore;
    const bool in_linea = o.in_file != compilatore::origine::file::treno;
    const std::string messaggio =
        "la descrizione scritta non compila: " +
        strumento_compila::messaggio_errore(e.codice_errore, e.posizione_errore, e.causa_errore);
    const std::string& percorso = in_linea ? t.percorso_linea : t.percorso_treno;
    std::optional<strumento_compila::punto_sorgente> posto;
    if (o.nota()) posto = strumento_compila::punto_sorgente{o.riga, o.colonna};
    std::string testo = strumento_compila::diagnostica(percorso, posto, messaggio, in_linea ? t.linea : t.treno);
    while (!testo.empty() && testo.back() == '\n') testo.pop_back();
    a.aggiungi("", testo);
    return;
  }
  // The stations and boards are in both the table and the grid: without one
  // of them the other cannot come back, and its faults are told already.
  if (letto.tabella && letto.celle) {
    confronta_tabella(letto, ricompilato.m, a);
    confronta_celle(letto, ricompilato.m, a);
  }
  if (letto.punti) confronta_tracciato(letto, ricompilato.m, a);
}

}  // namespace decompila
