#include "tools/compila/sarif.h"

#include <charconv>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>

#include "compiler/avvisi.h"
#include "compiler/errori.h"

namespace strumento_compila {
namespace {

using json = nlohmann::ordered_json;

constexpr std::string_view schema = "https://json.schemastore.org/sarif-2.1.0.json";
// What is not the compile's own: a crew document that cannot be made.
constexpr std::string_view regola_documenti = "documenti";

std::string_view regola_di(const diagnostico& d) { return d.regola.empty() ? regola_documenti : d.regola; }

// The rule's one-line summary: the error's description or the warning's.
std::string sommario(std::string_view regola) {
  std::int32_t numero = 0;
  const auto [fine, errore] = std::from_chars(regola.data(), regola.data() + regola.size(), numero);
  if (errore == std::errc() && fine == regola.data() + regola.size()) {
    return std::string(compilatore::descrizione_errore(numero));
  }
  for (const compilatore::scheda_avviso& s : compilatore::schede_avvisi()) {
    if (s.nome == regola) return std::string(s.sommario);
  }
  return "documenti dell'equipaggio non generati";
}

// SARIF strings are Unicode: the scenario's single-byte text is Windows-1252,
// read here as Latin-1, which agrees with it on every letter an author writes.
std::string in_utf8(std::string_view testo) {
  std::string uscita;
  for (const char c : testo) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      uscita.push_back(c);
    } else {
      uscita.push_back(static_cast<char>(0xC0 | (b >> 6)));
      uscita.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return uscita;
}

const char* livello(const diagnostico& d) {
  return d.tipo == diagnostico::livello::errore || d.rigoroso ? "error" : "warning";
}

}  // namespace

std::string uri_file(std::string_view percorso_assoluto) {
  static constexpr char cifre[] = "0123456789ABCDEF";
  std::string uri = "file://";
  // A Windows path "C:\x" becomes "file:///C:/x".
  if (percorso_assoluto.empty() || (percorso_assoluto.front() != '/' && percorso_assoluto.front() != '\\')) {
    uri.push_back('/');
  }
  for (const char c : percorso_assoluto) {
    const auto b = static_cast<unsigned char>(c);
    const bool libero = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                        std::string_view("-._~/:").find(c) != std::string_view::npos;
    if (c == '\\') {
      uri.push_back('/');
    } else if (libero) {
      uri.push_back(c);
    } else {
      uri.push_back('%');
      uri.push_back(cifre[b >> 4]);
      uri.push_back(cifre[b & 0xF]);
    }
  }
  return uri;
}

std::string sarif(const std::vector<diagnostico>& diagnostiche, const programma_sarif& programma,
                  const std::function<std::string(const std::string&)>& assoluto) {
  json regole = json::array();
  std::map<std::string, std::size_t, std::less<>> indice_regola;
  for (const diagnostico& d : diagnostiche) {
    const std::string regola(regola_di(d));
    if (indice_regola.contains(regola)) continue;
    indice_regola.emplace(regola, regole.size());
    regole.push_back(
        {{"id", regola},
         {"shortDescription", {{"text", in_utf8(sommario(regola))}}},
         {"defaultConfiguration", {{"level", d.tipo == diagnostico::livello::errore ? "error" : "warning"}}}});
  }
  const json strumento = {{"driver",
                           {{"name", programma.nome},
                            {"version", programma.versione},
                            {"informationUri", programma.uri_informazioni},
                            {"rules", regole}}}};
  // The results are written one by one, without indentation: a log of
  // hundreds of thousands of results costs its own size, not a tree of it.
  std::string log = R"({"version":"2.1.0","$schema":)" + json(schema).dump() + R"(,"runs":[{"tool":)" +
                    strumento.dump() + R"(,"results":[)";
  std::map<std::string, std::string> uri;  // each file made absolute once
  bool primo = true;
  for (const diagnostico& d : diagnostiche) {
    const std::string regola(regola_di(d));
    json risultato = {{"ruleId", regola},
                      {"ruleIndex", indice_regola.find(regola)->second},
                      {"level", livello(d)},
                      {"message", {{"text", in_utf8(d.testo)}}}};
    if (!d.file.empty()) {
      auto u = uri.find(d.file);
      if (u == uri.end()) u = uri.emplace(d.file, uri_file(assoluto(d.file))).first;
      json fisico = {{"artifactLocation", {{"uri", u->second}}}};
      if (d.posto) fisico["region"] = {{"startLine", d.posto->riga}, {"startColumn", d.posto->colonna}};
      risultato["locations"] = json::array({{{"physicalLocation", fisico}}});
    }
    if (!primo) log += ",\n";
    primo = false;
    log += risultato.dump();
  }
  log += "]}]}\n";
  return log;
}

}  // namespace strumento_compila
