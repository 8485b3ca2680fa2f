#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"

namespace compilatore {

using lettura::bassi_16;
using lettura::cella_in;
using lettura::converti_corto;
using lettura::indice_cella;

std::int32_t memo_indicatori_v_max(modello& m, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                                   std::int32_t vcs, std::int32_t strisces, std::int32_t vad, std::int32_t vbd,
                                   std::int32_t vcd, std::int32_t strisced) {
  const std::int64_t i = indice_cella(posizione / 50.0 + 1);
  if (i < 0) return errore::posizione_negativa;
  cella& c = cella_in(m, i);
  if (!libera(c)) return errore::indicatore_su_cella_occupata;
  c.evento = evento::indicatore_v_max;
  // One field carries both sides: the left speed in hundreds, the right one in units of 5 km/h.
  c.dato1 = converti_corto(vad / 5.0 + vas * 20.0);
  c.dato2 = converti_corto(vbd / 5.0 + vbs * 20.0);
  c.dato3 = converti_corto(vcd / 5.0 + vcs * 20.0);
  c.dato4 = bassi_16(std::int64_t{strisces} * 10 + strisced);
  return 0;
}

}  // namespace compilatore
