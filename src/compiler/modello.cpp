#include "compiler/modello.h"

#include "formato/arrotonda.h"

namespace compilatore {

void modello::dimensiona(std::int32_t lunghezza) {
  lunghezza_estesa = lunghezza + estensione_linea;
  n_celle = static_cast<std::int32_t>(formato::arrotonda(lunghezza_estesa / 50.0));
  celle.assign(static_cast<std::size_t>(n_celle) + 1, cella{});
  punti = tracciato{};
  if (calcola_tracciato) {
    punti.x.assign(static_cast<std::size_t>(lunghezza_estesa) + 1, 0.0);
    punti.y.assign(static_cast<std::size_t>(lunghezza_estesa) + 1, 0.0);
  }
}

void modello::svuota_tabella() { tabella.fill(voce{}); }

origine modello::origine_di_rallentamento(std::int32_t cella) const {
  for (const origine_rallentamento& r : rallentamenti) {
    if (r.cella_inizio == cella || r.cella_avviso == cella) return r.da;
  }
  return {};
}

}  // namespace compilatore
