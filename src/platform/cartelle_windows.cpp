#include <windows.h>

#include "platform/file_system_windows.h"
#include "platform/testo_windows.h"

namespace piattaforma {
namespace {

bool separatore_windows(char c) { return c == '\\' || c == '/'; }

esito errore_di_sistema(const std::string& percorso, DWORD codice = ::GetLastError()) {
  if (codice == ERROR_FILE_NOT_FOUND || codice == ERROR_PATH_NOT_FOUND) {
    return esito::non_trovato(percorso, ragione_di_sistema(codice));
  }
  return esito::errore(percorso, ragione_di_sistema(codice));
}

// The folder that holds `percorso`, or the same path when there is none above it.
std::string cartella_sopra(std::string percorso) {
  while (percorso.size() > 1 && separatore_windows(percorso.back())) percorso.pop_back();
  std::size_t ultima = percorso.size();
  while (ultima > 0 && !separatore_windows(percorso[ultima - 1])) --ultima;
  if (ultima == 0) return ".";
  if (ultima == 1 || (ultima == 3 && percorso[1] == ':')) return percorso.substr(0, ultima);
  return percorso.substr(0, ultima - 1);
}

}  // namespace

esito file_system_windows::cartella_scrivibile(const std::string& percorso) {
  std::string cartella = percorso.empty() ? std::string(".") : percorso;
  for (;;) {
    const DWORD attributi = ::GetFileAttributesW(in_largo(cartella).c_str());
    if (attributi != INVALID_FILE_ATTRIBUTES) {
      if ((attributi & FILE_ATTRIBUTE_DIRECTORY) == 0) return esito::errore(cartella, "non e' una cartella");
      // Windows tells whether a file can be made only by making one: this one
      // is gone when its handle closes, and nobody else can open it meanwhile.
      const std::string prova = cartella + "\\compila_scenario_prova_scrittura.tmp";
      const HANDLE h = ::CreateFileW(in_largo(prova).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
      if (h == INVALID_HANDLE_VALUE) {
        const DWORD codice = ::GetLastError();
        // One left by another run means the folder takes files.
        if (codice == ERROR_FILE_EXISTS) return esito::ok();
        return errore_di_sistema(cartella, codice);
      }
      ::CloseHandle(h);
      return esito::ok();
    }
    const DWORD codice = ::GetLastError();
    if (codice != ERROR_FILE_NOT_FOUND && codice != ERROR_PATH_NOT_FOUND) return errore_di_sistema(cartella, codice);
    const std::string sopra = cartella_sopra(cartella);
    if (sopra == cartella) return errore_di_sistema(cartella, codice);
    cartella = sopra;
  }
}

}  // namespace piattaforma
