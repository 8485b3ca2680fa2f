#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "compiler/memorizza_dati.h"
#include "formato/arrotonda.h"
#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

namespace ev = formato::evento;

// The start cell is round(x / 50 + 1): x within 25 m of a multiple of 50
// lands there. Off the multiple, the warning and the four cells before it
// round differently, so the offset is what those cells show.
constexpr std::int32_t scarto_massimo = 25;
constexpr std::int32_t distanza_avviso = 1200;

std::int32_t cella_da(double quoziente) { return static_cast<std::int32_t>(formato::arrotonda(quoziente)); }

// The first of the four cells before the warning.
std::int32_t cella_prima_avviso(std::int32_t x) { return cella_da((static_cast<double>(x) - distanza_avviso) / 50); }

class rallentamenti {
 public:
  explicit rallentamenti(lavoro& w) : w_(w) {}

  void tutti() {
    for (std::int32_t s = 0; s <= w_.n_celle(); ++s) {
      if (w_.cella(s).evento == ev::inizio_rallentamento) uno(s);
    }
  }

 private:
  bool libera(std::int32_t i, std::uint8_t evento) const {
    return w_.in_griglia(i) && w_.cella(i).evento == evento && !w_.gia_spiegata(i);
  }

  // The warning of a slowdown with the start's values.
  bool avviso_a(std::int32_t a, const formato::cella& inizio) const {
    return libera(a, ev::avviso_rallentamento) && w_.cella(a).dato1 == inizio.dato1 &&
           w_.cella(a).dato2 == inizio.dato2;
  }

  // The four cells before the warning, numbered 1 to 4 going back from h.
  bool prima_avviso_a(std::int32_t h, bool con_d_v) const {
    for (std::int32_t j = 0; j <= 3; ++j) {
      if (!libera(h - j, ev::prima_avviso)) return false;
      const formato::cella& c = w_.cella(h - j);
      if (c.dato1 != j + 1 || c.dato2 != (con_d_v ? j + 1 : 0)) return false;
    }
    return true;
  }

  // The start position whose warning and four cells the grid has; the
  // multiple of 50 when several fit.
  std::int32_t inizio(std::int32_t s, bool& con_avviso, bool& f_ta) const {
    const formato::cella& c = w_.cella(s);
    std::optional<std::int32_t> migliore;
    int punteggio_migliore = -1;
    for (std::int32_t scarto = 0; scarto <= scarto_massimo; scarto = scarto > 0 ? -scarto : 1 - scarto) {
      const std::int32_t x = posizione_dopo(s) + scarto;
      if (compilatore::cella_inizio_rallentamento(x) != s) continue;
      const std::int64_t a = compilatore::cella_avviso_rallentamento(x);
      const bool avviso = a >= 0 && avviso_a(static_cast<std::int32_t>(a), c);
      const bool quattro = avviso && prima_avviso_a(cella_prima_avviso(x), c.dato2 != 0);
      // Without a warning cell only a start within 1500 m of the line's start fits.
      const int punteggio = avviso ? (quattro ? 3 : 2) : (a < 0 ? 1 : 0);
      if (punteggio > punteggio_migliore) {
        punteggio_migliore = punteggio;
        migliore = x;
        con_avviso = avviso;
        f_ta = quattro;
      }
      if (scarto == -scarto_massimo) break;
    }
    return *migliore;
  }

  // The end: the first free end cell after the start with the same values,
  // else the first free end cell after it.
  std::optional<std::int32_t> fine(std::int32_t s) const {
    const formato::cella& c = w_.cella(s);
    std::optional<std::int32_t> qualsiasi;
    for (std::int32_t e = s + 1; e <= w_.n_celle(); ++e) {
      if (!libera(e, ev::fine_rallentamento)) continue;
      const formato::cella& f = w_.cella(e);
      if (f.dato1 == c.dato1 && f.dato2 == c.dato2 && f.dato3 == c.dato3) return e;
      if (!qualsiasi) qualsiasi = e;
    }
    return qualsiasi;
  }

  void uno(std::int32_t s) {
    const formato::cella& c = w_.cella(s);
    bool con_avviso = false;
    bool f_ta = false;
    const std::int32_t x = inizio(s, con_avviso, f_ta);
    rallentamento r{.x = x, .v = c.dato1, .l = 0, .f_tt = c.dato3, .f_ta = f_ta ? 1 : 0, .d_v = c.dato2};
    w_.spiega(s);
    if (con_avviso) w_.spiega(static_cast<std::int32_t>(compilatore::cella_avviso_rallentamento(x)));
    if (f_ta) {
      for (std::int32_t j = 0; j <= 3; ++j) w_.spiega(cella_prima_avviso(x) - j);
    }
    if (const auto e = fine(s)) {
      r.l = posizione_dopo(*e) - x;
      w_.spiega(*e);
    } else {
      w_.anomalia_cella(s, "inizio di rallentamento senza una fine dopo di esso: scritto lungo 0 m");
    }
    if (!con_avviso && compilatore::cella_avviso_rallentamento(x) >= 0) {
      w_.anomalia_cella(s, "inizio di rallentamento senza il suo avviso 1200 m prima");
    }
    w_.d.treno.rallentamenti.push_back(r);
  }

  lavoro& w_;
};

}  // namespace

void ricava_rallentamenti(lavoro& w) { rallentamenti(w).tutti(); }

}  // namespace decompila
