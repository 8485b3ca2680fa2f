#include "tools/esamina/tacche.h"

#include <algorithm>
#include <cmath>

namespace strumenti {

double passo_tondo(double intervallo, int massimo) {
  const double grezzo = std::abs(intervallo) / std::max(massimo, 1);
  if (!(grezzo > 0) || !std::isfinite(grezzo)) return 1.0;
  const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
  for (const double f : {1.0, 2.0, 5.0, 10.0}) {
    if (f * potenza >= grezzo * (1 - 1e-9)) return f * potenza;
  }
  return 10 * potenza;
}

std::vector<double> multipli(double da, double a, double passo) {
  std::vector<double> valori;
  if (!(passo > 0)) return valori;
  const double margine = passo * 1e-9;  // 0.1 x 3 is not quite 0.3
  for (double k = std::ceil((da - margine) / passo); k * passo <= a + margine; ++k) {
    valori.push_back(k * passo == 0 ? 0.0 : k * passo);
  }
  return valori;
}

}  // namespace strumenti
