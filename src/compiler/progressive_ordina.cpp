#include <array>
#include <cstdint>
#include <limits>

#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "formato/voci.h"

namespace compilatore {
namespace {

// The three fields that move with a chainage record.
struct progressiva {
  std::int32_t posizione = 0;
  std::int32_t valore = 0;
  std::int32_t flag = 0;
};

using terna = std::array<progressiva, 3>;

progressiva da_voce(const voce& v) { return {v.inizio, v.fine, v.progressiva}; }

terna per_posizione(const progressiva& t, const progressiva& d, const progressiva& u) {
  if (t.posizione > d.posizione && t.posizione > u.posizione) {
    return d.posizione > u.posizione ? terna{t, d, u} : terna{t, u, d};
  }
  if (d.posizione > t.posizione && d.posizione > u.posizione) {
    return t.posizione > u.posizione ? terna{d, t, u} : terna{d, u, t};
  }
  if (u.posizione > t.posizione && u.posizione > d.posizione) {
    return t.posizione > d.posizione ? terna{u, t, d} : terna{u, d, t};
  }
  return terna{};  // a tie for the top: no usable order
}

// Every rule looks at the records as read; the last one that applies wins.
terna per_valore(const progressiva& t, const progressiva& d, const progressiva& u) {
  terna esito = t.valore < 1 ? terna{} : terna{t, d, u};
  if (d.valore > 0) esito = terna{d, t, u};
  if (u.valore > 0) esito = terna{u, d, t};
  return esito;
}

}  // namespace

void progressive_ordina(modello& m) {
  const progressiva t = da_voce(m.tabella[formato::voce_progressiva_tre]);
  const progressiva d = da_voce(m.tabella[formato::voce_progressiva_due]);
  const progressiva u = da_voce(m.tabella[formato::voce_progressiva_uno]);
  const std::int64_t somma = std::int64_t{t.posizione} + d.posizione + u.posizione;
  const terna ordinate = somma != 0 ? per_posizione(t, d, u) : per_valore(t, d, u);
  for (std::size_t i = 0; i < ordinate.size(); ++i) {
    voce& v = m.tabella[formato::voce_progressiva_tre + i];
    v.inizio = ordinate[i].posizione;
    v.fine = ordinate[i].valore;
    v.progressiva = ordinate[i].flag;
    if (v.progressiva == 1) {
      if (v.fine > std::numeric_limits<std::int32_t>::max() - 100) {
        throw lettura::guasto("progressiva chilometrica troppo grande");
      }
      v.fine += 100;
    }
  }
}

}  // namespace compilatore
