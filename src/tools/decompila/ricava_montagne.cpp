#include <algorithm>
#include <cstdint>
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

// Cells first to ultima of one kind, as one mountain of the line file.
struct tratto {
  std::int32_t prima = 0;
  std::int32_t ultima = 0;
  std::uint8_t tipo = 0;
  bool segni = false;
};

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
        segni_fuori(i, fine);
      }
      i = fine + 1;
    }
    return tratti;
  }

 private:
  bool segno(std::int32_t i) const { return w_.cella(i).evento == ev::segno_montagna && scartati_.count(i) == 0; }
  bool vuota(std::int32_t i) const { return w_.cella(i).evento == ev::nessuno; }

  void scarta(std::int32_t i, const char* perche) {
    scartati_.insert(i);
    w_.anomalia_cella(i, std::string("segno di galleria (evento 11) ") + perche + ": tralasciato");
  }

  void segni_fuori(std::int32_t prima, std::int32_t ultima) {
    for (std::int32_t i = prima; i <= ultima; ++i) {
      if (segno(i)) scarta(i, "dove non c'\xE8 alcuna montagna");
    }
  }

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
          scarta(m, "troppo vicino all'inizio della montagna per esserne un segno");
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
        scarta(i, "fuori passo con i segni della montagna");
      }
    }
    return ultima;
  }

  lavoro& w_;
  std::set<std::int32_t> scartati_;
};

// The kind as written: above 10 asks for markers, so a larger kind without
// them is written 256 less, which the cell's byte keeps the same.
std::int32_t tipo_scritto(const tratto& t) {
  if (t.segni) return t.tipo + con_segni;
  return t.tipo <= con_segni ? t.tipo : t.tipo - 256;
}

}  // namespace

void ricava_montagne(lavoro& w) {
  if (w.celle.empty()) return;
  const std::vector<tratto> tratti = segmenti(w).di_tutta_la_griglia();
  std::vector<montagna>& montagne = w.d.linea.montagne;
  const tratto* prima = nullptr;
  for (const tratto& t : tratti) {
    montagna m{posizione_in(t.prima), posizione_in(t.ultima + 1), tipo_scritto(t), false};
    if (prima != nullptr && t.tipo != tipo_vicino && m.inizio - posizione_in(prima->ultima + 1) <= distanza_tipo_3) {
      if (t.prima - prima->ultima - 1 == 3) {
        // Three empty cells: starting 24 m into the first keeps the cells and clears the 150 m.
        m.inizio += 24;
      } else {
        // Nearer: a mountain with no cells between them moves "the one before" far back.
        montagne.push_back({0, std::min(0, m.inizio - 200), 0, true});
      }
    }
    montagne.push_back(m);
    prima = &t;
  }
}

}  // namespace decompila
