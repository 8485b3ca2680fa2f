#include <gtest/gtest.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <streambuf>

#include "cartella_temporanea.h"
#include "esempio_scenario.h"
#include "formato/dimensioni.h"
#include "formato/scrivi_binari.h"
#include "formato/voci.h"
#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "tools/esamina/riga_comando.h"

namespace {

using nlohmann::json;

const std::string tabella = "scenario/Ostrale_Fiorna_40817.sim";
const std::string celle = "scenario/Ostrale_Fiorna_40817.dat";
const std::string tracciato = "scenario/Ostrale_Fiorna_linea.dat";

// The example scenario's files in memory, and the tool run on them.
class Esamina : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto m = esempio::modello_esempio();
    fs.file[tabella] = formato::contenuto_tabella(m.tabella);
    fs.file[celle] = formato::contenuto_celle(m.celle);
    fs.file[tracciato] = formato::contenuto_tracciato(m.punti);
  }

  int esegui(std::vector<std::string> argomenti) {
    out.str("");
    err.str("");
    return strumenti::esegui_esamina(argomenti, fs, out, err);
  }

  piattaforma::file_system_memoria fs;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(Esamina, DumpMatchesTheExpectedFile) {
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817"}), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(out.str(), leggi_file(std::string(CARTELLA_DATI_TEST) + "/esamina_esempio.txt"));
}

TEST_F(Esamina, JsonCarriesTheDumpsContentInUtf8) {
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--json"}), 0) << err.str();
  const json j = json::parse(out.str());

  EXPECT_EQ(j["scenario"]["nome_base"], "Ostrale_Fiorna");
  EXPECT_EQ(j["scenario"]["codice_treno"], "40817");
  EXPECT_EQ(j["file"]["celle"]["numero"], 201);
  EXPECT_EQ(j["file"]["tracciato"]["punti"], 10001);
  EXPECT_EQ(j["file"]["tracciato"]["assegnati"], 9999);

  const json& t = j["intestazione"];
  EXPECT_EQ(t["lunghezza_linea"], 3000);
  EXPECT_EQ(t["vetture"], 6);
  EXPECT_EQ(t["massa_frenata"], 120);
  EXPECT_EQ(t["progressive"][1], json::parse(R"({"voce":82,"da":1000,"valore":11000,"flag":1})"));
  EXPECT_EQ(t["sfondi"], json::parse(R"({"uno":1,"due":2,"tre":3})"));
  EXPECT_EQ(t["ripetizione_segnali"], json::parse(R"({"inizio":500,"fine":1500,"codici":4})"));
  EXPECT_EQ(t["orologio"], json::parse(R"({"ore":17,"minuti":4,"secondi":30})"));
  EXPECT_EQ(t["sabbia"], 80);
  EXPECT_EQ(t["identificazione"], json::parse(R"({"tabella":{"segnaposto":610,"codice":32595},
                                                  "celle":{"segnaposto":5121,"codice":2344}})"));

  ASSERT_EQ(j["stazioni"].size(), 3u);
  EXPECT_EQ(j["stazioni"][1], json::parse(R"({"voce":2,"nome":"SAN VITTORE ALTO","tipo":12,"progressiva":1500,
      "inizio":1300,"fine":1700,"sosta":30,"orario":"17:10:30","orario_secondi":61830,"capolinea":0})"));
  ASSERT_EQ(j["cartelli"].size(), 2u);
  EXPECT_EQ(j["cartelli"][1]["voce"], 79);
  EXPECT_EQ(j["cartelli"][1]["testo"], "(Km 12.400) (Varesca, citt\xC3\xA0)");

  const json& eventi = j["eventi"];
  ASSERT_EQ(eventi.size(), 18u);
  EXPECT_EQ(eventi[7], json::parse(R"({"cella":21,"metri":1050,"codice":1,"evento":"segnale","dati":[41,0,23,17],
      "tempo_segnale":101,"valori":{"s1":4,"d1":1,"s2":0,"d2":0,"s3":2,"d3":3,"rapp":1,"sx":2,"dx":1,"tempo":101}})"));
  EXPECT_EQ(eventi[8]["testo"], "SAN VITTORE ALTO");
  EXPECT_EQ(eventi[13]["evento"], "indicatore velocit\xC3\xA0 massima");
  EXPECT_EQ(eventi[13]["valori"], json::parse(R"({"vas":100,"vbs":110,"vcs":115,"strisces":1,
      "vad":60,"vbd":0,"vcd":75,"strisced":2})"));
  EXPECT_FALSE(eventi[14].contains("testo"));

  EXPECT_EQ(j["vel_limite"], json::parse(R"([{"da":0,"a":1950,"prima_cella":0,"ultima_cella":38,"valore":100},
      {"da":1950,"a":9900,"prima_cella":39,"ultima_cella":197,"valore":140},
      {"da":9900,"a":10050,"prima_cella":198,"ultima_cella":200,"valore":0}])"));
  ASSERT_EQ(j["pendenza"].size(), 3u);
  EXPECT_EQ(j["pendenza"][1]["valore"], -8);
  ASSERT_EQ(j["aderenza"].size(), 3u);
  EXPECT_EQ(j["aderenza"][1]["valore"], 80);
}

TEST_F(Esamina, ScenarioWithoutGeometryIsDumpedAndDrawn) {
  fs.file.erase(tracciato);
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--svg", "disegno.svg"}), 0) << err.str();
  EXPECT_NE(out.str().find("  tracciato: scenario/Ostrale_Fiorna_linea.dat assente\n"), std::string::npos);
  const std::string svg = fs.file.at("disegno.svg");
  EXPECT_NE(svg.find(">tracciato assente</text>"), std::string::npos);
  EXPECT_NE(svg.find(">km 13+000</text>"), std::string::npos);

  ASSERT_EQ(esegui({"--json", "scenario", "Ostrale_Fiorna", "40817"}), 0) << err.str();
  EXPECT_TRUE(json::parse(out.str())["file"]["tracciato"].is_null());
}

TEST_F(Esamina, JsonKeepsUtf8PathsAndReplacesInvalidBytes) {
  for (const std::string cartella : {"cart\xC3\xA0", "cart\xE0"}) {
    SCOPED_TRACE(cartella);
    for (const std::string* nome : {&tabella, &celle, &tracciato}) {
      fs.file[cartella + nome->substr(nome->find('/'))] = fs.file[*nome];
    }
    ASSERT_EQ(esegui({cartella, "Ostrale_Fiorna", "40817", "--json"}), 0) << err.str();
    const json j = json::parse(out.str());
    const std::string atteso = cartella == "cart\xE0" ? "cart\xEF\xBF\xBD" : cartella;
    EXPECT_EQ(j["file"]["tabella"], atteso + "/Ostrale_Fiorna_40817.sim");
  }
}

struct caso_file {
  const char* nome;
  std::string file;
  std::optional<std::string> contenuto;  // none: the file is removed
  std::string errore;
};

// The example's bytes with the 8 bytes of element `elemento`'s double
// (counted from the first of the x, which come after two integers) replaced.
std::string con_reale(std::string tracciato, std::size_t elemento, std::uint64_t bit) {
  const std::size_t valore = 4 + 4 + (elemento - 2) * 10 + 2;
  for (int b = 0; b < 8; ++b) tracciato[valore + static_cast<std::size_t>(b)] = static_cast<char>(bit >> (8 * b));
  return tracciato;
}

TEST_F(Esamina, MissingOrMalformedFilesExitOneNamingFileAndOffset) {
  auto corta = esempio::modello_esempio();
  corta.tabella[formato::voce_lunghezza].fine = -1;
  formato::tracciato breve;
  breve.x = {0, 0, 1.5, 0, 0};
  breve.y = {0, 1, 2.5, 0, 0};
  breve.assegnati = 3;
  const caso_file casi[] = {
      {"table missing", tabella, std::nullopt, "esamina_scenario: " + tabella + ": "},
      {"cells missing", celle, std::nullopt, "esamina_scenario: " + celle + ": "},
      {"table with trailing bytes", tabella, fs.file[tabella] + "x",
       "esamina_scenario: " + tabella + ": byte " + std::to_string(fs.file[tabella].size()) +
           ": attesa la fine del file dopo la voce 86, restano 1 byte\n"},
      {"table of a line no line can have", tabella, formato::contenuto_tabella(corta.tabella),
       "esamina_scenario: " + tabella + ": la voce 84 d\xE0 una linea di -1 m, attesa da 0 a 1000000 m\n"},
      {"cells cut", celle, fs.file[celle].substr(0, 3001),
       "esamina_scenario: " + celle + ": byte 3000: la lunghezza 3001 non \xE8 un multiplo di 15: restano 1 byte"},
      {"cells cut on a record's end", celle, fs.file[celle].substr(0, 3000),
       "esamina_scenario: " + celle + ": byte 3000: il file finisce dopo 200 celle, ma la linea di 3000 m ne ha 201\n"},
      {"cells empty", celle, "", "esamina_scenario: " + celle + ": byte 0: il file \xE8 vuoto\n"},
      {"a cell too many", celle, fs.file[celle] + std::string(15, '\0'),
       "esamina_scenario: " + celle +
           ": byte 3015: attesa la fine del file dopo la cella 200: la linea di 3000 m ne ha "
           "201\n"},
      {"cells larger than the longest line's", celle, std::string(formato::byte_massimi_celle + 15, '\0'),
       "esamina_scenario: " + celle + ": file troppo grande: " + std::to_string(formato::byte_massimi_celle + 15) +
           " byte, al massimo " + std::to_string(formato::byte_massimi_celle) + "\n"},
      {"geometry with a bad type code", tracciato, std::string("\x02\x00\x00\x00\x09\x00", 6),
       "esamina_scenario: " + tracciato + ": byte 4: elemento 1 con codice di tipo 9, atteso 0, 2 o 5\n"},
      {"geometry empty", tracciato, "", "esamina_scenario: " + tracciato + ": byte 0: il file \xE8 vuoto\n"},
      {"geometry of another line", tracciato, formato::contenuto_tracciato(breve),
       "esamina_scenario: " + tracciato + ": 5 punti per coordinata, ma la linea di 3000 m ne ha 10001\n"},
      {"geometry with NaN", tracciato, con_reale(fs.file[tracciato], 7, 0x7FF8000000000000u),
       "esamina_scenario: " + tracciato + ": byte 58: elemento 7 con un valore reale non finito (NaN)\n"},
      {"geometry with infinity", tracciato, con_reale(fs.file[tracciato], 2, 0xFFF0000000000000u),
       "esamina_scenario: " + tracciato + ": byte 8: elemento 2 con un valore reale non finito (infinito)\n"},
  };
  for (const caso_file& caso : casi) {
    SCOPED_TRACE(caso.nome);
    fs.file.clear();
    SetUp();
    if (caso.contenuto) {
      fs.file[caso.file] = *caso.contenuto;
    } else {
      fs.file.erase(caso.file);
    }
    EXPECT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--svg", "d.svg"}), 1);
    EXPECT_EQ(err.str().rfind(caso.errore, 0), 0u) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(fs.esiste("d.svg"));
  }
}

// A text of the compiled file cannot drive the terminal the dump is shown on.
TEST_F(Esamina, ControlCharactersOfTheFilesAreEscapedInTheDump) {
  auto m = esempio::modello_esempio();
  m.tabella[1].nome = "OSTRALE\x1B]0;preso\x07";
  fs.file[tabella] = formato::contenuto_tabella(m.tabella);
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817"}), 0) << err.str();
  EXPECT_NE(out.str().find(": OSTRALE\\x1B]0;preso\\x07, tipo "), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find_first_of("\x1B\x07"), std::string::npos);
}

// Standard output that takes nothing: a full disk, a closed pipe.
class uscita_rotta : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(Esamina, AFailedWriteToStandardOutputIsAFailure) {
  for (const bool json : {false, true}) {
    uscita_rotta rotta;
    std::ostream uscita(&rotta);
    err.str("");
    std::vector<std::string> argomenti = {"scenario", "Ostrale_Fiorna", "40817"};
    if (json) argomenti.emplace_back("--json");
    EXPECT_EQ(strumenti::esegui_esamina(argomenti, fs, uscita, err), 1);
    EXPECT_EQ(err.str(), "esamina_scenario: scrittura sull'uscita standard non riuscita\n");
  }
}

// The picture or the page written over a file of the scenario would lose it.
TEST_F(Esamina, AnOutputThatNamesAnInputIsRefusedAndTheInputKept) {
  const auto prima = fs.file;
  const caso_file casi[] = {
      {"--svg", tabella, {}, "--svg " + tabella + " \xE8 un file dello scenario da esaminare: " + tabella},
      {"--html",
       "scenario/./x/../Ostrale_Fiorna_40817.dat",
       {},
       "--html scenario/./x/../Ostrale_Fiorna_40817.dat \xE8 un file dello scenario da esaminare: " + celle},
      {"--svg", tracciato, {}, "--svg " + tracciato + " \xE8 un file dello scenario da esaminare: " + tracciato},
  };
  for (const caso_file& caso : casi) {
    SCOPED_TRACE(caso.file);
    EXPECT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", caso.nome, caso.file}), 2);
    EXPECT_EQ(err.str(), "esamina_scenario: " + caso.errore + "\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(fs.file, prima);
  }
  EXPECT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--svg", "d.svg", "--html", "./d.svg"}), 2);
  EXPECT_EQ(err.str(), "esamina_scenario: --svg e --html nominano lo stesso file: d.svg\n");
  EXPECT_EQ(fs.file, prima);
}

const std::string uso =
    "uso: esamina_scenario CARTELLA BASE TRENO [--json] [--svg FILE] [--html FILE] [--da KM --a KM]\n"
    "     esamina_scenario CARTELLA BASE TRENO --confronta CARTELLA2 BASE2 TRENO2\n";

struct caso_uso {
  std::vector<std::string> argomenti;
  const char* errore;
};

TEST_F(Esamina, UsageErrorsExitTwoWithTheUsageLine) {
  const caso_uso casi[] = {
      {{}, "servono CARTELLA, BASE e TRENO, ricevuti 0 argomenti"},
      {{"scenario", "Ostrale_Fiorna"}, "servono CARTELLA, BASE e TRENO, ricevuti 2 argomenti"},
      {{"scenario", "Ostrale_Fiorna", "40817", "altro"}, "servono CARTELLA, BASE e TRENO, ricevuti 4 argomenti"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--xml"}, "opzione sconosciuta --xml"},
      {{"-j", "scenario", "Ostrale_Fiorna", "40817"}, "opzione sconosciuta -j"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--svg"}, "--svg vuole il nome del file"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--svg", "a", "--svg", "b"}, "--svg dato due volte"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--html"}, "--html vuole il nome del file"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--svg", "a", "--da"}, "--da vuole un km"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--svg", "a", "--da", "10"}, "--da e --a vanno date insieme"},
      {{"scenario", "Ostrale_Fiorna", "40817", "--da", "10", "--a", "11"}, "--da e --a valgono per --svg o --html"},
  };
  for (const caso_uso& caso : casi) {
    SCOPED_TRACE(caso.errore);
    EXPECT_EQ(esegui(caso.argomenti), 2);
    EXPECT_EQ(err.str(), std::string("esamina_scenario: ") + caso.errore +
                             "\n" + uso);
    EXPECT_EQ(out.str(), "");
  }
}

// The example's kilometres: 10+000 at 0 m rising, 10+900 at 1000 m falling,
// 12+000 at 2000 m rising to 13+000 at the line's end.
TEST_F(Esamina, AStretchIsChosenByTheLinesKilometres) {
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--svg", "d.svg", "--da", "12+500", "--a", "12,25"}), 0)
      << err.str();
  EXPECT_NE(fs.file.at("d.svg").find(">dal km 12+250 al km 12+500 (da 2250 a 2500 m)</text>"), std::string::npos);
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--html", "p.html", "--da", "10.5", "--a", "10.7"}), 0)
      << err.str();
  EXPECT_NE(fs.file.at("p.html").find("\"vista\":{\"a\":700.0,\"da\":500.0}"), std::string::npos);

  const caso_uso casi[] = {
      {{"--da", "12.5", "--a", "x"}, "km non valido: x"},
      {{"--da", "12+5000", "--a", "12"}, "km non valido: 12+5000"},
      {{"--da", "14", "--a", "12"}, "il km 14 non \xE8 sulla linea, che va dal km 10+000 al km 13+000"},
      {{"--da", "12+100", "--a", "12.1"}, "--da e --a sono lo stesso punto della linea"},
  };
  for (const caso_uso& caso : casi) {
    SCOPED_TRACE(caso.errore);
    std::vector<std::string> argomenti = {"scenario", "Ostrale_Fiorna", "40817", "--svg", "s.svg"};
    argomenti.insert(argomenti.end(), caso.argomenti.begin(), caso.argomenti.end());
    EXPECT_EQ(esegui(argomenti), 2);
    EXPECT_EQ(err.str(), std::string("esamina_scenario: ") + caso.errore + "\n");
    EXPECT_FALSE(fs.esiste("s.svg"));
  }
}

TEST_F(Esamina, PictureAndPageMatchTheExpectedFiles) {
  ASSERT_EQ(esegui({"scenario", "Ostrale_Fiorna", "40817", "--svg", "d.svg", "--html", "p.html"}), 0) << err.str();
  EXPECT_EQ(fs.file.at("d.svg"), leggi_file(std::string(CARTELLA_DATI_TEST) + "/esamina_esempio.svg"));
  const std::string pagina = fs.file.at("p.html");
  const std::string inizio = "<script type=\"application/json\" id=\"dati\">";
  const std::size_t da = pagina.find(inizio) + inizio.size();
  const json dati = json::parse(pagina.substr(da, pagina.find("</script>", da) - da));
  EXPECT_EQ(dati.dump(1) + "\n", leggi_file(std::string(CARTELLA_DATI_TEST) + "/esamina_esempio_pagina.json"));
}

TEST_F(Esamina, HelpAndVersionGoToStandardOutput) {
  EXPECT_EQ(esegui({"--help"}), 0);
  EXPECT_EQ(out.str().rfind(uso, 0), 0u);
  for (const char* opzione : {"--svg FILE", "--html FILE", "--da KM --a KM"}) {
    EXPECT_NE(out.str().find(opzione), std::string::npos) << opzione;
  }
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(esegui({"--version"}), 0);
  EXPECT_EQ(out.str(), "esamina_scenario 1.0.0\n");
}

TEST(EsaminaSuDisco, ReadsTheFilesThroughTheRealFileSystem) {
  cartella_temporanea cartella;
  esempio::scrivi_esempio(cartella.percorso().string(), esempio::modello_esempio());
  std::ostringstream out, err;
  const std::vector<std::string> argomenti = {cartella.percorso().string(), "Ostrale_Fiorna", "40817", "--svg",
                                              cartella / "d.svg"};
  ASSERT_EQ(strumenti::esegui_esamina(argomenti, piattaforma::sistema_reale().file(), out, err), 0) << err.str();
  EXPECT_NE(out.str().find("Eventi (18)\n"), std::string::npos);
  EXPECT_EQ(leggi_file(cartella / "d.svg").rfind("<?xml", 0), 0u);
}

}  // namespace
