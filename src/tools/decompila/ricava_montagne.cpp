#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

namespace ev = formato::evento;

// A mountain is kind 3 when it begins 150 m or less after the end of the one
// before it in the file.
constexpr std::int32_t distanza_tipo_3 = 150;
constexpr std::int32_t tipo_vicino = 3;
// A kind above 10 means the kind less 10, with a marker every fourth cell.
constexpr std::int32_t con_segni = 10;
constexpr std::int32_t passo_segni = 4;
// 24 m into a cell still rounds to it.
constexpr std::int32_t dentro_cella = 24;

// Cells prima to ultima of one kind, as one mountain of the line file.
struct tratto {
  std::int32_t prima = 0;
  std::int32_t ultima = 0;
  std::uint8_t tipo = 0;
  bool segni = false;
};

// Splits the runs of one kind into mountains whose markers fall where the
// grid has them; the markers no such split explains are set aside.
class segmenti {
 public:
  explicit segmenti(lavoro& w) : w_(w) {}

  std::vector<tratto> di_tutta_la_griglia() {
    std::vector<tratto> tratti;
    const std::int32_t n = w_.n_celle();
    for (std::int32_t i = 0; i <= n;) {
      const std::uint8_t tipo = w_.cella(i).tipo_montagna;
      std::int32_t fine = i;
      while (fine < n && w_.cella(fine + 1).tipo_montagna == tipo) ++fine;
      if (tipo != 0) {
        dividi(i, fine, tipo, tratti);
      } else {
        for (std::int32_t c = i; c <= fine; ++c) {
          if (segno(c)) scartati_.insert(c);
        }
      }
      i = fine + 1;
    }
    return tratti;
  }

  const std::set<std::int32_t>& scartati() const { return scartati_; }

 private:
  bool segno(std::int32_t i) const { return w_.cella(i).evento == ev::segno_montagna && !scartati_.contains(i); }
  bool vuota(std::int32_t i) const { return w_.cella(i).evento == ev::nessuno; }

  std::int32_t primo_segno(std::int32_t da, std::int32_t a) const {
    for (std::int32_t i = da; i <= a; ++i) {
      if (segno(i)) return i;
    }
    return -1;
  }

  // Whether a mountain with markers that starts at `s` can have its first
  // marker at `m`: every fourth cell before it held another event instead.
  bool in_fase(std::int32_t s, std::int32_t m) const {
    if ((m - s) % passo_segni != passo_segni - 1) return false;
    for (std::int32_t i = s + passo_segni - 1; i < m; i += passo_segni) {
      if (vuota(i)) return false;
    }
    return true;
  }

  // Cells prima to ultima, one kind, as the fewest mountains whose markers
  // fall where the grid has them: a marker out of step with the mountain
  // before it starts a new one.
  void dividi(std::int32_t prima, std::int32_t ultima, std::uint8_t tipo, std::vector<tratto>& tratti) {
    std::int32_t s = prima;
    while (s <= ultima) {
      const std::int32_t m = primo_segno(s, ultima);
      if (m < 0) {
        tratti.push_back({s, ultima, tipo, false});
        return;
      }
      if (!in_fase(s, m)) {
        if (m - (passo_segni - 1) <= s) {
          scartati_.insert(m);
          continue;
        }
        tratti.push_back({s, m - passo_segni, tipo, false});
        s = m - (passo_segni - 1);
      }
      const std::int32_t fine = fine_con_segni(s, ultima);
      tratti.push_back({s, fine, tipo, true});
      s = fine + 1;
    }
  }

  // The last cell of a mountain with markers from `s`: before the first of
  // its every-fourth cells left empty, or before a marker out of its step.
  std::int32_t fine_con_segni(std::int32_t s, std::int32_t ultima) {
    std::int32_t ultimo_segno = s;
    for (std::int32_t i = s; i <= ultima; ++i) {
      if ((i - s) % passo_segni == passo_segni - 1) {
        if (vuota(i)) return i - 1;
        if (segno(i)) {
          ultimo_segno = i;
          w_.spiega(i);
        }
      } else if (segno(i)) {
        // The next mountain starts three cells before this marker.
        if (i - (passo_segni - 1) > ultimo_segno) return i - passo_segni;
        scartati_.insert(i);
      }
    }
    return ultima;
  }

  lavoro& w_;
  std::set<std::int32_t> scartati_;
};

// Markers set aside, in chains a mountain with markers gives: four cells
// apart, or further where the cells between them hold other events. Each
// chain is a mountain written before the others, which then paint their
// kinds over it. A marker in the first three cells has no such mountain.
std::vector<tratto> catene(lavoro& w, const std::set<std::int32_t>& scartati) {
  std::vector<tratto> catene;
  std::set<std::int32_t> restanti = scartati;
  while (!restanti.empty()) {
    const std::int32_t primo = *restanti.begin();
    restanti.erase(restanti.begin());
    if (primo < passo_segni - 1) {
      w.anomalia_cella(primo, "segno di galleria (evento 11) prima di ogni montagna che possa darlo: tralasciato");
      continue;
    }
    std::int32_t ultimo = primo;
    for (std::int32_t i = primo + passo_segni; i <= w.n_celle(); i += passo_segni) {
      if (restanti.erase(i) != 0) {
        ultimo = i;
      } else if (w.cella(i).evento == ev::nessuno) {
        break;
      }
    }
    for (std::int32_t i = primo; i <= ultimo; i += passo_segni) {
      if (w.cella(i).evento == ev::segno_montagna) w.spiega(i);
    }
    const std::uint8_t tipo = w.cella(primo - (passo_segni - 1)).tipo_montagna;
    catene.push_back({primo - (passo_segni - 1), ultimo, tipo != 0 ? tipo : std::uint8_t{1}, true});
  }
  return catene;
}

// The kind as written: above 10 asks for markers, so a larger kind without
// them is written 256 less, which the cell's byte keeps the same.
std::int32_t tipo_scritto(std::uint8_t tipo, bool segni) {
  if (segni) return tipo + con_segni;
  return tipo <= con_segni ? tipo : tipo - 256;
}

// The mountains in file order, each keeping its kind against the 150 m rule.
class scrittura {
 public:
  explicit scrittura(std::vector<montagna>& montagne) : montagne_(montagne) {}

  // A mountain over cells prima to ultima; its kind is kept unless it is 3,
  // which the rule gives anyway.
  void aggiungi(std::int32_t prima, std::int32_t ultima, std::uint8_t tipo, bool segni) {
    montagna m{posizione_in(prima), posizione_in(ultima + 1), tipo_scritto(tipo, segni), false};
    if (tipo != tipo_vicino && fine_prima_ && m.inizio - *fine_prima_ <= distanza_tipo_3) {
      if (m.inizio + dentro_cella - *fine_prima_ > distanza_tipo_3) {
        m.inizio += dentro_cella;
      } else {
        // A mountain with no cells moves "the one before" far back.
        montagne_.push_back({0, std::min(0, m.inizio - 200), 0, true});
      }
    }
    montagne_.push_back(m);
    fine_prima_ = m.fine;
  }

 private:
  std::vector<montagna>& montagne_;
  std::optional<std::int32_t> fine_prima_;
};

}  // namespace

void ricava_montagne(lavoro& w) {
  if (w.celle.empty()) return;
  segmenti s(w);
  const std::vector<tratto> tratti = s.di_tutta_la_griglia();
  const std::vector<tratto> sotto = catene(w, s.scartati());
  scrittura file(w.d.linea.montagne);
  for (const tratto& t : sotto) file.aggiungi(t.prima, t.ultima, t.tipo, true);
  for (const tratto& t : tratti) file.aggiungi(t.prima, t.ultima, t.tipo, t.segni);
  // What the chains painted where the grid has no mountain, painted back to none.
  for (const tratto& t : sotto) {
    for (std::int32_t i = t.prima; i <= t.ultima; ++i) {
      if (w.cella(i).tipo_montagna != 0) continue;
      std::int32_t fine = i;
      while (fine < t.ultima && w.cella(fine + 1).tipo_montagna == 0) ++fine;
      file.aggiungi(i, fine, 0, false);
      i = fine;
    }
  }
}

}  // namespace decompila
