#include "platform/file_system_windows.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "platform/cartella_riservata.h"
#include "platform/piattaforma.h"
#include "platform/testo_windows.h"

namespace piattaforma {
namespace {

// The name goes in the esito once; the reason is the system's alone.
esito errore_di_sistema(const std::string& percorso, DWORD codice = ::GetLastError()) {
  if (codice == ERROR_FILE_NOT_FOUND || codice == ERROR_PATH_NOT_FOUND) {
    return esito::non_trovato(percorso, ragione_di_sistema(codice));
  }
  if (codice == ERROR_FILE_EXISTS || codice == ERROR_ALREADY_EXISTS) {
    return esito::esistente(percorso, ragione_di_sistema(codice));
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
  return leggi_al_massimo(percorso, contenuto, std::numeric_limits<std::size_t>::max());
}

esito file_system_windows::leggi_al_massimo(const std::string& percorso, std::string& contenuto, std::size_t massimo) {
  const std::wstring largo = in_largo(percorso);
  // A folder cannot be opened as a file: say what it is rather than "access denied".
  const DWORD attributi = ::GetFileAttributesW(largo.c_str());
  if (attributi != INVALID_FILE_ATTRIBUTES && (attributi & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return esito::errore(percorso, ragione_non_regolare(genere_file::cartella));
  }
  maniglia file(::CreateFileW(largo.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valida()) return errore_di_sistema(percorso);
  // A pipe or a device (CON, NUL, COM1) would be read for ever, or wait.
  const DWORD tipo = ::GetFileType(file.get());
  if (tipo != FILE_TYPE_DISK) {
    return esito::errore(percorso,
                         ragione_non_regolare(tipo == FILE_TYPE_PIPE ? genere_file::fifo : genere_file::dispositivo));
  }
  LARGE_INTEGER dimensione{};
  if (!::GetFileSizeEx(file.get(), &dimensione)) return errore_di_sistema(percorso);
  const auto byte = static_cast<std::uintmax_t>(dimensione.QuadPart);
  if (byte > massimo) return esito::errore(percorso, ragione_troppo_grande(byte, massimo));
  contenuto.clear();
  char blocco[65536];
  for (;;) {
    DWORD letti = 0;
    if (!::ReadFile(file.get(), blocco, sizeof blocco, &letti, nullptr)) return errore_di_sistema(percorso);
    if (letti == 0) break;
    contenuto.append(blocco, letti);
    // A file that grows while it is read.
    if (contenuto.size() > massimo) return esito::errore(percorso, ragione_troppo_grande(contenuto.size(), massimo));
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
  // New or nothing: whatever is at the path, a link included, is never
  // opened, followed or truncated.
  maniglia file(::CreateFileW(in_largo(percorso).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
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

genere_file file_system_windows::genere(const std::string& percorso) {
  const DWORD attributi = ::GetFileAttributesW(in_largo(percorso).c_str());
  // A path that cannot be looked at holds nothing this run knows of; writing there will say why.
  if (attributi == INVALID_FILE_ATTRIBUTES) return genere_file::assente;
  // A link to a folder is a folder too: the link is what is there.
  if ((attributi & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return genere_file::collegamento;
  if ((attributi & FILE_ATTRIBUTE_DIRECTORY) != 0) return genere_file::cartella;
  return genere_file::regolare;
}

esito file_system_windows::elenca(const std::string& cartella, std::vector<std::string>& nomi) {
  WIN32_FIND_DATAW voce{};
  HANDLE ricerca = ::FindFirstFileW(in_largo(unisci_percorso(cartella, "*")).c_str(), &voce);
  if (ricerca == INVALID_HANDLE_VALUE) return errore_di_sistema(cartella);
  nomi.clear();
  do {
    const std::wstring_view nome(voce.cFileName);
    if (nome == L"." || nome == L"..") continue;
    try {
      nomi.push_back(da_largo(nome));
    } catch (const std::runtime_error&) {
      // A name with no ANSI form is none of this system's files.
    }
  } while (::FindNextFileW(ricerca, &voce));
  const DWORD codice = ::GetLastError();
  ::FindClose(ricerca);
  if (codice != ERROR_NO_MORE_FILES) return errore_di_sistema(cartella, codice);
  return esito::ok();
}

namespace {

// The volume and the file's index: what tells one file from another, whatever the path.
bool identita(const std::string& percorso, BY_HANDLE_FILE_INFORMATION& info) {
  maniglia file(::CreateFileW(in_largo(percorso).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file.valida() && ::GetFileInformationByHandle(file.get(), &info);
}

class blocco_windows : public blocco_cartella {
 public:
  explicit blocco_windows(HANDLE h) : file_(h) {}

 private:
  maniglia file_;  // closing it deletes the lock file
};

}  // namespace

bool file_system_windows::stesso_file(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION info_a{};
  BY_HANDLE_FILE_INFORMATION info_b{};
  if (identita(a, info_a) && identita(b, info_b)) {
    return info_a.dwVolumeSerialNumber == info_b.dwVolumeSerialNumber &&
           info_a.nFileIndexHigh == info_b.nFileIndexHigh && info_a.nFileIndexLow == info_b.nFileIndexLow;
  }
  return stesso_percorso(a, b);
}

esito file_system_windows::blocca(const std::string& cartella, std::chrono::milliseconds attesa,
                                  std::unique_ptr<blocco_cartella>& blocco) {
  blocco.reset();
  const std::wstring percorso = in_largo(unisci_percorso(cartella, nome_file_blocco));
  const auto scadenza = std::chrono::steady_clock::now() + attesa;
  DWORD pausa = 2;
  for (;;) {
    // Shared with nobody: a second run's open fails until this handle closes.
    HANDLE h = ::CreateFileW(percorso.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      blocco = std::make_unique<blocco_windows>(h);
      return esito::ok();
    }
    const DWORD codice = ::GetLastError();
    // Held, or let go a moment ago and still being deleted (access denied
    // while the file is there); any other failure means the folder takes no
    // lock file, and the run goes on without.
    const bool tenuta =
        codice == ERROR_SHARING_VIOLATION ||
        (codice == ERROR_ACCESS_DENIED && (::GetFileAttributesW(percorso.c_str()) != INVALID_FILE_ATTRIBUTES ||
                                           ::GetLastError() == ERROR_ACCESS_DENIED));
    if (!tenuta) return esito::ok();
    if (std::chrono::steady_clock::now() >= scadenza) {
      return esito::errore(cartella, ragione_cartella_occupata(attesa));
    }
    // Short at first, since a run takes a few milliseconds; never long, so a waiting run starts soon after.
    ::Sleep(pausa);
    pausa = std::min<DWORD>(pausa * 2, 50);
  }
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
