#include "tools/decompila/decompila.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

namespace ev = formato::evento;

std::string perche_non_spiegata(std::uint8_t evento) {
  switch (evento) {
    case ev::fine_rallentamento: return "fine di rallentamento senza il suo inizio";
    case ev::avviso_rallentamento: return "avviso di rallentamento senza un inizio 1200 m dopo";
    case ev::prima_avviso: return "cella prima di un avviso di rallentamento senza il suo avviso";
    case ev::fermata: return "fermata che nessuna stazione della tabella spiega";
    default: return "evento " + std::to_string(evento) + ", che la compilazione non scrive mai";
  }
}

// Every event left over is one no record of the description gives back;
// but stops and boards point into the table, and without it none could.
void non_spiegate(lavoro& w) {
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    const std::uint8_t e = w.cella(i).evento;
    if (e == ev::nessuno || w.gia_spiegata(i) || w.a.cella_segnalata(i)) continue;
    if (!w.letto.tabella && (e == ev::fermata || e == ev::cartello_indicatore)) continue;
    w.anomalia_cella(i, perche_non_spiegata(e) + ": tralasciato");
  }
}

}  // namespace

descrizione decompila(const compilato_letto& letto, anomalie& a) {
  lavoro w(letto, a);
  ricava_generale(w);
  ricava_stazioni(w);
  ricava_rallentamenti(w);
  ricava_segnali(w);
  ricava_indicatori(w);
  ricava_cartelli(w);
  ricava_elenchi(w);
  ricava_montagne(w);
  ricava_abbattimenti(w);
  ricava_curve(w);
  non_spiegate(w);
  std::stable_sort(w.d.linea.indicatori.begin(), w.d.linea.indicatori.end(),
                   [](const indicatore& a, const indicatore& b) { return a.posizione < b.posizione; });
  return std::move(w.d);
}

}  // namespace decompila
