#include <cstdint>

#include "tools/decompila/lavoro.h"

namespace decompila {

// Each speed board as its nine values: the left speed is in the hundreds of
// its field, the right one / 5 below them.
void ricava_indicatori(lavoro& w) {
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    const formato::cella& c = w.cella(i);
    if (c.evento != formato::evento::indicatore_v_max) continue;
    w.d.linea.indicatori.push_back({posizione_dopo(i), formato::spacchetta_indicatore(c)});
    w.spiega(i);
  }
}

}  // namespace decompila
