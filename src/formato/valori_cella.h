#pragma once

#include <cstdint>

#include "formato/strutture.h"

// How a signal's and a speed board's values are packed into their cell, and
// taken apart again, side by side: the compiler packs, the tools unpack.

namespace formato {

// Narrow fields that are not converted take the low bits of the value.
inline std::int16_t bassi_16(std::int64_t valore) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(valore));
}
inline std::uint8_t bassi_8(std::int64_t valore) { return static_cast<std::uint8_t>(valore); }

// A signal's values, named as the service description names them.
struct valori_segnale {
  std::int32_t sx = 0;
  std::int32_t s1 = 0;
  std::int32_t s2 = 0;
  std::int32_t s3 = 0;
  std::int32_t rapp = 0;
  std::int32_t dx = 0;
  std::int32_t d1 = 0;
  std::int32_t d2 = 0;
  std::int32_t d3 = 0;
  std::int32_t tempo = 0;
};

// Makes `c` a signal: dato1 to dato3 = s1 x 10 + d1 to s3 x 10 + d3, dato4 =
// rapp x 10 + sx x 3 + dx, tempo_segnale = the time when sx is 2 (a time of 1
// to 100 raised to 101), else 0. Each in the low bits of its field.
void impacchetta_segnale(const valori_segnale& v, cella& c);
// The values of a signal cell, `tempo` as stored. Exact for the digits the
// simulator reads: none negative, d1 to d3 below 10, dx below 3, sx x 3 + dx
// below 10.
valori_segnale spacchetta_segnale(const cella& c);
// The approach code of the k-th marked cell (k = 1 to 4) ahead of a signal.
std::uint8_t preavviso_segnale(std::int32_t sx, std::int32_t dx, std::int32_t k);
// The approach code of the k-th cell (k = 1 to 4) ahead of a station stop.
std::uint8_t preavviso_fermata(std::int32_t k);

// A speed board's values, named as the line description names them: the
// speeds in km/h on the left (..s) and right (..d), and the stripes.
struct valori_indicatore {
  std::int32_t vas = 0;
  std::int32_t vbs = 0;
  std::int32_t vcs = 0;
  std::int32_t strisces = 0;
  std::int32_t vad = 0;
  std::int32_t vbd = 0;
  std::int32_t vcd = 0;
  std::int32_t strisced = 0;
};

// Makes `c` a speed board: dato1 to dato3 = the right speed / 5 + the left
// speed x 20, rounded; dato4 = strisces x 10 + strisced, in its low bits.
// False, and `c` unchanged, when a rounded speed does not fit its 16 bits.
bool impacchetta_indicatore(const valori_indicatore& v, cella& c);
// The values of a speed-board cell. Exact for speeds that are non-negative
// multiples of 5 km/h, the right ones below 500, and stripes below 10.
valori_indicatore spacchetta_indicatore(const cella& c);

}  // namespace formato
