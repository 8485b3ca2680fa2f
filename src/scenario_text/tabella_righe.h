#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/esito.h"
#include "platform/file_system.h"

namespace testo_scenario {

// The fixed table that every text writer fills before writing: 1001 slots,
// its lines from slot 0 upward and the end marker in the slot after the last.
class tabella_righe {
 public:
  static constexpr std::size_t posti = 1001;
  static constexpr std::string_view fine_file = "riferimento fine del file";

  tabella_righe();

  // Puts `riga` in the next slot and moves the end marker after it.
  void aggiungi(std::string riga);
  std::size_t righe() const { return righe_; }

  // The file's bytes: every slot up to the end marker, each followed by CR LF.
  std::string contenuto() const;

 private:
  std::array<std::string, posti> posto_;
  std::size_t righe_ = 0;
};

// Writes the table to `percorso` by the safe replace.
piattaforma::esito scrivi_tabella(piattaforma::file_system& fs, const std::string& percorso,
                                  const tabella_righe& tabella);

}  // namespace testo_scenario
