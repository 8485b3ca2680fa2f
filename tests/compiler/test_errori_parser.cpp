#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "compiler/errori.h"
#include "compiler/memorizza_dati.h"
#include "prova_parser.h"

namespace {

std::string cartelli(int quanti) {
  std::string corpo;
  for (int i = 0; i < quanti; ++i) corpo += "cartello_indicatore, " + std::to_string(20000 + 100 * i) + ", (Km)\r\n";
  return corpo;
}

std::string montagne(int quante) {
  std::string corpo;
  for (int i = 0; i < quante; ++i) {
    corpo += "montagna, " + std::to_string(1000 * i) + ", " + std::to_string(1000 * i + 200) + ", 1\r\n";
  }
  return corpo;
}

const std::string stazione_a_0 = "stazione, 0, 8, 500, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n";
const std::string segnale_1650 = "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n";

std::string segnale_a(int posizione) {
  return "segnale, " + std::to_string(posizione) + ", 1, 1, 1, 1, 1, 1, 1, 1, 1, 0\r\n";
}

// Stands for a service file that does not exist.
const std::string senza_file = "(nessun file)";

struct caso {
  const char* nome;
  std::optional<std::string> linea;  // no value: the line file does not exist
  std::string treno;
  int codice;
  std::optional<int> posizione;  // no value: the position stays as it was
  bool resta_linea;
  bool resta_treno;
};

const caso casi[] = {
    // Line file.
    {"101 no line file", std::nullopt, file_treno(""), 101, {}, false, true},
    {"102 no general section", "lunghezza percorso, 1000\r\n[fine]\r\n", file_treno(""), 102, {}, false, true},
    {"102 empty file", "", file_treno(""), 102, {}, false, true},
    {"1 line too long", file_linea("", "1000001"), file_treno(""), 1, {}, false, true},
    {"34 negative length", file_linea("", "-1"), file_treno(""), 34, {}, false, true},
    {"33 no length", "[generale]\r\nsfondo uno, 1\r\n[curve]\r\n[fine]\r\n", file_treno(""), 33, {}, false, true},
    {"3 repetition start",
     "[generale]\r\nlunghezza percorso, 1000\r\nripetizione segnali 4 codici, 1625, 1650\r\n[fine]\r\n",
     file_treno(""), 3, {}, false, true},
    {"4 repetition end",
     "[generale]\r\nlunghezza percorso, 1000\r\nripetizione segnali 4 codici, 1650, 1675\r\n[fine]\r\n",
     file_treno(""), 4, {}, false, true},
    {"5 repetition count",
     "[generale]\r\nlunghezza percorso, 1000\r\nripetizione segnali codici, 1650, 1700\r\n[fine]\r\n",
     file_treno(""), 5, {}, false, true},
    {"21 speed board on a busy cell",
     file_linea("indicatori_vmax, 700, 1,1,1,0,1,1,1,0\r\nindicatori_vmax, 690, 1,1,1,0,1,1,1,0\r\n"),
     file_treno(""), 21, 690, false, true},
    {"6 board on a busy cell", file_linea("indicatori_vmax, 700, 1,1,1,0,1,1,1,0\r\ncartello_indicatore, 700, x\r\n"),
     file_treno(""), 6, 700, false, true},
    {"103 curve without class", file_linea("curvad, 100, 50\r\n"), file_treno(""), 103, {}, false, true},
    {"103 geometry past 1000000 points", file_linea("curvad1, 999000, 5000\r\n", "1000000"), file_treno(""), 103, {},
     false, true},
    {"26 curve past the geometry", file_linea("curvad3, 1000, 6999\r\n", "1000"), file_treno(""), 26, 1000, false,
     true},
    {"30 too many mountains", file_linea(montagne(81)), file_treno(""), 30, 80000, false, true},
    {"31 mountain past the grid", file_linea("montagna, 1000, 200000, 1\r\n"), file_treno(""), 31, 1000, false, true},
    {"35 mountain before the start", file_linea("montagna, -100, 500, 1\r\n"), file_treno(""), 35, -100, false, true},
    {"35 speed board before the start", file_linea("indicatori_vmax, -200, 1,1,1,0,1,1,1,0\r\n"), file_treno(""), 35,
     -200, false, true},
    {"35 board before the start", file_linea("cartello_indicatore, -100, x\r\n"), file_treno(""), 35, -100, false,
     true},
    {"35 gradient before the start", file_linea("pendenza, -100, 5\r\n"), file_treno(""), 35, -100, false, true},
    {"25 board text too long", file_linea("cartello_indicatore, 1000, " + std::string(65536, 'k') + "\r\n"),
     file_treno(""), 25, {}, false, false},
    {"32 too many boards", file_linea(cartelli(81)), file_treno(""), 32, 28000, false, true},
    {"15 line position past the grid, goes on", file_linea("pendenza, 158950, 0\r\n"), file_treno(""), 15, 158950,
     false, false},
    {"25 length not a number", file_linea("", "lunga"), file_treno(""), 25, {}, false, false},
    {"25 comments run past the end", "[generale]\r\n-a-\r\n-b-\r\n", file_treno(""), 25, {}, false, false},
    {"25 record cut by the end", "[generale]\r\nlunghezza percorso, 152000\r\n[curve]\r\npendenza, 100",
     file_treno(""), 25, {}, false, false},
    // Service file.
    {"25 service file missing", file_linea(""), senza_file, 25, {}, false, false},
    {"25 short out of range", file_linea(""), file_treno("sabbia, 40000\r\n"), 25, {}, false, false},
    {"25 quoted station name", file_linea(""),
     file_treno("stazione, 0, 8, 500, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, \"A\"\r\n"), 25, {}, false, false},
    {"15 service position past the grid", file_linea(""), file_treno("velocita, 158950, 10\r\n"), 15, 158950, false,
     false},
    {"15 station checked with 800 m", file_linea(""),
     file_treno("stazione, 158250, 12, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n"), 15, 158250, false,
     false},
    {"16 signal on a busy cell", file_linea(""), file_treno(segnale_1650 + segnale_1650), 16, 1650, false, false},
    {"29 signal approach before cell 0", file_linea(""), file_treno(segnale_a(300)), 29, 300, false, false},
    {"35 signal before the start", file_linea(""), file_treno(segnale_a(-500)), 35, -500, false, false},
    {"17 warning cell busy", file_linea(""), file_treno(segnale_a(23750) + "rallentamento, 24950, 60, 200, 0, 0, 0\r\n"),
     17, 24950, false, false},
    {"18 start cell busy", file_linea(""), file_treno(segnale_a(24950) + "rallentamento, 24950, 60, 200, 0, 0, 0\r\n"),
     18, 24950, false, false},
    {"19 end cell busy", file_linea(""), file_treno(segnale_a(25150) + "rallentamento, 24950, 60, 200, 0, 0, 0\r\n"),
     19, 24950, false, false},
    {"20 approach cells busy", file_linea(""),
     file_treno(segnale_a(23650) + "rallentamento, 24950, 60, 200, 0, 1, 0\r\n"), 20, 24950, false, false},
    {"27 slowdown end past the grid", file_linea(""), file_treno("rallentamento, 150000, 60, 20000, 0, 0, 0\r\n"), 27,
     150000, false, false},
    {"27 slowdown end before the start", file_linea(""), file_treno("rallentamento, 1000, 60, -5000, 0, 0, 0\r\n"), 27,
     1000, false, false},
    {"35 slowdown before the start", file_linea(""), file_treno("rallentamento, -200, 60, 100, 0, 0, 0\r\n"), 35, -200,
     false, false},
    {"35 speed limit before the start", file_linea(""), file_treno("velocita, -100, 100\r\n"), 35, -100, false,
     false},
    {"35 adhesion before the start", file_linea(""), file_treno("aderenza, -100, 90\r\n"), 35, -100, false, false},
    {"7 abbattimento on a busy cell", file_linea(""), file_treno(segnale_1650 + "abbattimento, 1700, 0\r\n"), 7, 1700,
     false, false},
    {"35 abbattimento before the start", file_linea(""), file_treno("abbattimento, -100, 0\r\n"), 35, -100, false,
     false},
    {"8 station not on 50 m", file_linea(""),
     file_treno("stazione, 925, 12, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n"), 8, 925, false, false},
    {"9 platform not on 100 m", file_linea(""),
     file_treno("stazione, 900, 12, 250, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n"), 9, 900, false, false},
    {"24 stop point too near the start", file_linea(""),
     file_treno("stazione, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n"), 24, {}, false, false},
    {"22 stations too close", file_linea(""),
     file_treno(stazione_a_0 + "stazione, 900, 12, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, B\r\n"), 22, 900, false,
     false},
    {"28 station area past the grid", file_linea(""),
     file_treno("stazione, 158000, 8, 1100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n"), 28, 158000, false, false},
    {"10 stations reach the boards", file_linea(cartelli(78)), file_treno(stazione_a_0), 10, {}, false, false},
    {"2 chainage not on 50 m",
     "[generale]\r\nlunghezza percorso, 1000\r\nprogressiva chilometrica due, 25, 1000, 0\r\n[curve]\r\n[fine]\r\n",
     file_treno(""), 2, {}, false, false},
};

TEST(ErroriParserTest, EachErrorWithItsPositionAndFiles) {
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    prova_parser p;
    if (k.linea) p.fs.file[p.file.linea] = *k.linea;
    if (k.treno != senza_file) p.fs.file[p.file.treno] = k.treno;
    p.esegui();
    EXPECT_EQ(p.errore.codice_errore, k.codice);
    EXPECT_EQ(p.errore.posizione_errore, k.posizione.value_or(prova_parser::posizione_iniziale));
    EXPECT_EQ(p.resta_linea(), k.resta_linea);
    EXPECT_EQ(p.resta_treno(), k.resta_treno);
    EXPECT_FALSE(compilatore::descrizione_errore(k.codice).empty());
  }
}

TEST(ErroriParserTest, BoundariesJustInsideAreAccepted) {
  const struct {
    const char* nome;
    std::string linea;
    std::string treno;
  } casi_validi[] = {
      {"curve ending on the last computed point", file_linea("curvad3, 1000, 6998\r\n", "1000"), file_treno("")},
      {"signal with its approach on cell 0", file_linea(""), file_treno(segnale_a(350))},
      {"station area ending on the grid", file_linea(""),
       file_treno("stazione, 158000, 8, 1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A\r\n")},
      {"slowdown ending on the last cell", file_linea(""),
       file_treno("rallentamento, 150000, 60, 8950, 0, 0, 0\r\n")},
      {"mountain ending on the last cell", file_linea("montagna, 1000, 159050, 1\r\n"), file_treno("")},
      {"length zero", file_linea("", "0"), file_treno("")},
      {"gradient just before 0 rounds to cell 0", file_linea("pendenza, -25, 5\r\n"), file_treno("")},
      {"board text of 65535 bytes", file_linea("cartello_indicatore, 1000, " + std::string(65535, 'k') + "\r\n"),
       file_treno("")},
  };
  for (const auto& k : casi_validi) {
    SCOPED_TRACE(k.nome);
    prova_parser p;
    p.esegui(k.linea, k.treno);
    EXPECT_EQ(p.errore.codice_errore, 0);
  }
}

}  // namespace
