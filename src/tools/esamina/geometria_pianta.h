#pragma once

#include <cstdint>
#include <vector>

#include "formato/strutture.h"

namespace strumenti {

struct punto_linea {
  std::int32_t metro = 0;
  double x = 0.0;
  double y = 0.0;
};

// A stretch where the geometry turns at a steady rate, as a curve entry builds it.
struct curva_letta {
  std::int32_t da = 0;  // the last point before the turn
  std::int32_t a = 0;   // the last point of the turn
  double raggio = 0.0;  // metres
  bool sinistra = false;
};

// The last metre of the line itself, not of the 7000 m the geometry runs on
// past its end; the last computed point when the line length is unknown.
std::int32_t ultimo_metro(const formato::tracciato& punti, std::int32_t lunghezza_linea);

// The track from metre 0 to `ultimo`, one point a metre.
std::vector<punto_linea> punti_della_linea(const formato::tracciato& punti, std::int32_t ultimo);

// The fewest of `punti` that keep every dropped point within `tolleranza`
// metres of the polyline (Douglas-Peucker); the first and last always stay.
std::vector<punto_linea> semplifica(const std::vector<punto_linea>& punti, double tolleranza);

// The curves, read back from how the heading turns from metre to metre.
std::vector<curva_letta> curve_della_linea(const std::vector<punto_linea>& punti);

}  // namespace strumenti
