#include "tools/esamina/rallentamenti.h"

#include "tools/esamina/segni.h"

namespace strumenti {

std::vector<rallentamento_letto> rallentamenti_di(const resoconto& r) {
  namespace ev = formato::evento;
  std::vector<rallentamento_letto> lista;
  std::optional<std::int64_t> avviso;
  for (std::size_t i = 0; i < r.eventi.size(); ++i) {
    const evento_letto& e = r.eventi[i];
    if (e.codice == ev::avviso_rallentamento) avviso = e.metri;
    if (e.codice != ev::inizio_rallentamento) continue;
    // Without an end cell the slowdown is drawn one cell long.
    std::int64_t fine = e.metri + 50;
    for (std::size_t j = i + 1; j < r.eventi.size(); ++j) {
      if (r.eventi[j].codice == ev::fine_rallentamento) {
        fine = r.eventi[j].metri + 50;
        break;
      }
    }
    lista.push_back({e.metri, fine, valore_di(e, "v"), valore_di(e, "d_v"), valore_di(e, "f_tt"), avviso});
    avviso.reset();
  }
  return lista;
}

}  // namespace strumenti
