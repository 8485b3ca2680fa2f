#include <cstdint>

#include "tools/decompila/lavoro.h"

namespace decompila {

// Each speed board as its nine values: the left speed is in the hundreds of
// its field, the right one / 5 below them. A stop point that covered a
// board keeps the board's last three fields: a board with them, and the
// first left to 0, goes there for the stop to cover again.
void ricava_indicatori(lavoro& w) {
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    formato::cella c = w.cella(i);
    if (c.evento == formato::evento::indicatore_v_max) {
      w.spiega(i);
    } else if (w.fermata_con_resto(i) && c.tempo_segnale == 0 && w.coperte_usate.insert(i).second) {
      c.dato1 = 0;
    } else {
      continue;
    }
    w.d.linea.indicatori.push_back({posizione_dopo(i), formato::spacchetta_indicatore(c)});
  }
}

}  // namespace decompila
