#include "scenario_text/dati_treno.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "scenario_text/nomi_scenario.h"

namespace testo_scenario {
namespace {

// Lines 1 to 32: general settings, adhesion, speed limits. Line 5 ends with
// a blank and holds the clock as three numbers separated by blanks alone.
constexpr std::array<std::string_view, 32> righe_iniziali = {
    "[generale]",
    "numero vetture,    3",
    "percentuale massa frenata,    105",
    "sabbia,    200",
    "orologio,    17              4             30 ",
    "[aderenze]",
    "aderenza,   0,    100",
    "aderenza,    2000,    90",
    "aderenza,   10000,    80",
    "[vel_limite]",
    "velocita,       0,   110",
    "velocita,    1950,   140",
    "velocita,    4450,   140",
    "velocita,    8500,   130",
    "velocita,   12800,   140",
    "velocita,   15050,   140",
    "velocita,   23950,   135",
    "velocita,   26550,   140",
    "velocita,   35750,   115",
    "velocita,   37600,   140",
    "velocita,   46550,   135",
    "velocita,   49900,   140",
    "velocita,   75850,   125",
    "velocita,   79000,   140",
    "velocita,  102000,   130",
    "velocita,  104000,   140",
    "velocita,  121450,   125",
    "velocita,  124050,   140",
    "velocita,  130000,   130",
    "velocita,  139500,    95",
    "velocita,  145300,    70",
    "[stazioni]",
};

// Lines 33 to 54 up to the name, which follows from nomi::stazioni.
constexpr std::array<std::string_view, 22> stazioni_senza_nome = {
    "stazione,       0,  8,  500,  1, 0, 0,  4,1,1,  2,1,1,    1,  17, 5, 0, ",
    "stazione,    6900, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  17,11, 0, ",
    "stazione,   12850, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  17,16, 0, ",
    "stazione,   19250, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  17,21, 0, ",
    "stazione,   28350, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  17,28, 0, ",
    "stazione,   37650,  4,  600,  0, 0, 0,  1,1,0,  4,1,1,   30,  17,35, 0, ",
    "stazione,   44000, 28,  200,  0, 0, 0,  0,0,0,  0,0,0,   15,  17,40, 0, ",
    "stazione,   47800, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  17,44, 0, ",
    "stazione,   56700, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  17,50, 0, ",
    "stazione,   61500,  2,  600,  0, 0, 1,  1,1,0,  4,1,1,   30,  17,55, 0, ",
    "stazione,   65900, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,   69300, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,   77450, 12,  500,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,   87700, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   20,  18,10, 0, ",
    "stazione,   96800, 12,  500,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,  103300,  4,  600,  0, 0, 0,  1,1,0,  4,1,1,   20,  18,20, 0, ",
    "stazione,  109400, 22,  200,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,  118200, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  18,29, 0, ",
    "stazione,  122500, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,   15,  18,35, 0, ",
    "stazione,  130800, 12,  600,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,  140500, 12,  500,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, ",
    "stazione,  146150,  2,  800,  1, 1, 0,  1,1,0,  2,1,1,    0,  18,53, 0, ",
};
static_assert(stazioni_senza_nome.size() == nomi::stazioni.size());

// The name ends its line, so it must hold no comma (the reader would cut it
// there) and no double quote (the reader refuses it).
constexpr bool nome_stazione_valido(std::string_view nome) {
  return !nome.empty() && nome.size() <= 30 && nome.find_first_of(",\"") == std::string_view::npos;
}
static_assert([] {
  for (std::string_view nome : nomi::stazioni) {
    if (!nome_stazione_valido(nome)) return false;
  }
  return true;
}());

// Lines 55 to 134: slowdowns, signals, the empty codes section and the end.
constexpr std::array<std::string_view, 80> righe_finali = {
    "[rallentamenti]",
    "rallentamento,   24950,    60,  200, 0,  0,  60",
    "rallentamento,  141400,    60, 1650, 0,  1,  0",
    "[segnali]",
    "segnale,    1650,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,    3000,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,    4500,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,    5800,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,    8650,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   10250,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   11550,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   14800,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   16800,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   18150,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   21150,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   22450,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   24050,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   25850,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   27150,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   30200,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   31950,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   33550,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   35250,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   36550,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   39600,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   41550,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   43300,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   45200,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   46500,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   49600,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   51300,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   52800,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   54300,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   55600,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   59050,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   60350,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   63650,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   64950,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   68000,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   71400,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   73350,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   75200,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   76500,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   79750,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   81650,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   83500,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   85300,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   86600,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   89650,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   91250,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   92900,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   94350,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,   95700,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,   98850,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  100700,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,  102000,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,  105550,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  107150,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,  108400,   2, 4, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,  110600,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  112450,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  113900,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  115550,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,  116850,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,  120100,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,  121400,   2, 3, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,  124800,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  126350,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  128000,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,  129300,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,  132900,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  134550,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  136150,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,  138000,   2, 4, 1,  0, 0,    2,  3,1,0, 0",
    "segnale,  139300,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,  142200,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,  144000,   1, 3, 4,  0, 0,    0,  0,0,0, 0",
    "segnale,  145200,   2, 2, 3,  1, 0,    0,  0,0,0, 0",
    "[codici]",
    "[fine]",
};

}  // namespace

tabella_righe righe_dati_treno() {
  tabella_righe tabella;
  for (std::string_view riga : righe_iniziali) tabella.aggiungi(std::string(riga));
  for (std::size_t i = 0; i < stazioni_senza_nome.size(); ++i) {
    tabella.aggiungi(std::string(stazioni_senza_nome[i]) + std::string(nomi::stazioni[i]));
  }
  for (std::string_view riga : righe_finali) tabella.aggiungi(std::string(riga));
  return tabella;
}

piattaforma::esito dati_treno(piattaforma::file_system& fs, const std::string& percorso) {
  return scrivi_tabella(fs, percorso, righe_dati_treno());
}

}  // namespace testo_scenario
