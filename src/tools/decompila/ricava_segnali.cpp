#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "formato/arrotonda.h"
#include "formato/valori_cella.h"
#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

constexpr std::uint8_t tipo_senza_celle = 25;

struct trovato {
  segnale s;
  std::int32_t cella = 0;
  bool coperto = false;  // a station's stop point took its cell: it goes before the stations
};

// The signal of cell i with sx x 3 + dx = u. dato4 = rapp x 10 + sx x 3 + dx
// keeps u only modulo 10: rapp takes the rest. A stored time says sx was 2.
segnale leggi(std::int32_t i, const formato::cella& c, std::int32_t u) {
  segnale s{posizione_dopo(i), formato::spacchetta_segnale(c)};
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

// The plain u: the last digit of dato4.
std::int32_t cifra(const formato::cella& c) { return (c.dato4 % 10 + 10) % 10; }

// The approach cells ahead of cell i that show the codes of a signal whose
// sx x 3 + dx is u: 10 x u + k for the k-th.
std::vector<std::int32_t> preavvisi_che_tornano(lavoro& w, std::int32_t i, std::int32_t u) {
  std::vector<std::int32_t> celle;
  for (std::int32_t k = 1; k <= 4; ++k) {
    const std::int32_t c = i - 2 * k;
    if (w.in_griglia(c) && w.cella(c).preavviso == formato::bassi_8(std::int64_t{u} * 10 + k)) celle.push_back(c);
  }
  return celle;
}

// The approach codes of the stations, cell by cell.
std::map<std::int32_t, std::uint8_t> preavvisi_stazioni(const lavoro& w) {
  std::map<std::int32_t, std::uint8_t> codici;
  for (std::size_t n = 1; n <= w.d.treno.stazioni.size(); ++n) {
    const formato::voce& v = w.tabella[n];
    if (v.tipo_stazione >= tipo_senza_celle || v.tipo_stazione == 5 || v.tipo_stazione == 6) continue;
    for (std::int32_t k = 1; k <= 4; ++k) {
      const double c = v.fine / 50.0 - k - 1;
      if (c > 1) codici[static_cast<std::int32_t>(formato::arrotonda(c))] = formato::preavviso_fermata(k);
    }
  }
  return codici;
}

// The order to write the signals in, so that where approach cells overlap
// the last one written leaves the code the grid has. Built from the back:
// each time the farthest signal whose codes still showing are all its own,
// else the stations, whose codes go in together; the signals found after
// the stations are written before them. Signals that fit nowhere go first.
class ordine_preavvisi {
 public:
  ordine_preavvisi(lavoro& w, std::vector<trovato> segnali)
      : w_(w), segnali_(std::move(segnali)), stazioni_(preavvisi_stazioni(w)), decise_(w.celle.size(), false) {}

  std::vector<segnale> ordine() {
    std::vector<segnale> dal_fondo;
    bool stazioni_messe = false;
    while (!segnali_.empty()) {
      const auto ultimo = std::find_if(segnali_.rbegin(), segnali_.rend(),
                                       [&](const trovato& t) { return (stazioni_messe || !t.coperto) && propri(t); });
      if (ultimo != segnali_.rend()) {
        for (std::int32_t k = 1; k <= 4; ++k) decidi(ultimo->cella - 2 * k);
        dal_fondo.push_back(ultimo->s);
        dal_fondo.back().prima_delle_stazioni = stazioni_messe;
        segnali_.erase(std::next(ultimo).base());
      } else if (!stazioni_messe && stazioni_proprie()) {
        for (const auto& [c, codice] : stazioni_) decidi(c);
        stazioni_messe = true;
      } else {
        break;
      }
    }
    std::vector<segnale> ordine;
    for (const trovato& t : segnali_) {
      ordine.push_back(t.s);
      ordine.back().prima_delle_stazioni = stazioni_messe;
    }
    ordine.insert(ordine.end(), dal_fondo.rbegin(), dal_fondo.rend());
    return ordine;
  }

 private:
  bool mostra(std::int32_t c, std::uint8_t codice) const {
    return !w_.in_griglia(c) || decise_[static_cast<std::size_t>(c)] || w_.cella(c).preavviso == codice;
  }
  void decidi(std::int32_t c) {
    if (w_.in_griglia(c)) decise_[static_cast<std::size_t>(c)] = true;
  }
  bool propri(const trovato& t) const {
    for (std::int32_t k = 1; k <= 4; ++k) {
      if (!mostra(t.cella - 2 * k, formato::preavviso_segnale(t.s.v.sx, t.s.v.dx, k))) return false;
    }
    return true;
  }
  bool stazioni_proprie() const {
    return std::all_of(stazioni_.begin(), stazioni_.end(), [&](const auto& c) { return mostra(c.first, c.second); });
  }

  lavoro& w_;
  std::vector<trovato> segnali_;
  std::map<std::int32_t, std::uint8_t> stazioni_;
  std::vector<bool> decise_;
};

// For each cell, how many signals in view and stations give its approach code.
using spiegazioni = std::map<std::int32_t, int>;

spiegazioni codici_spiegati(lavoro& w, const std::vector<trovato>& segnali) {
  spiegazioni spiegati;
  for (const trovato& t : segnali) {
    for (std::int32_t c : preavvisi_che_tornano(w, t.cella, t.s.v.sx * 3 + t.s.v.dx)) ++spiegati[c];
  }
  for (const auto& [c, codice] : preavvisi_stazioni(w)) {
    if (w.in_griglia(c) && w.cella(c).preavviso == codice) ++spiegati[c];
  }
  return spiegati;
}

// A u past the digit, when none of the digit's codes shows: the one whose
// codes explain the most cells nothing else explains (`proprie` are those
// the signal itself explains now). 10 x u + k is a byte, so u repeats its
// codes every 128 and its digit every 10.
std::int32_t u_dai_preavvisi(lavoro& w, std::int32_t i, const formato::cella& c, const spiegazioni& spiegati,
                             const std::vector<std::int32_t>& proprie = {}) {
  const std::int32_t u0 = cifra(c);
  if (!preavvisi_che_tornano(w, i, u0).empty()) return u0;
  const auto da_altri = [&](std::int32_t cella) {
    const auto n = spiegati.find(cella);
    const auto propria = std::count(proprie.begin(), proprie.end(), cella);
    return n != spiegati.end() && n->second > propria;
  };
  std::int32_t u = u0;
  int migliore = 0;
  for (std::int32_t altro = u0 + 10; altro < 640; altro += 10) {
    int quanti = 0;
    for (std::int32_t cella : preavvisi_che_tornano(w, i, altro)) quanti += da_altri(cella) ? 0 : 1;
    if (quanti > migliore) {
      migliore = quanti;
      u = altro;
    }
  }
  return u;
}

// A stop point that covered a signal keeps its time and its last three
// fields; its approach codes, where nothing wrote over them, still show,
// and nothing else explains them.
bool segnale_coperto(lavoro& w, std::int32_t i, std::int32_t u, const formato::cella& c, const spiegazioni& spiegati) {
  if (!w.fermata_con_resto(i) || w.coperte_usate.contains(i)) return false;
  if (c.tempo_segnale != 0) return true;
  for (std::int32_t cella : preavvisi_che_tornano(w, i, u)) {
    if (w.cella(cella).preavviso != 0 && !spiegati.contains(cella)) return true;
  }
  return false;
}

}  // namespace

void ricava_segnali(lavoro& w) {
  std::vector<trovato> segnali;
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    const formato::cella& c = w.cella(i);
    if (c.evento != formato::evento::segnale) continue;
    segnali.push_back({leggi(i, c, cifra(c)), i, false});
    w.spiega(i);
  }
  // Each signal's u against what the others explain, until none changes.
  spiegazioni spiegati = codici_spiegati(w, segnali);
  for (int giro = 0; giro < 4; ++giro) {
    bool cambiati = false;
    for (trovato& t : segnali) {
      const formato::cella& c = w.cella(t.cella);
      const std::int32_t prima = t.s.v.sx * 3 + t.s.v.dx;
      const std::int32_t u = u_dai_preavvisi(w, t.cella, c, spiegati, preavvisi_che_tornano(w, t.cella, prima));
      if (u == prima) continue;
      t.s = leggi(t.cella, c, u);
      cambiati = true;
    }
    if (!cambiati) break;
    spiegati = codici_spiegati(w, segnali);
  }
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    if (w.cella(i).evento != formato::evento::fermata) continue;
    formato::cella c = w.cella(i);
    c.dato1 = 0;  // the stop wrote it over the signal's s1 and d1
    const std::int32_t u = u_dai_preavvisi(w, i, c, spiegati);
    if (!segnale_coperto(w, i, u, c, spiegati)) continue;
    segnali.push_back({leggi(i, c, u), i, true});
    w.coperte_usate.insert(i);
  }
  std::sort(segnali.begin(), segnali.end(), [](const trovato& a, const trovato& b) { return a.cella < b.cella; });
  w.d.treno.segnali = ordine_preavvisi(w, std::move(segnali)).ordine();
}

}  // namespace decompila
