#include "platform/file_system_memoria.h"

#include "platform/cartella_riservata.h"
#include "platform/piattaforma.h"

namespace piattaforma {
namespace {

class blocco_memoria : public blocco_cartella {
 public:
  blocco_memoria(std::map<std::string, int>& tenute, std::string cartella)
      : tenute_(tenute), cartella_(std::move(cartella)) {
    ++tenute_[cartella_];
  }
  ~blocco_memoria() override {
    if (--tenute_[cartella_] == 0) tenute_.erase(cartella_);
  }
  blocco_memoria(const blocco_memoria&) = delete;
  blocco_memoria& operator=(const blocco_memoria&) = delete;

 private:
  std::map<std::string, int>& tenute_;
  std::string cartella_;
};

// The rest of `percorso` after `cartella` and a separator, either kind; none
// when the path is not in the folder.
std::optional<std::string_view> dentro(std::string_view percorso, std::string_view cartella) {
  if (percorso.size() <= cartella.size() + 1 || !percorso.starts_with(cartella)) return std::nullopt;
  const char dopo = percorso[cartella.size()];
  if (dopo != '/' && dopo != separatore) return std::nullopt;
  return percorso.substr(cartella.size() + 1);
}

}  // namespace

bool file_system_memoria::esiste(const std::string& percorso) { return file.contains(percorso); }

esito file_system_memoria::leggi(const std::string& percorso, std::string& contenuto) {
  const auto trovato = file.find(percorso);
  if (trovato == file.end()) {
    return esito::non_trovato(percorso, "file non trovato");
  }
  contenuto = trovato->second;
  return esito::ok();
}

esito file_system_memoria::scrivi(const std::string& percorso, std::string_view contenuto) {
  if (file.contains(percorso)) return esito::esistente(percorso, "il file esiste gi\xE0");
  file[percorso] = std::string(contenuto);
  return esito::ok();
}

esito file_system_memoria::rinomina(const std::string& da, const std::string& a) {
  const auto trovato = file.find(da);
  if (trovato == file.end()) {
    return esito::non_trovato(da, "file non trovato");
  }
  std::string contenuto = std::move(trovato->second);
  file.erase(trovato);
  file[a] = std::move(contenuto);
  // The mark goes with the file, as a file's mode does.
  eseguibili.erase(a);
  if (eseguibili.erase(da) != 0) eseguibili.insert(a);
  return esito::ok();
}

esito file_system_memoria::elimina(const std::string& percorso) {
  if (file.erase(percorso) == 0) {
    return esito::non_trovato(percorso, "file non trovato");
  }
  eseguibili.erase(percorso);
  return esito::ok();
}

esito file_system_memoria::rendi_eseguibile(const std::string& percorso) {
  if (!file.contains(percorso)) {
    return esito::errore(percorso, "file non trovato");
  }
  eseguibili.insert(percorso);
  return esito::ok();
}

genere_file file_system_memoria::genere(const std::string& percorso) {
  if (file.contains(percorso)) return genere_file::regolare;
  if (cartelle.contains(percorso)) return genere_file::cartella;
  for (const auto& [p, contenuto] : file) {
    if (dentro(p, percorso)) return genere_file::cartella;
  }
  return genere_file::assente;
}

esito file_system_memoria::elenca(const std::string& cartella, std::vector<std::string>& nomi) {
  std::set<std::string> trovati;
  for (const auto& [p, contenuto] : file) {
    const auto resto = dentro(p, cartella);
    if (resto) trovati.emplace(resto->substr(0, resto->find_first_of(std::string("/") + separatore)));
  }
  if (trovati.empty()) return esito::non_trovato(cartella, "cartella non trovata");
  nomi.assign(trovati.begin(), trovati.end());
  return esito::ok();
}

bool file_system_memoria::stesso_file(const std::string& a, const std::string& b) { return stesso_percorso(a, b); }

esito file_system_memoria::blocca(const std::string& cartella, std::chrono::milliseconds attesa,
                                  std::unique_ptr<blocco_cartella>& blocco) {
  if (occupate.contains(cartella)) return esito::errore(cartella, ragione_cartella_occupata(attesa));
  blocco = std::make_unique<blocco_memoria>(tenute, cartella);
  return esito::ok();
}

esito file_system_memoria::crea_cartella(const std::string& percorso) {
  if (file.contains(percorso)) {
    return esito::errore(percorso, "esiste gia' un file con questo nome");
  }
  if (sola_lettura.contains(percorso)) return esito::errore(percorso, "permesso negato");
  cartelle.insert(percorso);
  return esito::ok();
}

esito file_system_memoria::cartella_scrivibile(const std::string& percorso) {
  if (file.contains(percorso)) return esito::errore(percorso, "non e' una cartella");
  if (sola_lettura.contains(percorso)) return esito::errore(percorso, "permesso negato");
  return esito::ok();
}

}  // namespace piattaforma
