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
