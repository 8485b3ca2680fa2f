#pragma once

#include <cstdint>
#include <string>

namespace genera_linea {

// A made-up scenario of a chosen length, for measuring the compiler at scale.
struct scenario_prova {
  std::string linea;  // line description, CR LF text from "[generale]" to "[fine]"
  std::string treno;  // service description
};

inline constexpr std::int32_t lunghezza_minima = 10000;

// Writes a scenario with the density of a real line: a curve every few km,
// gradients, speed boards every 2 to 5 km, signals every 1.5 to 2 km, stations
// every 5 to 8 km while the table has room for them (stations and kilometre
// boards share 78 entries, so long lines get sparser stations), a tunnel every
// 25 km and a slowdown every 50 km. Events keep two free cells on each side,
// so the grid post-processing always finds room. The same length always gives
// the same bytes. Throws std::invalid_argument outside lunghezza_minima to
// 1000000 m.
scenario_prova genera(std::int32_t lunghezza);

}  // namespace genera_linea
