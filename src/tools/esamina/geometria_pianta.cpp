#include "tools/esamina/geometria_pianta.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace strumenti {
namespace {

// Distance of `p` from the segment a-b.
double distanza(const punto_linea& p, const punto_linea& a, const punto_linea& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lungo2 = dx * dx + dy * dy;
  double t = lungo2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lungo2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The turn from one step to the next, per metre: positive to the left.
double curvatura(const punto_linea& a, const punto_linea& b, const punto_linea& c) {
  const double x1 = b.x - a.x, y1 = b.y - a.y;
  const double x2 = c.x - b.x, y2 = c.y - b.y;
  const double lunghi = std::hypot(x1, y1) * std::hypot(x2, y2);
  return lunghi > 0 ? (x1 * y2 - y1 * x2) / lunghi : 0.0;
}

// The gentlest curve class turns 0.0001 per metre; rounding noise is far below.
constexpr double curvatura_minima = 1e-6;

bool stessa_curva(double k, double inizio) {
  return (k > 0) == (inizio > 0) && std::abs(k - inizio) <= std::abs(inizio) * 0.01;
}

}  // namespace

std::int32_t ultimo_metro(const formato::tracciato& punti, std::int32_t lunghezza_linea) {
  const std::int32_t calcolati = punti.assegnati - 1;
  return lunghezza_linea > 0 ? std::min(lunghezza_linea, calcolati) : calcolati;
}

std::vector<punto_linea> punti_della_linea(const formato::tracciato& punti, std::int32_t ultimo) {
  std::vector<punto_linea> linea;
  if (ultimo < 0) return linea;
  linea.reserve(static_cast<std::size_t>(ultimo) + 1);
  for (std::int32_t m = 0; m <= ultimo; ++m) {
    const auto i = static_cast<std::size_t>(m);
    linea.push_back({m, punti.x[i], punti.y[i]});
  }
  return linea;
}

std::vector<punto_linea> semplifica(const std::vector<punto_linea>& punti, double tolleranza) {
  if (punti.size() <= 2) return punti;
  std::vector<bool> tenuto(punti.size(), false);
  tenuto.front() = tenuto.back() = true;
  // An explicit stack: a million points would overflow the call stack.
  std::vector<std::pair<std::size_t, std::size_t>> da_fare{{0, punti.size() - 1}};
  while (!da_fare.empty()) {
    const auto [i, j] = da_fare.back();
    da_fare.pop_back();
    double lontano = -1;
    std::size_t dove = i;
    for (std::size_t k = i + 1; k < j; ++k) {
      const double d = distanza(punti[k], punti[i], punti[j]);
      if (d > lontano) {
        lontano = d;
        dove = k;
      }
    }
    if (lontano <= tolleranza) continue;
    tenuto[dove] = true;
    da_fare.emplace_back(i, dove);
    da_fare.emplace_back(dove, j);
  }
  std::vector<punto_linea> risultato;
  for (std::size_t k = 0; k < punti.size(); ++k) {
    if (tenuto[k]) risultato.push_back(punti[k]);
  }
  return risultato;
}

std::vector<curva_letta> curve_della_linea(const std::vector<punto_linea>& punti) {
  std::vector<curva_letta> curve;
  double inizio = 0, somma = 0;
  std::int32_t passi = 0;
  const auto chiudi = [&](std::int32_t fine) {
    if (passi == 0) return;
    curve.push_back({fine - passi, fine, passi / std::abs(somma), somma > 0});
    passi = 0;
    somma = 0;
  };
  for (std::size_t m = 2; m < punti.size(); ++m) {
    const double k = curvatura(punti[m - 2], punti[m - 1], punti[m]);
    if (passi > 0 && !(std::abs(k) > curvatura_minima && stessa_curva(k, inizio))) chiudi(punti[m - 1].metro);
    if (std::abs(k) <= curvatura_minima) continue;
    if (passi == 0) inizio = k;
    somma += k;
    ++passi;
  }
  if (!punti.empty()) chiudi(punti.back().metro);
  return curve;
}

}  // namespace strumenti
