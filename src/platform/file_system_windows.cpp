#include "platform/file_system_windows.h"

#include <windows.h>

#include <algorithm>

#include "platform/testo_windows.h"

namespace piattaforma {
namespace {

// The name goes in the esito once; the reason is the system's alone.
esito errore_di_sistema(const std::string& percorso, DWORD codice = ::GetLastError()) {
  if (codice == ERROR_FILE_NOT_FOUND || codice == ERROR_PATH_NOT_FOUND) {
    return esito::non_trovato(percorso, ragione_di_sistema(codice));
  }
  return esito::errore(percorso, ragione_di_sistema(codice));
}

// Closes the handle on every way out; the write path closes it itself to check the result.
class maniglia {
 public:
  explicit maniglia(HANDLE h) : h_(h) {}
  ~maniglia() {
    if (valida()) ::CloseHandle(h_);
  }
  maniglia(const maniglia&) = delete;
  maniglia& operator=(const maniglia&) = delete;

  bool valida() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  BOOL chiudi() {
    const BOOL chiuso = ::CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return chiuso;
  }

 private:
  HANDLE h_;
};

// ReadFile and WriteFile take a DWORD count; larger contents go in pieces.
constexpr std::size_t blocco_massimo = 1u << 30;

}  // namespace

bool file_system_windows::esiste(const std::string& percorso) {
  return ::GetFileAttributesW(in_largo(percorso).c_str()) != INVALID_FILE_ATTRIBUTES;
}

esito file_system_windows::leggi(const std::string& percorso, std::string& contenuto) {
  maniglia file(::CreateFileW(in_largo(percorso).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valida()) return errore_di_sistema(percorso);
  contenuto.clear();
  char blocco[65536];
  for (;;) {
    DWORD letti = 0;
    if (!::ReadFile(file.get(), blocco, sizeof blocco, &letti, nullptr)) return errore_di_sistema(percorso);
    if (letti == 0) break;
    contenuto.append(blocco, letti);
  }
  return esito::ok();
}

namespace {

// Writes all of `dati`; false with the error left in GetLastError.
bool scrivi_tutto(HANDLE file, std::string_view dati) {
  while (!dati.empty()) {
    const auto pezzo = static_cast<DWORD>(std::min(dati.size(), blocco_massimo));
    DWORD scritti = 0;
    if (!::WriteFile(file, dati.data(), pezzo, &scritti, nullptr)) return false;
    if (scritti == 0) {
      // No progress and no error: the device took nothing; report it rather than spin.
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    dati.remove_prefix(scritti);
  }
  return true;
}

}  // namespace

esito file_system_windows::scrivi(const std::string& percorso, std::string_view contenuto) {
  pezzo_unico pezzo(contenuto);
  return file_system_windows::scrivi_a_pezzi(percorso, pezzo);
}

// Each piece goes straight to the file: a large file is never held whole.
esito file_system_windows::scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) {
  maniglia file(::CreateFileW(in_largo(percorso).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valida()) return errore_di_sistema(percorso);
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    if (!scrivi_tutto(file.get(), pezzo)) return errore_di_sistema(percorso);
  }
  if (!file.chiudi()) return errore_di_sistema(percorso);
  return esito::ok();
}

esito file_system_windows::rinomina(const std::string& da, const std::string& a) {
  if (!::MoveFileExW(in_largo(da).c_str(), in_largo(a).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return errore_di_sistema(a);
  }
  return esito::ok();
}

esito file_system_windows::elimina(const std::string& percorso) {
  if (!::DeleteFileW(in_largo(percorso).c_str())) return errore_di_sistema(percorso);
  return esito::ok();
}

namespace {

bool e_cartella(const std::string& percorso) {
  const DWORD attributi = ::GetFileAttributesW(in_largo(percorso).c_str());
  return attributi != INVALID_FILE_ATTRIBUTES && (attributi & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Where the folders that may need making begin: after a share's name
// (\\server\share), which cannot be made, else after the first character.
std::size_t primo_separatore(const std::string& percorso) {
  constexpr const char* separatori = "\\/";
  const bool condivisa =
      percorso.size() > 1 && percorso.find_first_of(separatori) == 0 && percorso.find_first_of(separatori, 1) == 1;
  if (!condivisa) return percorso.find_first_of(separatori, 1);
  const std::size_t dopo_server = percorso.find_first_of(separatori, 2);
  if (dopo_server == std::string::npos) return std::string::npos;
  return percorso.find_first_of(separatori, dopo_server + 1);
}

}  // namespace

// Each folder on the way down; a drive ("C:") already exists and is passed
// over. The first folder that cannot be made is the one the failure names.
esito file_system_windows::crea_cartella(const std::string& percorso) {
  for (std::size_t fine = primo_separatore(percorso);; fine = percorso.find_first_of("\\/", fine + 1)) {
    const std::string parte = percorso.substr(0, fine);
    if (!e_cartella(parte) && !::CreateDirectoryW(in_largo(parte).c_str(), nullptr)) {
      const DWORD codice = ::GetLastError();
      if (codice != ERROR_ALREADY_EXISTS) return errore_di_sistema(parte, codice);
      if (!e_cartella(parte)) return esito::errore(parte, ragione_di_sistema(ERROR_DIRECTORY));
    }
    if (fine == std::string::npos) return esito::ok();
  }
}

}  // namespace piattaforma
