#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "formato/codifica.h"
#include "formato/leggi_binari.h"
#include "formato/scrivi_binari.h"
#include "platform/file_system_memoria.h"
#include "scenario_compilato.h"

// What no description gives back: the embedded scenario's files, altered
// by hand or damaged. Each fault is named with its file and place, the
// rest is written, and the exit status is 1.

namespace {

const std::string dati = CARTELLA_DATI_TEST;
const std::string tracciato = "c" SEPARATORE_PROVA "Ostrale_Fiorna_linea.dat";
const std::string tabella = "c" SEPARATORE_PROVA "Ostrale_Fiorna_40817.sim";
const std::string celle = "c" SEPARATORE_PROVA "Ostrale_Fiorna_40817.dat";

using alterazione = std::function<void(piattaforma::file_system_memoria&)>;

void cambia_cella(piattaforma::file_system_memoria& fs, std::size_t cella, std::size_t byte, int valore) {
  fs.file[celle][cella * 15 + byte] = static_cast<char>(valore);
}

struct caso {
  const char* nome;
  alterazione altera;
  std::string messaggio;  // the first line on the error stream
  // Whether the written description gives back the files as they were
  // before the alteration: the altered place left out, nothing else lost.
  bool ridà_gli_originali;
  // What the line description says in place of what it could not recover, if anything.
  const char* nella_linea = nullptr;
};

void PrintTo(const caso& c, std::ostream* os) { *os << c.nome; }

class DecompilaAnomalie : public ::testing::TestWithParam<caso> {};

TEST_P(DecompilaAnomalie, NamesTheFaultWritesTheRestAndExits1) {
  const caso& c = GetParam();
  piattaforma::file_system_memoria fs;
  for (const std::string* p : {&tracciato, &tabella, &celle}) {
    fs.file[*p] = leggi_file(dati + "/" + p->substr(2));
  }
  const auto originali = prova_decompila::binari(fs, "c", "Ostrale_Fiorna", "40817");
  c.altera(fs);

  const auto d = prova_decompila::decompila(fs, {"c", "Ostrale_Fiorna", "40817", "--output", "o"});
  EXPECT_EQ(d.stato, 1);
  EXPECT_EQ(d.errori.substr(0, d.errori.find('\n') + 1), c.messaggio) << d.errori;
  EXPECT_NE(d.errori.find("decompila_scenario: la descrizione scritta non riproduce i punti segnalati\n"),
            std::string::npos);
  ASSERT_TRUE(fs.esiste("o" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"));
  ASSERT_TRUE(fs.esiste("o" SEPARATORE_PROVA "Ostrale_Fiorna_40817-.txt"));
  if (c.nella_linea != nullptr) {
    EXPECT_NE(fs.file["o" SEPARATORE_PROVA "Ostrale_Fiorna_linea.txt"].find(c.nella_linea), std::string::npos);
  }
  if (!c.ridà_gli_originali) return;
  EXPECT_EQ(prova_decompila::compila(fs, "o", "Ostrale_Fiorna", "40817", "r").stato, 0);
  EXPECT_EQ(prova_decompila::differenze(originali, prova_decompila::binari(fs, "r", "Ostrale_Fiorna", "40817")), "");
}

const caso casi[] = {
    {"an_event_the_compile_never_writes", [](auto& fs) { cambia_cella(fs, 900, 0, 7); },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.dat: cella 900 (45000 m): evento 7, che la compilazione non "
     "scrive mai: tralasciato\n",
     true},
    {"a_slowdown_warning_without_its_start",
     [](auto& fs) {
       cambia_cella(fs, 600, 0, 4);
       cambia_cella(fs, 600, 1, 60);
     },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.dat: cella 600 (30000 m): avviso di rallentamento senza un "
     "inizio 1200 m dopo: tralasciato\n",
     true},
    {"a_slowdown_end_without_its_start", [](auto& fs) { cambia_cella(fs, 700, 0, 2); },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.dat: cella 700 (35000 m): fine di rallentamento senza il suo "
     "inizio: tralasciato\n",
     true},
    {"a_stop_no_station_has",
     [](auto& fs) {
       cambia_cella(fs, 800, 0, 10);
       cambia_cella(fs, 800, 1, 40);
     },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.dat: cella 800 (40000 m): fermata che nessuna stazione della "
     "tabella spiega: tralasciato\n",
     true},
    {"a_geometry_point_off_the_six_curve_classes",
     [](auto& fs) {
       // x of metre 30000: past the 2 + 2 bytes of each of points 0 and 1, 10 bytes a point.
       char* p = fs.file[tracciato].data() + 8 + 10 * (30000 - 2) + 2;
       formato::metti_f64(p, formato::prendi_f64(p) + 0.001);
     },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_linea.dat: metri 30000-30002: il punto non segue dai due prima n\xE9 in "
     "rettilineo n\xE9 con una delle sei classi di curva; scritto come rettilineo\n",
     true},
    {"a_name_no_description_can_hold",
     [](auto& fs) {
       std::array<formato::voce, formato::voci_tabella> t{};
       ASSERT_TRUE(formato::leggi_tabella(fs.file[tabella], tabella, t).riuscito());
       t[3].nome = " CASELLE, DI PIANO";
       fs.file[tabella] = formato::contenuto_tabella(t);
     },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.sim: voce 3: il nome della stazione ' CASELLE, DI PIANO' non si "
     "scrive in una descrizione (virgole, a capo o spazi ai bordi); scritto 'CASELLE  DI PIANO'\n",
     false},
    {"a_cell_file_cut_short", [](auto& fs) { fs.file[celle].resize(fs.file[celle].size() - 7); },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.dat: byte 47700: la lunghezza 47708 non \xE8 un multiplo di 15: "
     "restano 8 byte dopo l'ultima cella intera\n",
     false},
    {"a_damaged_table",
     [](auto& fs) {
       fs.file[tabella][14] = '\xFF';  // entry 0's text length
       fs.file[tabella][15] = '\x7F';
     },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_40817.sim: byte 14: nome della voce 0 dichiara 32767 byte, ma il file "
     "ne ha solo 3349 dopo il conteggio\n",
     false},
    {"a_damaged_geometry", [](auto& fs) { fs.file[tracciato][4] = 9; },
     "decompila_scenario: c" SEPARATORE_PROVA
     "Ostrale_Fiorna_linea.dat: byte 4: elemento 1 con codice di tipo 9, atteso 0, 2 o 5\n",
     false, "[curve]\r\n- tracciato compilato illeggibile: le curve non si ricavano\r\n[pendenze]"},
};

INSTANTIATE_TEST_SUITE_P(Alterazioni, DecompilaAnomalie, ::testing::ValuesIn(casi),
                         [](const ::testing::TestParamInfo<caso>& i) { return std::string(i.param.nome); });

}  // namespace
