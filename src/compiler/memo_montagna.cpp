#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"

namespace compilatore {

using lettura::bassi_8;
using lettura::cella_in;
using lettura::indice_cella;

std::int32_t memo_montagna(modello& m, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo) {
  const std::int64_t prima = indice_cella(inizio / 50.0);
  const std::int64_t ultima = indice_cella(fine / 50.0 - 1);
  if (m.n_montagne >= massimo_montagne) return errore::troppe_montagne;
  if (prima < 0) return errore::posizione_negativa;
  if (ultima > m.n_celle) return errore::montagna_oltre_griglia;

  const bool segni = tipo > 10;
  if (segni) tipo -= 10;
  ++m.n_montagne;
  const auto n = static_cast<std::size_t>(m.n_montagne);
  m.montagne_inizio[n] = inizio;
  m.montagne_fine[n] = fine;
  // Mountains closer than 150 m read as one stretch of the middle kind.
  if (m.n_montagne > 1 && std::int64_t{inizio} - m.montagne_fine[n - 1] <= 150) tipo = 3;

  std::int64_t contate = 0;
  for (std::int64_t i = prima; i <= ultima; ++i) {
    cella& c = cella_in(m, i);
    c.tipo_montagna = bassi_8(tipo);
    ++contate;
    if (segni && contate % 4 == 0 && c.evento == evento::nessuno) c.evento = evento::segno_montagna;
  }
  return 0;
}

}  // namespace compilatore
