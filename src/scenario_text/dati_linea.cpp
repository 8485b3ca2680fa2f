#include "scenario_text/dati_linea.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "scenario_text/nomi_scenario.h"
#include "scenario_text/riempi_testo.h"

namespace testo_scenario {
namespace {

// Lines 1 to 117: everything before the two boards that name a watercourse.
constexpr std::array<std::string_view, 117> righe_iniziali = {
    "[generale]",
    "lunghezza percorso,    152000",
    "progressiva chilometrica uno,    0,    350000,    1",
    "progressiva chilometrica due,    0,    0,    0",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    1",
    "sfondo due,    0",
    "sfondo tre,    0",
    "ripetizione segnali 4 codici,    1650,    152000",
    "[curve]",
    "curvas3, 1900, 600",
    "curvad3,  4300,  800",
    "curvas3, 5500, 1300",
    "curvad3, 7300, 1000",
    "curvas4, 19500, 500",
    "curvad4, 20000, 500",
    "curvas5, 24900, 300",
    "curvad4, 25200, 500",
    "curvad5, 26350, 500",
    "curvas5, 27200, 400",
    "curvas5, 34200, 500",
    "curvad6, 35150, 300",
    "curvad4, 35700, 600",
    "curvas4, 36850, 500",
    "curvas4, 41300, 400",
    "curvas4, 44600, 900",
    "curvad3, 46600, 1000",
    "curvad5, 48000, 600",
    "curvas5, 48600, 400",
    "curvad3, 54800, 600",
    "curvas4, 59600, 400",
    "curvad4, 61900, 500",
    "curvad4, 76500, 300",
    "curvas4, 76850, 400",
    "curvas3, 77700, 600",
    "curvad5, 102800, 200",
    "curvas5, 104000, 100",
    "curvad3, 108150, 700",
    "curvas4, 108950, 300",
    "curvas2, 113650, 2000",
    "curvad5, 117250, 200",
    "curvas3, 119000, 2000",
    "curvad3, 121000, 2000",
    "curvas3, 125400, 3000",
    "curvad4, 131100, 1400",
    "curvas3, 133700, 1000",
    "curvas3, 135050, 2000",
    "curvad4, 138550, 500",
    "curvas4,  140750,  400",
    "curvad6,  144800,  400",
    "curvas6,  145500,  250",
    "[pendenze]",
    "pendenza,   0,    0",
    "pendenza,  5000,   -8",
    "pendenza,  7000,   0",
    "pendenza,  11000,  5",
    "pendenza,  17000,  -6",
    "pendenza,  19000,  -5",
    "pendenza,  24000,  0",
    "pendenza,  39000,  5",
    "pendenza,  47200,  0",
    "pendenza,  48500,  -5",
    "pendenza,  51000,  6",
    "pendenza,  59000,  0",
    "pendenza,  63000,  -5",
    "pendenza,  67000,  -2",
    "pendenza,  69450,  6",
    "pendenza,  77400,  5",
    "pendenza,  87000,  0",
    "pendenza,  89000,  -4",
    "pendenza,  102500,  0",
    "pendenza,  104000,  5",
    "pendenza,  110000,  -4",
    "pendenza,  117200,  0",
    "pendenza,  119000,  -4",
    "pendenza,  123000,  -1",
    "pendenza,  131000,  5",
    "pendenza,  140000,  0",
    "pendenza,  141000,  -10",
    "pendenza,  145000,  0",
    "[montagne]",
    "montagna,   141550,  143050,  11",
    "montagna,   145350,  145750,  11",
    "[cartelli]",
    "indicatori_vmax,  700,  100,  110,  115,  0,  100,  110,  115,  0",
    "indicatori_vmax,  1950,  140,  150,  160,  0,  140,  150,  160,  0",
    "indicatori_vmax,  3250,  130,  140,  150,  0,  130,  140,  150,  0",
    "indicatori_vmax,  7300,  125,  130,  130,  0,  125,  130,  130,  0",
    "indicatori_vmax,  13350,  130,  140,  150,  0,  130,  140,  150,  0",
    "indicatori_vmax,  15050,  140,  150,  150,  0,  140,  150,  150,  0",
    "indicatori_vmax,  22750,  130,  135,  140,  0,  130,  135,  140,  0",
    "indicatori_vmax,  26550,  140,  150,  150,  0,  140,  150,  150,  0",
    "indicatori_vmax,  34450,  110,  115,  125,  0,  110,  115,  125,  0",
    "indicatori_vmax,  38100,  140,  150,  150,  0,  140,  150,  150,  0",
    "indicatori_vmax,  45550,  130,  135,  145,  0,  130,  135,  145,  0",
    "indicatori_vmax,  49900,  140,  150,  150,  0,  140,  150,  150,  0",
    "indicatori_vmax,  74200,  120,  125,  130,  2,  120,  125,  130,  2",
    "indicatori_vmax,  74400,  120,  125,  130,  1,  120,  125,  130,  1",
    "indicatori_vmax,  74600,  120,  125,  130,  0,  120,  125,  130,  0",
    "indicatori_vmax,  79050,  140,  160,  180,  0,  140,  160,  180,  0",
    "indicatori_vmax,  100600,  120,  130,  135,  2,  120,  130,  135,  2",
    "indicatori_vmax,  100800,  120,  130,  135,  1,  120,  130,  135,  1",
    "indicatori_vmax,  101050,  120,  130,  135,  0,  120,  130,  135,  0",
    "indicatori_vmax,  104050,  140,  160,  170,  0,  140,  160,  170,  0",
    "indicatori_vmax,  117050,  140,  150,  160,  0,  140,  150,  160,  0",
    "indicatori_vmax,  119800,  120,  125,  135,  0,  120,  125,  135,  0",
    "indicatori_vmax,  124100,  140,  150,  160,  0,  140,  150,  160,  0",
    "indicatori_vmax,  128800,  120,  130,  135,  0,  120,  130,  135,  0",
    "indicatori_vmax,  137500,  90,  95,  105,  2,  90,  95,  105,  2",
    "indicatori_vmax,  137900,  90,  95,  105,  1,  90,  95,  105,  1",
    "indicatori_vmax,  138300,  90,  95,  105,  0,  90,  95,  105,  0",
    "indicatori_vmax,  143500,  60,  70,  75,  2,  ,  ,  ,  0",
    "indicatori_vmax,  143800,  60,  70,  75,  1,  ,  ,  ,  0",
    "indicatori_vmax,  144100,  60,  70,  75,  0,  ,  ,  ,  0",
    "[indicazioni]",
    "cartello_indicatore,  4400,   (Km 345+557)",
    "cartello_indicatore,  8500,   (km 341+500)",
};

// Lines 120 to 122.
constexpr std::array<std::string_view, 3> righe_finali = {
    "cartello_indicatore,  139500,   (Km 210+500)",
    "cartello_indicatore,  145300,   (Km 204+676)",
    "[fine]",
};

// The boards at the two watercourses show three pieces of equal width: the
// landmark's kind, its name, then the chainage.
constexpr std::string_view tipo_corso_acqua = "Torrente";
constexpr std::size_t pezzo_torrente_uno = 10;
constexpr std::size_t pezzo_torrente_due = 11;
static_assert(tipo_corso_acqua.size() <= pezzo_torrente_uno);
static_assert(nomi::torrente_uno.size() <= pezzo_torrente_uno);
static_assert(nomi::torrente_due.size() <= pezzo_torrente_due);

std::string cartello_torrente(std::string_view posizione, std::string_view nome, std::size_t pezzo,
                              std::string_view chilometro) {
  return "cartello_indicatore,  " + std::string(posizione) + ",   (" +
         a_sinistra(tipo_corso_acqua, pezzo) + ")(" + a_sinistra(nome, pezzo) + ")(" +
         std::string(chilometro) + ")";
}

}  // namespace

tabella_righe righe_dati_linea() {
  tabella_righe tabella;
  for (std::string_view riga : righe_iniziali) tabella.aggiungi(std::string(riga));
  tabella.aggiungi(cartello_torrente("35650", nomi::torrente_uno, pezzo_torrente_uno, "Km 314+347"));
  tabella.aggiungi(cartello_torrente("75800", nomi::torrente_due, pezzo_torrente_due, " Km 274+204"));
  for (std::string_view riga : righe_finali) tabella.aggiungi(std::string(riga));
  return tabella;
}

piattaforma::esito dati_linea(piattaforma::file_system& fs, const std::string& percorso) {
  return scrivi_tabella(fs, percorso, righe_dati_linea());
}

}  // namespace testo_scenario
