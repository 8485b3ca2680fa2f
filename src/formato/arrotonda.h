#pragma once

#include <cmath>

namespace formato {

// Every real-to-integer conversion of the compiler and of the values it packs
// into cells rounds to the nearest integer, ties to even (2.5 gives 2, 3.5
// gives 4). std::nearbyint does so in the default rounding mode, which the
// program never changes.
inline double arrotonda(double valore) { return std::nearbyint(valore); }

}  // namespace formato
