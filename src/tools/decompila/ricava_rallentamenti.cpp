#include <cstdint>
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

// The first of the four cells before the warning.
std::int32_t cella_prima_avviso(std::int32_t x) {
  return static_cast<std::int32_t>(formato::arrotonda((static_cast<double>(x) - distanza_avviso) / 50));
}

// The values the slowdown's cells carry: v in dato1, d_v in dato2, f_tt in dato3.
struct valori {
  std::int16_t v = 0;
  std::int16_t d_v = 0;
  std::int16_t f_tt = 0;
};

class rallentamenti {
 public:
  explicit rallentamenti(lavoro& w) : w_(w) {}

  void tutti() {
    for (std::int32_t s = 0; s <= w_.n_celle(); ++s) {
      const formato::cella& c = w_.cella(s);
      if (c.evento == ev::inizio_rallentamento) uno(s, {c.dato1, c.dato2, c.dato3}, false);
    }
    // An end whose start a station's stop point covered.
    for (std::int32_t e = 0; e <= w_.n_celle(); ++e) {
      if (!libera(e, ev::fine_rallentamento)) continue;
      const formato::cella& c = w_.cella(e);
      const valori v{c.dato1, c.dato2, c.dato3};
      if (const auto s = inizio_coperto(e, v)) uno(*s, v, true);
    }
  }

 private:
  bool libera(std::int32_t i, std::uint8_t evento) const {
    return w_.in_griglia(i) && w_.cella(i).evento == evento && !w_.gia_spiegata(i);
  }

  // A stop cell that covered a cell of this slowdown: the stop wrote dato1,
  // the slowdown's dato2 and dato3 are still there.
  bool coperta(std::int32_t i, std::int16_t dato2, std::int16_t dato3) const {
    if (!w_.in_griglia(i) || w_.cella(i).evento != ev::fermata || !w_.gia_spiegata(i)) return false;
    if (w_.coperte_usate.contains(i)) return false;
    const formato::cella& c = w_.cella(i);
    return c.dato2 == dato2 && c.dato3 == dato3 && c.dato4 == 0 && c.tempo_segnale == 0;
  }

  // The warning of a slowdown with these values, shown or covered.
  bool avviso_a(std::int32_t a, const valori& v) const {
    if (libera(a, ev::avviso_rallentamento)) return w_.cella(a).dato1 == v.v && w_.cella(a).dato2 == v.d_v;
    return coperta(a, v.d_v, 0);
  }

  // The four cells before the warning, numbered 1 to 4 going back from h;
  // a stop may cover one of them.
  bool prima_avviso_a(std::int32_t h, bool con_d_v) const {
    int in_vista = 0;
    for (std::int32_t j = 0; j <= 3; ++j) {
      const std::int16_t numero = static_cast<std::int16_t>(j + 1);
      const std::int16_t dato2 = con_d_v ? numero : std::int16_t{0};
      if (coperta(h - j, dato2, 0)) continue;
      if (!libera(h - j, ev::prima_avviso)) return false;
      const formato::cella& c = w_.cella(h - j);
      if (c.dato1 != numero || c.dato2 != dato2) return false;
      ++in_vista;
    }
    return in_vista > 0;
  }

  // The start position whose warning and four cells the grid has; the
  // multiple of 50 when several fit.
  std::int32_t inizio(std::int32_t s, const valori& v, bool& con_avviso, bool& f_ta) const {
    std::optional<std::int32_t> migliore;
    int punteggio_migliore = -1;
    for (std::int32_t scarto = 0; scarto <= scarto_massimo; scarto = scarto > 0 ? -scarto : 1 - scarto) {
      const std::int32_t x = posizione_dopo(s) + scarto;
      if (compilatore::cella_inizio_rallentamento(x) != s) continue;
      const std::int64_t a = compilatore::cella_avviso_rallentamento(x);
      const bool avviso = a >= 0 && avviso_a(static_cast<std::int32_t>(a), v);
      const bool quattro = avviso && prima_avviso_a(cella_prima_avviso(x), v.d_v != 0);
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
  // else a stop cell that covered it, else the first free end cell after it.
  std::optional<std::int32_t> fine(std::int32_t s, const valori& v) const {
    std::optional<std::int32_t> coperta_dopo;
    std::optional<std::int32_t> qualsiasi;
    for (std::int32_t e = s + 1; e <= w_.n_celle(); ++e) {
      if (!coperta_dopo && coperta(e, v.d_v, v.f_tt)) coperta_dopo = e;
      if (!libera(e, ev::fine_rallentamento)) continue;
      const formato::cella& f = w_.cella(e);
      if (f.dato1 == v.v && f.dato2 == v.d_v && f.dato3 == v.f_tt) return e;
      if (!qualsiasi) qualsiasi = e;
    }
    return coperta_dopo ? coperta_dopo : qualsiasi;
  }

  // The covered start of the end at e: the last stop before it that kept
  // the slowdown's values, and whose warning the grid has unless those
  // values say enough. A stop keeps nothing of a slowdown without d_v and
  // f_tt, so such a stop alone says nothing.
  std::optional<std::int32_t> inizio_coperto(std::int32_t e, const valori& v) const {
    const bool valori_tenuti = v.d_v != 0 || v.f_tt != 0;
    for (std::int32_t s = e - 1; s >= 0; --s) {
      if (!coperta(s, v.d_v, v.f_tt)) continue;
      bool con_avviso = false;
      bool f_ta = false;
      inizio(s, v, con_avviso, f_ta);
      if (con_avviso || valori_tenuti) return s;
    }
    return std::nullopt;
  }

  void spiega(std::int32_t i) {
    if (w_.cella(i).evento == ev::fermata) {
      w_.coperte_usate.insert(i);
    } else {
      w_.spiega(i);
    }
  }

  void uno(std::int32_t s, const valori& v, bool inizio_sotto_fermata) {
    bool con_avviso = false;
    bool f_ta = false;
    const std::int32_t x = inizio(s, v, con_avviso, f_ta);
    rallentamento r{.x = x, .v = v.v, .l = 0, .f_tt = v.f_tt, .f_ta = f_ta ? 1 : 0, .d_v = v.d_v};
    spiega(s);
    const std::int64_t a = compilatore::cella_avviso_rallentamento(x);
    if (con_avviso) spiega(static_cast<std::int32_t>(a));
    bool sotto = false;
    if (f_ta) {
      for (std::int32_t j = 0; j <= 3; ++j) {
        spiega(cella_prima_avviso(x) - j);
        sotto = sotto || w_.cella(cella_prima_avviso(x) - j).evento == ev::fermata;
      }
    }
    if (const auto e = fine(s, v)) {
      r.l = posizione_dopo(*e) - x;
      spiega(*e);
      r.sotto_fermata = w_.cella(*e).evento == ev::fermata;
    } else {
      w_.anomalia_cella(s, "inizio di rallentamento senza una fine dopo di esso: scritto lungo 0 m");
    }
    if (!con_avviso && a >= 0) w_.anomalia_cella(s, "inizio di rallentamento senza il suo avviso 1200 m prima");
    r.sotto_fermata = r.sotto_fermata || inizio_sotto_fermata || sotto ||
                      (con_avviso && w_.cella(static_cast<std::int32_t>(a)).evento == ev::fermata);
    w_.d.treno.rallentamenti.push_back(r);
  }

  lavoro& w_;
};

}  // namespace

void ricava_rallentamenti(lavoro& w) { rallentamenti(w).tutti(); }

}  // namespace decompila
