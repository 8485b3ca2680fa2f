#include <algorithm>
#include <cstdint>
#include <vector>

#include "compiler/modello.h"
#include "compiler/post_elaborazione.h"
#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

namespace ev = formato::evento;

// The value of the points the post-processing places around slowdowns.
constexpr std::int16_t valore_punto = 180;
// Each round adds the points the post-processing did not place; a few settle it.
constexpr int giri_massimi = 8;

bool punto(const formato::cella& c) { return c.evento == ev::abbattimento && c.dato1 == valore_punto; }

// The grid's points of value 180 that the post-processing does not place
// when the description's abbattimento records are `scritti`.
std::vector<std::int32_t> non_piazzati(const std::vector<formato::cella>& prima,
                                       const std::vector<std::int32_t>& candidati,
                                       const std::vector<std::int32_t>& scritti) {
  compilatore::modello m;
  m.celle = prima;
  m.n_celle = static_cast<std::int32_t>(prima.size()) - 1;
  for (std::int32_t i : scritti) {
    m.celle[static_cast<std::size_t>(i)].evento = ev::abbattimento;
    m.celle[static_cast<std::size_t>(i)].dato1 = valore_punto;
  }
  compilatore::errore_compilazione errore;
  compilatore::post_elabora(m, errore);
  std::vector<std::int32_t> mancanti;
  for (std::int32_t i : candidati) {
    if (!punto(m.celle[static_cast<std::size_t>(i)])) mancanti.push_back(i);
  }
  return mancanti;
}

// Which of the points of value 180 an author wrote: the post-processing
// places such points itself, wherever a slowdown finds a free cell. The
// grid as parsed has none of them; those that the post-processing does not
// place again are the author's, and written they may move its own, so the
// test repeats until it places the rest.
std::vector<std::int32_t> punti_dell_autore(lavoro& w, const std::vector<std::int32_t>& candidati) {
  std::vector<formato::cella> prima = w.celle;
  for (std::int32_t i : candidati) {
    prima[static_cast<std::size_t>(i)].evento = ev::nessuno;
    prima[static_cast<std::size_t>(i)].dato1 = 0;
  }
  std::vector<std::int32_t> scritti;
  for (int giro = 0; giro < giri_massimi; ++giro) {
    const std::vector<std::int32_t> mancanti = non_piazzati(prima, candidati, scritti);
    if (mancanti.empty()) break;
    scritti.insert(scritti.end(), mancanti.begin(), mancanti.end());
    std::sort(scritti.begin(), scritti.end());
    scritti.erase(std::unique(scritti.begin(), scritti.end()), scritti.end());
  }
  return scritti;
}

// The value written for a point: the stored one, or, for a field that wraps
// to 0 or below, the value 65536 more, since a value below 1 writes no point.
std::int32_t valore_scritto(const formato::cella& c) {
  if (c.evento == ev::abbattimento_senza_valore) return 0;
  return c.dato1 >= 1 ? c.dato1 : c.dato1 + 65536;
}

}  // namespace

void ricava_abbattimenti(lavoro& w) {
  std::vector<std::int32_t> candidati;
  std::vector<std::int32_t> scritti;
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    const formato::cella& c = w.cella(i);
    if (punto(c)) {
      candidati.push_back(i);
    } else if (c.evento == ev::abbattimento || c.evento == ev::abbattimento_senza_valore) {
      scritti.push_back(i);
    }
    if (c.evento == ev::abbattimento || c.evento == ev::abbattimento_senza_valore) w.spiega(i);
  }
  if (!candidati.empty()) {
    const std::vector<std::int32_t> dell_autore = punti_dell_autore(w, candidati);
    scritti.insert(scritti.end(), dell_autore.begin(), dell_autore.end());
    std::sort(scritti.begin(), scritti.end());
  }
  for (std::int32_t i : scritti) w.d.treno.abbattimenti.push_back({posizione_in(i), valore_scritto(w.cella(i))});
}

}  // namespace decompila
