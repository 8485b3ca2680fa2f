#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system_memoria.h"
#include "scenario_piccolo.h"
#include "tools/compila/esegui_compila.h"
#include "tools/compila/sarif.h"

namespace {

using json = nlohmann::json;
using scenario_piccolo::file_linea;
using scenario_piccolo::file_treno;
using scenario_piccolo::linea;
using scenario_piccolo::treno;

// The properties SARIF 2.1.0's schema requires of the objects compila_scenario
// writes, and the values it allows for them: what an editor relies on.
// Each problem found is added to `mancanze` with where it is.
class verifica_sarif {
 public:
  std::vector<std::string> mancanze;

  void log(const json& j) {
    if (!oggetto(j, "log")) return;
    richiede(j, "log", "version");
    if (j.contains("version") && j["version"] != "2.1.0") manca("log.version is not 2.1.0");
    if (!j.contains("$schema") || !j["$schema"].is_string()) manca("log.$schema");
    if (!richiede(j, "log", "runs") || !j["runs"].is_array() || j["runs"].size() != 1) {
      manca("log.runs is not one run");
      return;
    }
    run(j["runs"][0]);
  }

 private:
  void manca(std::string cosa) { mancanze.push_back(std::move(cosa)); }

  bool oggetto(const json& j, const std::string& dove) {
    if (j.is_object()) return true;
    manca(dove + " is not an object");
    return false;
  }

  bool richiede(const json& j, const std::string& dove, const char* chiave) {
    if (j.contains(chiave)) return true;
    manca(dove + "." + chiave);
    return false;
  }

  void run(const json& r) {
    if (!oggetto(r, "run") || !richiede(r, "run", "tool")) return;
    const json& tool = r["tool"];
    if (!oggetto(tool, "tool") || !richiede(tool, "tool", "driver")) return;
    const json& driver = tool["driver"];
    if (!oggetto(driver, "driver")) return;
    if (richiede(driver, "driver", "name") && !driver["name"].is_string()) manca("driver.name is not a string");
    std::vector<std::string> regole;
    if (driver.contains("rules")) {
      for (const json& regola : driver["rules"]) {
        if (oggetto(regola, "rule") && richiede(regola, "rule", "id")) regole.push_back(regola["id"]);
      }
    }
    if (!r.contains("results")) return;
    for (const json& risultato : r["results"]) result(risultato, regole);
  }

  void result(const json& r, const std::vector<std::string>& regole) {
    if (!oggetto(r, "result")) return;
    if (richiede(r, "result", "message") && !r["message"].contains("text") && !r["message"].contains("id")) {
      manca("result.message has neither text nor id");
    }
    if (r.contains("level")) {
      const std::string livello = r["level"];
      if (livello != "none" && livello != "note" && livello != "warning" && livello != "error") {
        manca("result.level " + livello);
      }
    }
    if (r.contains("ruleIndex")) {
      const std::size_t i = r["ruleIndex"];
      if (i >= regole.size() || regole[i] != r.value("ruleId", "")) manca("result.ruleIndex does not name its ruleId");
    }
    if (!r.contains("locations")) return;
    for (const json& l : r["locations"]) {
      if (oggetto(l, "location") && l.contains("physicalLocation")) luogo(l["physicalLocation"]);
    }
  }

  void luogo(const json& fisico) {
    if (!fisico.contains("artifactLocation") && !fisico.contains("address")) {
      manca("physicalLocation has neither artifactLocation nor address");
    }
    if (!fisico.contains("region")) return;
    const json& regione = fisico["region"];
    for (const char* campo : {"startLine", "startColumn"}) {
      if (regione.contains(campo) && regione[campo].get<int>() < 1) manca(std::string("region.") + campo + " < 1");
    }
  }
};

TEST(Sarif, TheCheckerFindsWhatALogLacks) {
  const struct {
    const char* testo;
    std::size_t mancanze;
  } casi[] = {
      {R"({"version":"2.1.0","$schema":"s","runs":[{"tool":{"driver":{"name":"x"}},"results":[]}]})", 0},
      {R"({"$schema":"s","runs":[{"tool":{"driver":{}}}]})", 2},
      {R"({"version":"2.0.0","$schema":"s","runs":[{"tool":{"driver":{"name":"x","rules":[{"id":"1"}]}},)"
       R"("results":[{"ruleId":"2","ruleIndex":0,"level":"fatal"}]}]})",
       4},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.testo);
    verifica_sarif v;
    v.log(json::parse(caso.testo));
    EXPECT_EQ(v.mancanze.size(), caso.mancanze);
  }
}

// Three independent errors and a warning in one run: the log holds the four,
// in the order shown, and an editor reads each back at its place.
TEST(Sarif, TheDiagnosticsOfARunAreALogThatReadsBack) {
  piattaforma::file_system_memoria fs;
  fs.file[linea] = file_linea(
      "tunnel, 300, 400\r\n"
      "indicatori_vmax, 5000, 160, 160, 160, 0, 160, 160, 160, 0\r\n"
      "indicatori_vmax, 5000, 160, 160, 160, 0, 160, 160, 160, 0\r\n");
  fs.file[treno] = file_treno(
      "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"
      "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"
      "stazione, 9025, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\r\n");
  std::ostringstream uscita;
  std::ostringstream errori;
  const std::vector<std::string> argomenti = {linea, treno, "--sarif", "diagnostica.sarif"};
  EXPECT_EQ(strumento_compila::esegui_compila(argomenti, fs, uscita, errori), 1);
  ASSERT_TRUE(fs.esiste("diagnostica.sarif"));
  const json log = json::parse(fs.file["diagnostica.sarif"]);

  verifica_sarif v;
  v.log(log);
  EXPECT_EQ(v.mancanze, std::vector<std::string>{});
  const json& run = log["runs"][0];
  EXPECT_EQ(run["tool"]["driver"]["name"], "compila_scenario");

  const struct {
    const char* regola;
    const char* livello;
    const char* file;
    int riga;
    int colonna;
  } attesi[] = {
      {"voce_sconosciuta", "warning", "/s/Val_linea.txt", 4, 1},
      {"21", "error", "/s/Val_linea.txt", 6, 1},
      {"16", "error", "/s/Val_9-.txt", 6, 1},
      {"8", "error", "/s/Val_9-.txt", 7, 11},
  };
  const json& risultati = run["results"];
  ASSERT_EQ(risultati.size(), std::size(attesi));
  for (std::size_t i = 0; i < std::size(attesi); ++i) {
    SCOPED_TRACE(i);
    const json& r = risultati[i];
    EXPECT_EQ(r["ruleId"], attesi[i].regola);
    EXPECT_EQ(r["level"], attesi[i].livello);
    const json& fisico = r["locations"][0]["physicalLocation"];
    const std::string uri = fisico["artifactLocation"]["uri"];
    EXPECT_EQ(uri.rfind("file:///", 0), 0u) << uri;
    EXPECT_TRUE(uri.ends_with(attesi[i].file)) << uri;
    EXPECT_EQ(fisico["region"]["startLine"], attesi[i].riga);
    EXPECT_EQ(fisico["region"]["startColumn"], attesi[i].colonna);
    // The message an editor shows is the one the author reads on the terminal.
    const std::string testo = r["message"]["text"];
    EXPECT_NE(errori.str().find(testo), std::string::npos) << testo;
  }
}

TEST(Sarif, UnderStrictAWarningIsAnErrorAndACleanRunIsAnEmptyLog) {
  piattaforma::file_system_memoria fs;
  fs.file[linea] = file_linea("tunnel, 300, 400\r\n");
  fs.file[treno] = file_treno();
  std::ostringstream uscita;
  std::ostringstream errori;
  std::vector<std::string> argomenti = {linea, treno, "--strict", "--sarif", "a.sarif"};
  EXPECT_EQ(strumento_compila::esegui_compila(argomenti, fs, uscita, errori), 1);
  EXPECT_EQ(json::parse(fs.file["a.sarif"])["runs"][0]["results"][0]["level"], "error");

  fs.file[linea] = file_linea();
  argomenti = {linea, treno, "--check", "--sarif=b.sarif"};
  EXPECT_EQ(strumento_compila::esegui_compila(argomenti, fs, uscita, errori), 0);
  const json log = json::parse(fs.file["b.sarif"]);
  verifica_sarif v;
  v.log(log);
  EXPECT_EQ(v.mancanze, std::vector<std::string>{});
  EXPECT_EQ(log["runs"][0]["results"], json::array());
}

TEST(Sarif, AFileUriEscapesWhatAUriCannotHold) {
  EXPECT_EQ(strumento_compila::uri_file("/home/anna/le mie linee/Val_9-.txt"),
            "file:///home/anna/le%20mie%20linee/Val_9-.txt");
  EXPECT_EQ(strumento_compila::uri_file("C:\\Scenari\\Citt\xE0_linea.txt"), "file:///C:/Scenari/Citt%E0_linea.txt");
  EXPECT_EQ(strumento_compila::uri_file("/a/100%#?.txt"), "file:///a/100%25%23%3F.txt");
}

}  // namespace
