#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"

namespace compilatore::lettura {
namespace {

// Past this many points the geometry is refused, whatever the line length.
constexpr std::int64_t punti_massimi = 1000000;

// Point q from the two before it, turning the heading by k. Each sum is
// evaluated left to right as written and never fused, so the file is bit-exact.
void punto(tracciato& t, std::int64_t q, double k) {
  const auto i = static_cast<std::size_t>(q);
  const double dx = t.x[i - 1] - t.x[i - 2];
  const double dy = t.y[i - 1] - t.y[i - 2];
  const double x = t.x[i - 1] + dx;
  const double y = t.y[i - 1] + dy;
  t.x[i] = x + k * dy;
  t.y[i] = y - k * dx;
  t.assegnati = static_cast<std::int32_t>(q + 1);
}

void punto_rettilineo(tracciato& t, std::int64_t q) {
  const auto i = static_cast<std::size_t>(q);
  const double dx = t.x[i - 1] - t.x[i - 2];
  const double dy = t.y[i - 1] - t.y[i - 2];
  t.x[i] = t.x[i - 1] + dx;
  t.y[i] = t.y[i - 1] + dy;
  t.assegnati = static_cast<std::int32_t>(q + 1);
}

}  // namespace

std::int32_t estendi_curva(modello& m, std::int64_t& q, std::int32_t p, std::int32_t n, double k) {
  // The caller has checked that p + n stays inside the geometry.
  while (q <= p) {
    punto_rettilineo(m.punti, q);
    ++q;
    if (q > punti_massimi) return errore::curva_non_valida;
  }
  while (q <= std::int64_t{p} + n) {
    punto(m.punti, q, k);
    ++q;
    if (q > punti_massimi) return errore::curva_non_valida;
  }
  return 0;
}

void estendi_rettilineo(modello& m, std::int64_t& q, std::int64_t ultimo) {
  while (q <= ultimo) {
    punto_rettilineo(m.punti, q);
    ++q;
  }
}

}  // namespace compilatore::lettura
