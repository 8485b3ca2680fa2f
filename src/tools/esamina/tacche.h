#pragma once

#include <vector>

namespace strumenti {

// The round step (1, 2 or 5 times a power of ten) that puts at most
// `massimo` ticks on `intervallo`.
double passo_tondo(double intervallo, int massimo);

// The whole multiples of `passo` in [da, a].
std::vector<double> multipli(double da, double a, double passo);

}  // namespace strumenti
