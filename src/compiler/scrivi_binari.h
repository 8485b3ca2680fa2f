#pragma once

#include <string>

#include "compiler/modello.h"

namespace compilatore {

// The three files the simulator loads, each built whole in memory: packed
// little-endian records, no header, no padding.
std::string contenuto_tracciato(const tracciato& punti);         // <base>_linea.dat
std::string contenuto_tabella(const std::array<voce, voci_tabella>& tabella);  // <base>_<treno>.sim
std::string contenuto_celle(const std::vector<cella>& celle);    // <base>_<treno>.dat

inline constexpr std::size_t byte_cella = 15;
inline constexpr std::size_t byte_voce_senza_nome = 34;

}  // namespace compilatore

#include "platform/file_system.h"

namespace compilatore {

// Where the compiled scenario goes.
struct file_binari {
  std::string tracciato;  // written only when the model has a geometry
  std::string tabella;
  std::string celle;
};

// Writes the geometry (when built), the table and the cell grid, in that
// order, each by the safe replace; stops at the first failure.
piattaforma::esito scrivi_compilato(piattaforma::file_system& fs, const file_binari& file, const modello& m);

}  // namespace compilatore
