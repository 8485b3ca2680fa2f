#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

// The heading turns by k each metre of a curve; these are the curvatures
// of classes 1 to 6, negative for a curve to the left.
constexpr std::array<double, 6> curvature = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
constexpr int rettilineo = 0;

bool uguale(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Point m from the two before it, as the compile computes it: the step
// before, turned by k, the sums in this order and never fused.
bool torna(const formato::tracciato& t, std::size_t m, double k) {
  const double dx = t.x[m - 1] - t.x[m - 2];
  const double dy = t.y[m - 1] - t.y[m - 2];
  const double x = t.x[m - 1] + dx;
  const double y = t.y[m - 1] + dy;
  return uguale(t.x[m], x + k * dy) && uguale(t.y[m], y - k * dx);
}

// The class of the turn at metre m: 0 straight, 1 to 6 to the right,
// -1 to -6 to the left; `precedente` is tried first, since curves run on.
std::optional<int> classe_al_metro(const formato::tracciato& t, std::size_t m, int precedente) {
  const auto k = [](int classe) {
    const double c = curvature[static_cast<std::size_t>(std::abs(classe) - 1)];
    return classe < 0 ? -c : c;
  };
  if (precedente != rettilineo && torna(t, m, k(precedente))) return precedente;
  if (torna(t, m, 0.0)) return rettilineo;
  for (int classe = 1; classe <= 6; ++classe) {
    if (torna(t, m, k(classe))) return classe;
    if (torna(t, m, k(-classe))) return -classe;
  }
  return std::nullopt;
}

void segnala_metri(lavoro& w, std::int32_t da, std::int32_t a) {
  const std::string metri =
      da == a ? "metro " + std::to_string(da) : "metri " + std::to_string(da) + "-" + std::to_string(a);
  w.a.aggiungi(w.letto.nomi.tracciato_dat, metri +
                                               ": il punto non segue dai due prima n\xE9 in rettilineo n\xE9 "
                                               "con una delle sei classi di curva; scritto come rettilineo");
}

}  // namespace

// The curves from the per-metre geometry: each metre's point tells from the
// two before it whether the track went straight or turned, and by which of
// the six curvatures. A run of metres that turn alike is one curve, from the
// metre before the run.
void ricava_curve(lavoro& w) {
  descrizione_linea& d = w.d.linea;
  if (!w.letto.punti) {
    d.con_tracciato = false;
    d.tracciato_guasto = !w.letto.senza_tracciato;
    return;
  }
  const formato::tracciato& t = *w.letto.punti;
  const std::int32_t ultimo = t.assegnati - 1;
  int precedente = rettilineo;
  std::int32_t inizio_curva = 0;
  std::int32_t inizio_guasto = -1;
  const auto chiudi_curva = [&](std::int32_t m) {
    if (precedente == rettilineo) return;
    // Metre 2 is the first the compile lays: a curve there is one an author starts at 0.
    const std::int32_t da = inizio_curva == 2 ? 0 : inizio_curva - 1;
    d.curve.push_back({da, m - 1 - da, std::abs(precedente), precedente < 0});
  };
  for (std::int32_t m = 2; m <= ultimo + 1; ++m) {
    std::optional<int> classe = rettilineo;
    if (m <= ultimo) classe = classe_al_metro(t, static_cast<std::size_t>(m), precedente);
    if (!classe) {
      if (inizio_guasto < 0) inizio_guasto = m;
      classe = rettilineo;
    } else if (inizio_guasto >= 0) {
      segnala_metri(w, inizio_guasto, m - 1);
      inizio_guasto = -1;
    }
    if (*classe != precedente) {
      chiudi_curva(m);
      precedente = *classe;
      inizio_curva = m;
    }
  }
  if (inizio_guasto >= 0) segnala_metri(w, inizio_guasto, ultimo);
}

}  // namespace decompila
