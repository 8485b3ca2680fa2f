#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"

namespace compilatore {

using lettura::bassi_16;
using lettura::bassi_8;
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

  c.evento = evento::segnale;
  c.dato4 = bassi_16(std::int64_t{rapp} * 10 + std::int64_t{sx} * 3 + dx);
  c.dato1 = bassi_16(std::int64_t{s1} * 10 + d1);
  c.dato2 = bassi_16(std::int64_t{s2} * 10 + d2);
  c.dato3 = bassi_16(std::int64_t{s3} * 10 + d3);
  // A short time is raised past 100 so the simulator reads it as a timed signal.
  if (tempo >= 1 && tempo <= 100) tempo = 101;
  c.tempo_segnale = sx == 2 ? bassi_8(tempo) : 0;
  for (std::int64_t k = 1; k <= 4; ++k) {
    cella_in(m, i - 2 * k).preavviso = bassi_8(std::int64_t{sx} * 30 + std::int64_t{dx} * 10 + k);
  }
  return 0;
}

}  // namespace compilatore
