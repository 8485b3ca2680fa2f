#include "platform/file_system_memoria.h"

namespace piattaforma {

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

esito file_system_memoria::crea_cartella(const std::string& percorso) {
  if (file.contains(percorso)) {
    return esito::errore(percorso, "esiste gia' un file con questo nome");
  }
  cartelle.insert(percorso);
  return esito::ok();
}

}  // namespace piattaforma
