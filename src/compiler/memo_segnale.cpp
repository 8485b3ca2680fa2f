#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "formato/valori_cella.h"

namespace compilatore {

using lettura::cella_in;
using lettura::indice_cella;

std::int32_t memo_segnale(modello& m, std::int32_t posizione, std::int32_t sx, std::int32_t s1, std::int32_t s2,
                          std::int32_t s3, std::int32_t rapp, std::int32_t dx, std::int32_t d1, std::int32_t d2,
                          std::int32_t d3, std::int32_t tempo) {
  const std::int64_t i = indice_cella(posizione / 50.0 + 1);
  if (i < 0) return errore::posizione_negativa;
  // The farthest approach code goes eight cells back.
  if (i - 8 < 0) return errore::preavviso_segnale_prima_inizio;
  cella& c = cella_in(m, i);
  if (!libera(c)) return errore::segnale_su_cella_occupata;

  formato::impacchetta_segnale({.sx = sx, .s1 = s1, .s2 = s2, .s3 = s3, .rapp = rapp, .dx = dx, .d1 = d1, .d2 = d2,
                                .d3 = d3, .tempo = tempo},
                               c);
  for (std::int32_t k = 1; k <= 4; ++k) {
    cella_in(m, i - 2 * k).preavviso = formato::preavviso_segnale(sx, dx, k);
  }
  return 0;
}

}  // namespace compilatore
