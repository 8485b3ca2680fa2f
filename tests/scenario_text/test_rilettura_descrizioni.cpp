#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "scenario_text/dati_linea.h"
#include "scenario_text/dati_treno.h"
#include "scenario_text/lettore_voci.h"

// Reads each writer's output back through the item reader, record by record,
// with the value kinds of the format, and compares with the scenario's tables.
namespace {

using testo_scenario::contiene;
using testo_scenario::contiene_esatto;
using testo_scenario::lettore_voci;

enum class genere { numero, corto, byte, testo };

constexpr genere N = genere::numero;
constexpr genere C = genere::corto;
constexpr genere B = genere::byte;
constexpr genere T = genere::testo;

struct record {
  std::string parola;
  std::vector<std::int64_t> valori;
  std::string testo;
};

bool operator==(const record& a, const record& b) {
  return a.parola == b.parola && a.valori == b.valori && a.testo == b.testo;
}

std::ostream& operator<<(std::ostream& out, const record& r) {
  out << r.parola << " {";
  for (std::int64_t v : r.valori) out << ' ' << v;
  return out << " } \"" << r.testo << '"';
}

using disposizione = std::vector<genere>;

// The value kinds of every record test that the keyword passes, in the
// format's order of tests.
std::vector<disposizione> disposizioni_linea_generale(std::string_view p) {
  std::vector<disposizione> trovate;
  if (contiene(p, "percorso") && contiene(p, "lunghezza")) trovate.push_back({N});
  for (const char* ordinale : {"tre", "due", "uno"}) {
    if (contiene(p, "progressiva") && contiene_esatto(p, ordinale)) trovate.push_back({N, N, N});
  }
  for (const char* ordinale : {"uno", "due", "tre"}) {
    if (contiene(p, "sfondo") && contiene_esatto(p, ordinale)) trovate.push_back({N});
  }
  if (contiene(p, "segnali") && contiene_esatto(p, "ripetizione")) trovate.push_back({N, N});
  return trovate;
}

std::vector<disposizione> disposizioni_linea_corpo(std::string_view p) {
  std::vector<disposizione> trovate;
  if (contiene(p, "pendenza")) trovate.push_back({N, N});
  if (contiene(p, "curva")) trovate.push_back({N, N});
  if (contiene(p, "montagna")) trovate.push_back({N, N, N});
  if (contiene(p, "indicatori_v")) trovate.push_back(disposizione(9, N));
  if (contiene(p, "cartello") && contiene(p, "indicat")) trovate.push_back({N, T});
  return trovate;
}

std::vector<disposizione> disposizioni_treno(std::string_view p) {
  std::vector<disposizione> trovate;
  if (contiene(p, "frenata") && contiene(p, "massa")) trovate.push_back({N});
  if (contiene(p, "vetture")) trovate.push_back({N});
  if (contiene(p, "velocit")) trovate.push_back({N, N});
  if (contiene(p, "aderenza")) trovate.push_back({N, B});
  if (contiene(p, "orologio")) trovate.push_back({C, C, C});
  if (contiene(p, "sabbia")) trovate.push_back({C});
  if (contiene(p, "segnale")) trovate.push_back(disposizione(11, N));
  if (contiene(p, "rallentamento")) trovate.push_back(disposizione(6, N));
  if (contiene(p, "abbattimento")) trovate.push_back({N, N});
  if (contiene(p, "stazione")) {
    trovate.push_back({N, B, N, B, B, B, C, C, B, C, C, C, B, N, N, N, T});
  }
  return trovate;
}

bool intestazione(std::string_view p) {
  const auto inizio = p.find_first_not_of(' ');
  return contiene(p, "[") && contiene(p, "]") && inizio != std::string_view::npos && p[inizio] != '-';
}

// Fills `r` with the values of one record; false when a read reached the
// end of the file, which loses the record.
bool leggi_valori(lettore_voci& lettore, const disposizione& d, record& r) {
  for (genere g : d) {
    switch (g) {
      case genere::numero: r.valori.push_back(lettore.leggi_numero()); break;
      case genere::corto: r.valori.push_back(lettore.leggi_corto()); break;
      case genere::byte: r.valori.push_back(lettore.leggi_byte()); break;
      case genere::testo: r.testo = lettore.leggi_testo(); break;
    }
    if (lettore.alla_fine()) return false;
  }
  return true;
}

std::vector<record> rileggi(const std::string& contenuto, bool file_linea) {
  lettore_voci lettore(contenuto);
  while (!contiene(lettore.leggi_testo(), "[generale]")) {
  }
  bool generale = file_linea;
  std::vector<record> letti;
  for (;;) {
    const std::string parola = lettore.leggi_testo();
    if (lettore.alla_fine()) break;  // that item is not interpreted
    if (contiene(parola, "-")) continue;     // a comment; these files have none
    if (generale && intestazione(parola)) {
      generale = false;
      continue;
    }
    const auto disposizioni = file_linea ? (generale ? disposizioni_linea_generale(parola)
                                                     : disposizioni_linea_corpo(parola))
                                         : disposizioni_treno(parola);
    if (disposizioni.empty()) continue;  // a section header
    EXPECT_EQ(disposizioni.size(), 1u) << parola << " passes more than one record test";
    record r{parola, {}, {}};
    if (!leggi_valori(lettore, disposizioni.front(), r)) break;
    letti.push_back(std::move(r));
  }
  return letti;
}

void confronta(const std::vector<record>& letti, const std::vector<record>& attesi) {
  ASSERT_EQ(letti.size(), attesi.size());
  for (std::size_t i = 0; i < attesi.size(); ++i) {
    SCOPED_TRACE("record " + std::to_string(i + 1));
    EXPECT_EQ(letti[i], attesi[i]);
  }
}

// Parts of the scenario as its tables give them; empty speed-board values
// read as 0.
const std::vector<record> record_linea = {
    {"lunghezza percorso", {152000}, ""},
    {"progressiva chilometrica uno", {0, 350000, 1}, ""},
    {"progressiva chilometrica due", {0, 0, 0}, ""},
    {"progressiva chilometrica tre", {0, 0, 0}, ""},
    {"sfondo uno", {1}, ""},
    {"sfondo due", {0}, ""},
    {"sfondo tre", {0}, ""},
    {"ripetizione segnali 4 codici", {1650, 152000}, ""},
    {"curvas3", {1900, 600}, ""},
    {"curvad3", {4300, 800}, ""},
    {"curvas3", {5500, 1300}, ""},
    {"curvad3", {7300, 1000}, ""},
    {"curvas4", {19500, 500}, ""},
    {"curvad4", {20000, 500}, ""},
    {"curvas5", {24900, 300}, ""},
    {"curvad4", {25200, 500}, ""},
    {"curvad5", {26350, 500}, ""},
    {"curvas5", {27200, 400}, ""},
    {"curvas5", {34200, 500}, ""},
    {"curvad6", {35150, 300}, ""},
    {"curvad4", {35700, 600}, ""},
    {"curvas4", {36850, 500}, ""},
    {"curvas4", {41300, 400}, ""},
    {"curvas4", {44600, 900}, ""},
    {"curvad3", {46600, 1000}, ""},
    {"curvad5", {48000, 600}, ""},
    {"curvas5", {48600, 400}, ""},
    {"curvad3", {54800, 600}, ""},
    {"curvas4", {59600, 400}, ""},
    {"curvad4", {61900, 500}, ""},
    {"curvad4", {76500, 300}, ""},
    {"curvas4", {76850, 400}, ""},
    {"curvas3", {77700, 600}, ""},
    {"curvad5", {102800, 200}, ""},
    {"curvas5", {104000, 100}, ""},
    {"curvad3", {108150, 700}, ""},
    {"curvas4", {108950, 300}, ""},
    {"curvas2", {113650, 2000}, ""},
    {"curvad5", {117250, 200}, ""},
    {"curvas3", {119000, 2000}, ""},
    {"curvad3", {121000, 2000}, ""},
    {"curvas3", {125400, 3000}, ""},
    {"curvad4", {131100, 1400}, ""},
    {"curvas3", {133700, 1000}, ""},
    {"curvas3", {135050, 2000}, ""},
    {"curvad4", {138550, 500}, ""},
    {"curvas4", {140750, 400}, ""},
    {"curvad6", {144800, 400}, ""},
    {"curvas6", {145500, 250}, ""},
    {"pendenza", {0, 0}, ""},
    {"pendenza", {5000, -8}, ""},
    {"pendenza", {7000, 0}, ""},
    {"pendenza", {11000, 5}, ""},
    {"pendenza", {17000, -6}, ""},
    {"pendenza", {19000, -5}, ""},
    {"pendenza", {24000, 0}, ""},
    {"pendenza", {39000, 5}, ""},
    {"pendenza", {47200, 0}, ""},
    {"pendenza", {48500, -5}, ""},
    {"pendenza", {51000, 6}, ""},
    {"pendenza", {59000, 0}, ""},
    {"pendenza", {63000, -5}, ""},
    {"pendenza", {67000, -2}, ""},
    {"pendenza", {69450, 6}, ""},
    {"pendenza", {77400, 5}, ""},
    {"pendenza", {87000, 0}, ""},
    {"pendenza", {89000, -4}, ""},
    {"pendenza", {102500, 0}, ""},
    {"pendenza", {104000, 5}, ""},
    {"pendenza", {110000, -4}, ""},
    {"pendenza", {117200, 0}, ""},
    {"pendenza", {119000, -4}, ""},
    {"pendenza", {123000, -1}, ""},
    {"pendenza", {131000, 5}, ""},
    {"pendenza", {140000, 0}, ""},
    {"pendenza", {141000, -10}, ""},
    {"pendenza", {145000, 0}, ""},
    {"montagna", {141550, 143050, 11}, ""},
    {"montagna", {145350, 145750, 11}, ""},
    {"indicatori_vmax", {700, 100, 110, 115, 0, 100, 110, 115, 0}, ""},
    {"indicatori_vmax", {1950, 140, 150, 160, 0, 140, 150, 160, 0}, ""},
    {"indicatori_vmax", {3250, 130, 140, 150, 0, 130, 140, 150, 0}, ""},
    {"indicatori_vmax", {7300, 125, 130, 130, 0, 125, 130, 130, 0}, ""},
    {"indicatori_vmax", {13350, 130, 140, 150, 0, 130, 140, 150, 0}, ""},
    {"indicatori_vmax", {15050, 140, 150, 150, 0, 140, 150, 150, 0}, ""},
    {"indicatori_vmax", {22750, 130, 135, 140, 0, 130, 135, 140, 0}, ""},
    {"indicatori_vmax", {26550, 140, 150, 150, 0, 140, 150, 150, 0}, ""},
    {"indicatori_vmax", {34450, 110, 115, 125, 0, 110, 115, 125, 0}, ""},
    {"indicatori_vmax", {38100, 140, 150, 150, 0, 140, 150, 150, 0}, ""},
    {"indicatori_vmax", {45550, 130, 135, 145, 0, 130, 135, 145, 0}, ""},
    {"indicatori_vmax", {49900, 140, 150, 150, 0, 140, 150, 150, 0}, ""},
    {"indicatori_vmax", {74200, 120, 125, 130, 2, 120, 125, 130, 2}, ""},
    {"indicatori_vmax", {74400, 120, 125, 130, 1, 120, 125, 130, 1}, ""},
    {"indicatori_vmax", {74600, 120, 125, 130, 0, 120, 125, 130, 0}, ""},
    {"indicatori_vmax", {79050, 140, 160, 180, 0, 140, 160, 180, 0}, ""},
    {"indicatori_vmax", {100600, 120, 130, 135, 2, 120, 130, 135, 2}, ""},
    {"indicatori_vmax", {100800, 120, 130, 135, 1, 120, 130, 135, 1}, ""},
    {"indicatori_vmax", {101050, 120, 130, 135, 0, 120, 130, 135, 0}, ""},
    {"indicatori_vmax", {104050, 140, 160, 170, 0, 140, 160, 170, 0}, ""},
    {"indicatori_vmax", {117050, 140, 150, 160, 0, 140, 150, 160, 0}, ""},
    {"indicatori_vmax", {119800, 120, 125, 135, 0, 120, 125, 135, 0}, ""},
    {"indicatori_vmax", {124100, 140, 150, 160, 0, 140, 150, 160, 0}, ""},
    {"indicatori_vmax", {128800, 120, 130, 135, 0, 120, 130, 135, 0}, ""},
    {"indicatori_vmax", {137500, 90, 95, 105, 2, 90, 95, 105, 2}, ""},
    {"indicatori_vmax", {137900, 90, 95, 105, 1, 90, 95, 105, 1}, ""},
    {"indicatori_vmax", {138300, 90, 95, 105, 0, 90, 95, 105, 0}, ""},
    {"indicatori_vmax", {143500, 60, 70, 75, 2, 0, 0, 0, 0}, ""},
    {"indicatori_vmax", {143800, 60, 70, 75, 1, 0, 0, 0, 0}, ""},
    {"indicatori_vmax", {144100, 60, 70, 75, 0, 0, 0, 0, 0}, ""},
    {"cartello_indicatore", {4400}, "(Km 345+557)"},
    {"cartello_indicatore", {8500}, "(km 341+500)"},
    {"cartello_indicatore", {35650}, "(Torrente  )(Varesca   )(Km 314+347)"},
    {"cartello_indicatore", {75800}, "(Torrente   )(Sarvella   )( Km 274+204)"},
    {"cartello_indicatore", {139500}, "(Km 210+500)"},
    {"cartello_indicatore", {145300}, "(Km 204+676)"},
};

const std::vector<record> record_treno = {
    {"numero vetture", {3}, ""},
    {"percentuale massa frenata", {105}, ""},
    {"sabbia", {200}, ""},
    {"orologio", {17, 4, 30}, ""},
    {"aderenza", {0, 100}, ""},
    {"aderenza", {2000, 90}, ""},
    {"aderenza", {10000, 80}, ""},
    {"velocita", {0, 110}, ""},
    {"velocita", {1950, 140}, ""},
    {"velocita", {4450, 140}, ""},
    {"velocita", {8500, 130}, ""},
    {"velocita", {12800, 140}, ""},
    {"velocita", {15050, 140}, ""},
    {"velocita", {23950, 135}, ""},
    {"velocita", {26550, 140}, ""},
    {"velocita", {35750, 115}, ""},
    {"velocita", {37600, 140}, ""},
    {"velocita", {46550, 135}, ""},
    {"velocita", {49900, 140}, ""},
    {"velocita", {75850, 125}, ""},
    {"velocita", {79000, 140}, ""},
    {"velocita", {102000, 130}, ""},
    {"velocita", {104000, 140}, ""},
    {"velocita", {121450, 125}, ""},
    {"velocita", {124050, 140}, ""},
    {"velocita", {130000, 130}, ""},
    {"velocita", {139500, 95}, ""},
    {"velocita", {145300, 70}, ""},
    {"stazione", {0, 8, 500, 1, 0, 0, 4, 1, 1, 2, 1, 1, 1, 17, 5, 0}, "OSTRALE CENTRALE"},
    {"stazione", {6900, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 17, 11, 0}, "SAN VITTORE ALTO"},
    {"stazione", {12850, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 17, 16, 0}, "CASELLE DI PIANO"},
    {"stazione", {19250, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 17, 21, 0}, "BORGO MARENCO"},
    {"stazione", {28350, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 17, 28, 0}, "VALLESANA"},
    {"stazione", {37650, 4, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 17, 35, 0}, "PONTE ARLASCO"},
    {"stazione", {44000, 28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15, 17, 40, 0}, "CORTINELLE"},
    {"stazione", {47800, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 17, 44, 0}, "ROCCAFERRO"},
    {"stazione", {56700, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 17, 50, 0}, "MONTESCALDO"},
    {"stazione", {61500, 2, 600, 0, 0, 1, 1, 1, 0, 4, 1, 1, 30, 17, 55, 0}, "VILLA SANT'ELIA"},
    {"stazione", {65900, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "PRATOLUNGO"},
    {"stazione", {69300, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "CASTELBRUNO"},
    {"stazione", {77450, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "SERRAVELLE"},
    {"stazione", {87700, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 20, 18, 10, 0}, "MARINO SUL TESSO"},
    {"stazione", {96800, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "FONTEVIVA"},
    {"stazione", {103300, 4, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 20, 18, 20, 0}, "TORRE DEI MONACI"},
    {"stazione", {109400, 22, 200, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "CAVALLERMO"},
    {"stazione", {118200, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 18, 29, 0}, "POGGIO ROSSANO"},
    {"stazione", {122500, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 15, 18, 35, 0}, "LAGOSECCO"},
    {"stazione", {130800, 12, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "BELVEDERE OSTINO"},
    {"stazione", {140500, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "MOLINASCO"},
    {"stazione", {146150, 2, 800, 1, 1, 0, 1, 1, 0, 2, 1, 1, 0, 18, 53, 0}, "FIORNA"},
    {"rallentamento", {24950, 60, 200, 0, 0, 60}, ""},
    {"rallentamento", {141400, 60, 1650, 0, 1, 0}, ""},
    {"segnale", {1650, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {3000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {4500, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {5800, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {8650, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {10250, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {11550, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {14800, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {16800, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {18150, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {21150, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {22450, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {24050, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {25850, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {27150, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {30200, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {31950, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {33550, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {35250, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {36550, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {39600, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {41550, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {43300, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {45200, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {46500, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {49600, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {51300, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {52800, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {54300, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {55600, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {59050, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {60350, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {63650, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {64950, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {68000, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {71400, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {73350, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {75200, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {76500, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {79750, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {81650, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {83500, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {85300, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {86600, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {89650, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {91250, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {92900, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {94350, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {95700, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {98850, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {100700, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {102000, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {105550, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {107150, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {108400, 2, 4, 1, 0, 0, 2, 2, 1, 0, 0}, ""},
    {"segnale", {110600, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {112450, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {113900, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {115550, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {116850, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {120100, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {121400, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {124800, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {126350, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {128000, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {129300, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {132900, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {134550, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {136150, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, ""},
    {"segnale", {138000, 2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, ""},
    {"segnale", {139300, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
    {"segnale", {142200, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0}, ""},
    {"segnale", {144000, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0}, ""},
    {"segnale", {145200, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0}, ""},
};

TEST(DescriptionRoundTrip, LineFileReadsBackAsItsTables) {
  confronta(rileggi(testo_scenario::righe_dati_linea().contenuto(), true), record_linea);
}

TEST(DescriptionRoundTrip, ServiceFileReadsBackAsItsTables) {
  confronta(rileggi(testo_scenario::righe_dati_treno().contenuto(), false), record_treno);
}

// The last record must not touch the end of the file, or the parser loses it.
TEST(DescriptionRoundTrip, WithoutTheEndLineTheLastRecordIsLost) {
  std::string contenuto = testo_scenario::righe_dati_treno().contenuto();
  const std::string fine = "[codici]\r\n[fine]\r\n";
  ASSERT_EQ(contenuto.substr(contenuto.size() - fine.size()), fine);
  contenuto.resize(contenuto.size() - fine.size());
  const auto letti = rileggi(contenuto, false);
  ASSERT_EQ(letti.size() + 1, record_treno.size());
  EXPECT_EQ(letti.back(), record_treno[record_treno.size() - 2]);
}

}  // namespace
