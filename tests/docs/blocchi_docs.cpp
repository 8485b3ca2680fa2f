#include "blocchi_docs.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace documentazione {
namespace {

std::vector<std::string> righe(std::string_view testo) {
  std::vector<std::string> tutte;
  std::size_t inizio = 0;
  while (inizio < testo.size()) {
    std::size_t fine = testo.find('\n', inizio);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string riga(testo.substr(inizio, fine - inizio));
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    tutte.push_back(std::move(riga));
    inizio = fine + 1;
  }
  return tutte;
}

std::string_view senza_spazi(std::string_view s) {
  const auto primo = s.find_first_not_of(" \t");
  if (primo == std::string_view::npos) return {};
  const auto ultimo = s.find_last_not_of(" \t");
  return s.substr(primo, ultimo - primo + 1);
}

std::string minuscole(std::string_view s) {
  std::string m(s);
  std::transform(m.begin(), m.end(), m.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return m;
}

// "[name]" for a section header line, in small letters; nothing otherwise.
std::optional<std::string> intestazione(std::string_view riga) {
  const std::string_view s = senza_spazi(riga);
  if (s.size() < 2 || s.front() != '[' || s.back() != ']') return std::nullopt;
  return minuscole(s);
}

std::optional<std::int32_t> intero(std::string_view testo) {
  std::int32_t valore = 0;
  const auto [fine, esito] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
  if (esito != std::errc() || fine != testo.data() + testo.size()) return std::nullopt;
  return valore;
}

// Reads the words after the file's; returns what is wrong, if anything.
std::optional<std::string> leggi_attributi(std::istringstream& parole, blocco_scenario& b) {
  std::string parola;
  while (parole >> parola) {
    const auto uguale = parola.find('=');
    const std::string nome = parola.substr(0, uguale);
    const std::string valore = uguale == std::string::npos ? "" : parola.substr(uguale + 1);
    if (parola == "completo") {
      b.completo = true;
    } else if (nome == "errore" && intero(valore)) {
      b.errore = intero(valore);
    } else if (nome == "posizione" && intero(valore)) {
      b.posizione = intero(valore);
    } else if (nome == "avviso" && !valore.empty()) {
      b.avviso = valore;
    } else {
      return "attributo non valido '" + parola + "'";
    }
  }
  if (b.completo && (b.errore || b.avviso)) return std::string("un file completo deve compilare pulito");
  if (b.errore && b.avviso) return std::string("errore e avviso insieme");
  if (b.posizione && !b.errore) return std::string("posizione senza errore");
  return std::nullopt;
}

}  // namespace

lettura_blocchi blocchi_scenario(std::string_view markdown, const std::string& documento) {
  lettura_blocchi letti;
  const std::vector<std::string> tutte = righe(markdown);
  for (std::size_t i = 0; i < tutte.size(); ++i) {
    if (!tutte[i].starts_with("```")) continue;
    std::istringstream parole(tutte[i].substr(3));
    std::string file;
    parole >> file;
    std::size_t chiusura = i + 1;
    while (chiusura < tutte.size() && senza_spazi(tutte[chiusura]) != "```") ++chiusura;
    if (file == "linea" || file == "treno") {
      blocco_scenario b;
      b.documento = documento;
      b.riga = static_cast<int>(i + 1);
      b.file = file == "linea" ? file_scenario::linea : file_scenario::treno;
      for (std::size_t r = i + 1; r < chiusura && r < tutte.size(); ++r) b.testo += tutte[r] + "\n";
      const auto sbagliato = leggi_attributi(parole, b);
      if (sbagliato) {
        letti.errori.push_back(documento + ":" + std::to_string(b.riga) + ": " + *sbagliato);
      } else if (chiusura >= tutte.size()) {
        letti.errori.push_back(documento + ":" + std::to_string(b.riga) + ": blocco non chiuso");
      } else {
        letti.blocchi.push_back(std::move(b));
      }
    }
    i = chiusura;
  }
  return letti;
}

std::string applica_estratto(std::string_view base, std::string_view estratto) {
  std::vector<std::string> file = righe(base);
  // The excerpt's lines by section, sections in the order they first appear.
  std::vector<std::pair<std::string, std::vector<std::string>>> gruppi;
  const auto gruppo_di = [&gruppi](const std::string& sezione) {
    auto gruppo = std::find_if(gruppi.begin(), gruppi.end(), [&](const auto& g) { return g.first == sezione; });
    return gruppo != gruppi.end() ? gruppo : gruppi.insert(gruppi.end(), {sezione, {}});
  };
  std::string sezione = "[generale]";
  for (const std::string& riga : righe(estratto)) {
    if (const auto nome = intestazione(riga)) {
      // A header alone still adds its section where the base lacks it.
      sezione = *nome;
      gruppo_di(sezione);
      continue;
    }
    gruppo_di(sezione)->second.push_back(riga);
  }
  for (const auto& gruppo : gruppi) {
    // Not a structured binding: clang before 16 cannot capture one in a lambda.
    const std::string& nome = gruppo.first;
    const std::vector<std::string>& aggiunte = gruppo.second;
    auto inizio = std::find_if(file.begin(), file.end(), [&](const std::string& r) { return intestazione(r) == nome; });
    std::vector<std::string>::iterator dove;
    std::vector<std::string> da_inserire = aggiunte;
    if (inizio != file.end()) {
      dove = std::find_if(inizio + 1, file.end(), [](const std::string& r) { return intestazione(r).has_value(); });
    } else {
      dove = std::find_if(file.begin(), file.end(), [](const std::string& r) { return intestazione(r) == "[fine]"; });
      da_inserire.insert(da_inserire.begin(), nome);
    }
    file.insert(dove, da_inserire.begin(), da_inserire.end());
  }
  std::string unito;
  for (const std::string& riga : file) unito += riga + "\r\n";
  return unito;
}

}  // namespace documentazione
