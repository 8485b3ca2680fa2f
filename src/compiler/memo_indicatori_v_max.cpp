#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "formato/valori_cella.h"

namespace compilatore {

using lettura::cella_in;
using lettura::indice_cella;

std::int32_t memo_indicatori_v_max(modello& m, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                                   std::int32_t vcs, std::int32_t strisces, std::int32_t vad, std::int32_t vbd,
                                   std::int32_t vcd, std::int32_t strisced) {
  const std::int64_t i = indice_cella(posizione / 50.0 + 1);
  if (i < 0) return errore::posizione_negativa;
  cella& c = cella_in(m, i);
  if (!libera(c)) return errore::indicatore_su_cella_occupata;
  const formato::valori_indicatore v{.vas = vas, .vbs = vbs, .vcs = vcs, .strisces = strisces,
                                     .vad = vad, .vbd = vbd, .vcd = vcd, .strisced = strisced};
  // The speeds are converted values.
  if (!formato::impacchetta_indicatore(v, c)) lettura::fuori_dai_limiti();
  return 0;
}

}  // namespace compilatore
