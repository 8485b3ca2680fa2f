#pragma once

#include <cstddef>
#include <cstdint>

#include "formato/campi.h"
#include "formato/voci.h"

// How big the compiled files of a line are, from its length: what a reader
// checks a file against, and the most that any compiled file can be.
namespace formato {

inline constexpr std::int32_t lunghezza_massima = 1000000;
inline constexpr std::int32_t estensione_linea = 7000;  // the grid and geometry run on past the line's end
inline constexpr std::int32_t metri_cella = 50;

// The index of the last cell of a line of `lunghezza` m (0 to
// lunghezza_massima): (lunghezza + 7000) / 50 rounded, ties to even, in
// whole numbers so that the limits below are constants.
constexpr std::int32_t ultima_cella(std::int32_t lunghezza) {
  const std::int32_t estesa = lunghezza + estensione_linea;
  const std::int32_t quoto = estesa / metri_cella;
  const std::int32_t resto = estesa % metri_cella;
  const bool su = 2 * resto > metri_cella || (2 * resto == metri_cella && quoto % 2 != 0);
  return su ? quoto + 1 : quoto;
}

// Cells in the cell file, and geometry points (elements of each coordinate).
constexpr std::size_t celle_della_linea(std::int32_t lunghezza) {
  return static_cast<std::size_t>(ultima_cella(lunghezza)) + 1;
}
constexpr std::size_t punti_della_linea(std::int32_t lunghezza) {
  return static_cast<std::size_t>(lunghezza) + estensione_linea + 1;
}

// The largest element of the geometry file: a type code and a double.
inline constexpr std::size_t byte_elemento_massimo = 10;

// The most each file can hold: the longest line's, and 87 records of the
// longest texts. A larger file is not a compiled scenario and is not read.
inline constexpr std::size_t byte_massimi_tabella = voci_tabella * (byte_voce_senza_nome + 0xFFFF);
inline constexpr std::size_t byte_massimi_celle = celle_della_linea(lunghezza_massima) * byte_cella;
inline constexpr std::size_t byte_massimi_tracciato = 2 * punti_della_linea(lunghezza_massima) * byte_elemento_massimo;

}  // namespace formato
