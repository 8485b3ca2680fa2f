#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace piattaforma {

// Everything the run asks of the operating system, behind one interface.
class sistema {
 public:
  virtual ~sistema() = default;

  // The directory of the running executable, without a trailing separator.
  virtual std::string cartella_programma() = 0;
  // The running executable's own file: an installer reads its scenario from it.
  virtual std::string percorso_programma() = 0;
  virtual file_system& file() = 0;
  // The wait window: shown without waiting and painted once; it takes no input.
  virtual void mostra_attesa(std::string_view testo) = 0;
  virtual void chiudi_attesa() = 0;
  // A modal box with a single OK button and the program's title.
  virtual void messaggio(std::string_view titolo, std::string_view testo) = 0;
};

// The platform's own path separator.
#ifdef _WIN32
inline constexpr char separatore = '\\';
#else
inline constexpr char separatore = '/';
#endif

inline std::string unisci_percorso(std::string_view cartella, std::string_view nome) {
  std::string percorso(cartella);
  percorso += separatore;
  percorso += nome;
  return percorso;
}

// The folder `percorso` is in, as written: after the last separator of
// either kind; "." for a bare name.
inline std::string cartella_di(std::string_view percorso) {
  const std::size_t ultimo = percorso.find_last_of(std::string("/") + separatore);
  if (ultimo == std::string_view::npos) return ".";
  // "/name" lives in the root.
  return std::string(percorso.substr(0, ultimo == 0 ? 1 : ultimo));
}

// The real operating system.
sistema& sistema_reale();

}  // namespace piattaforma
