#include <algorithm>
#include <cstdint>
#include <vector>

#include "formato/valori_cella.h"
#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

struct trovato {
  segnale s;
  std::int32_t cella = 0;
};

// How many of the four approach cells ahead of cell i show the codes of a
// signal whose sx x 3 + dx is u.
int preavvisi_che_tornano(lavoro& w, std::int32_t i, std::int32_t u) {
  int quanti = 0;
  for (std::int32_t k = 1; k <= 4; ++k) {
    const std::int32_t c = i - 2 * k;
    if (w.in_griglia(c) && w.cella(c).preavviso == formato::bassi_8(std::int64_t{u} * 10 + k)) ++quanti;
  }
  return quanti;
}

// The signal of cell i. dato4 = rapp x 10 + sx x 3 + dx keeps sx x 3 + dx
// only modulo 10; the approach codes, 10 x (sx x 3 + dx) + k, say which,
// and a stored time says sx was 2.
segnale leggi(lavoro& w, std::int32_t i) {
  const formato::cella& c = w.cella(i);
  segnale s{posizione_dopo(i), formato::spacchetta_segnale(c)};
  const std::int32_t cifra = (c.dato4 % 10 + 10) % 10;
  std::int32_t u = cifra;
  int migliore = preavvisi_che_tornano(w, i, u);
  // 10 x u + k is a byte: u repeats its codes every 128 and its digit every 10.
  for (std::int32_t altro = cifra + 10; altro < 640 && migliore < 4; altro += 10) {
    const int quanti = preavvisi_che_tornano(w, i, altro);
    if (quanti > migliore) {
      migliore = quanti;
      u = altro;
    }
  }
  s.v.rapp = (c.dato4 - u) / 10;
  if (c.tempo_segnale != 0) {
    s.v.sx = 2;
    s.v.dx = u - 6;
  } else {
    s.v.sx = u / 3;
    s.v.dx = u % 3;
  }
  return s;
}

// The order to write the signals in, so that where their approach cells
// overlap the last one written leaves the code the grid has: built from the
// back, each time the farthest signal whose codes still showing are all its
// own. Signals that fit nowhere go first, in line order. The stations are
// written before every signal, so their codes show only where no signal's do.
std::vector<segnale> in_ordine(lavoro& w, std::vector<trovato> segnali) {
  std::vector<bool> decise(w.celle.size(), false);
  std::vector<segnale> dal_fondo;
  const auto codici_propri = [&](const trovato& t) {
    for (std::int32_t k = 1; k <= 4; ++k) {
      const std::int32_t c = t.cella - 2 * k;
      if (!w.in_griglia(c) || decise[static_cast<std::size_t>(c)]) continue;
      if (w.cella(c).preavviso != formato::preavviso_segnale(t.s.v.sx, t.s.v.dx, k)) return false;
    }
    return true;
  };
  while (!segnali.empty()) {
    auto ultimo = std::find_if(segnali.rbegin(), segnali.rend(), codici_propri);
    if (ultimo == segnali.rend()) break;
    for (std::int32_t k = 1; k <= 4; ++k) {
      const std::int32_t c = ultimo->cella - 2 * k;
      if (w.in_griglia(c)) decise[static_cast<std::size_t>(c)] = true;
    }
    dal_fondo.push_back(ultimo->s);
    segnali.erase(std::next(ultimo).base());
  }
  std::vector<segnale> ordine;
  for (const trovato& t : segnali) ordine.push_back(t.s);
  ordine.insert(ordine.end(), dal_fondo.rbegin(), dal_fondo.rend());
  return ordine;
}

}  // namespace

void ricava_segnali(lavoro& w) {
  std::vector<trovato> segnali;
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    if (w.cella(i).evento != formato::evento::segnale) continue;
    segnali.push_back({leggi(w, i), i});
    w.spiega(i);
  }
  w.d.treno.segnali = in_ordine(w, std::move(segnali));
}

}  // namespace decompila
