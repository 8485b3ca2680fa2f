#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/file_system_windows.h"
#include "platform/finestra_attesa_windows.h"
#include "platform/piattaforma.h"
#include "platform/testo_windows.h"

namespace piattaforma {
namespace {

std::wstring percorso_eseguibile() {
  // Long paths exceed MAX_PATH: grow the buffer until the name fits.
  std::wstring percorso(MAX_PATH, L'\0');
  for (;;) {
    const DWORD lunghezza = ::GetModuleFileNameW(nullptr, percorso.data(), static_cast<DWORD>(percorso.size()));
    if (lunghezza == 0) {
      throw std::runtime_error("GetModuleFileNameW: " + ragione_di_sistema(::GetLastError()));
    }
    if (lunghezza < percorso.size()) {
      percorso.resize(lunghezza);
      return percorso;
    }
    percorso.resize(percorso.size() * 2);
  }
}

// A GUI program has no console: when no box can be shown, the text goes to
// the standard error handle if the program was given one.
void scrivi_su_errore_standard(const std::string& testo) {
  HANDLE errore = ::GetStdHandle(STD_ERROR_HANDLE);
  if (errore == nullptr || errore == INVALID_HANDLE_VALUE) return;
  DWORD scritti = 0;
  ::WriteFile(errore, testo.data(), static_cast<DWORD>(testo.size()), &scritti, nullptr);
}

class sistema_windows : public sistema {
 public:
  std::string cartella_programma() override {
    const std::wstring eseguibile = percorso_eseguibile();
    return da_largo(std::wstring_view(eseguibile).substr(0, eseguibile.rfind(L'\\')));
  }

  std::string percorso_programma() override { return da_largo(percorso_eseguibile()); }

  file_system& file() override { return file_; }

  void mostra_attesa(std::string_view testo) override { attesa_.mostra(testo); }

  void chiudi_attesa() override { attesa_.chiudi(); }

  void messaggio(std::string_view titolo, std::string_view testo) override {
    const int risposta =
        ::MessageBoxW(attesa_.finestra(), in_largo(testo).c_str(), in_largo(titolo).c_str(), MB_OK);
    // An OK-only box answers IDOK however it is closed; anything else (0 on
    // Windows, -1 under Wine without a display) means no box was shown.
    if (risposta != IDOK) {
      scrivi_su_errore_standard(std::string(titolo) + ": " + std::string(testo) + "\r\n");
    }
  }

 private:
  file_system_windows file_;
  finestra_attesa attesa_;
};

}  // namespace

sistema& sistema_reale() {
  static sistema_windows sistema;
  return sistema;
}

}  // namespace piattaforma
