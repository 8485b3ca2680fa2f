#include "compiler/post_elaborazione.h"

#include <cstddef>
#include <initializer_list>
#include <optional>

#include "compiler/errori.h"

namespace compilatore {

namespace {

constexpr std::int16_t valore_abbattimento = 180;
// Slowdowns at this speed or above need no points inside them, nor after them.
constexpr std::int16_t velocita_senza_punti = 110;
constexpr std::int32_t intervallo_punti = 8;    // cells between points inside a slowdown (400 m)
constexpr std::int32_t segnali_esaminati = 20;  // cells before a warning searched for signals
constexpr std::int32_t ricerca_segnale = 12;    // cells after a slowdown end searched for a signal

// The grid seen by the pass: every access is bounded by its last cell.
class griglia {
 public:
  griglia(modello& m, errore_compilazione& e, std::vector<errore_raccolto>* raccolti, std::size_t avvisi)
      : m_(m), e_(e), raccolti_(raccolti), avvisi_(avvisi), ultima_(static_cast<std::int32_t>(m.celle.size()) - 1) {}

  std::int32_t ultima() const { return ultima_; }
  cella& cella_di(std::int32_t i) { return m_.celle[static_cast<std::size_t>(i)]; }
  std::uint8_t evento_di(std::int32_t i) { return cella_di(i).evento; }

  // A cell outside the grid is never free.
  bool libera_in(std::int32_t i) { return i >= 0 && i <= ultima_ && libera(cella_di(i)); }

  void metti_punto(std::int32_t i) {
    cella_di(i).evento = evento::abbattimento;
    cella_di(i).dato1 = valore_abbattimento;
  }

  // Places a point at the first free candidate; false when none is free.
  bool metti_punto_nella_prima_libera(std::initializer_list<std::int32_t> candidate) {
    for (std::int32_t i : candidate) {
      if (libera_in(i)) {
        metti_punto(i);
        return true;
      }
    }
    return false;
  }

  // The error of cell i, found while working on the slowdown whose start or
  // warning is at cell `rallentamento`: that slowdown's record is its origin.
  void registra_errore(std::int32_t codice, std::int32_t i, std::int32_t rallentamento) {
    e_.codice_errore = codice;
    e_.posizione_errore = i * 50;
    e_.origine_errore = m_.origine_di_rallentamento(rallentamento);
    if (raccolti_ != nullptr) {
      errore_compilazione proprio;
      proprio.codice_errore = codice;
      proprio.posizione_errore = i * 50;
      proprio.origine_errore = e_.origine_errore;
      raccolti_->push_back({proprio, avvisi_, false});
    }
  }

 private:
  modello& m_;
  errore_compilazione& e_;
  std::vector<errore_raccolto>* raccolti_;
  std::size_t avvisi_;
  std::int32_t ultima_;
};

// Step A: every signal in the 20 cells before a warning at cell c gets a point
// in one of its two preceding cells, or lowers an existing point there.
void segnali_prima_dell_avviso(griglia& g, std::int32_t c) {
  for (std::int32_t k = 1; k <= segnali_esaminati; ++k) {
    const std::int32_t s = c - k;
    if (s < 3) return;
    if (g.evento_di(s) != evento::segnale) continue;
    // A free cell two before the signal is preferred over an existing point right before it.
    if (g.metti_punto_nella_prima_libera({s - 1, s - 2})) continue;
    if (g.evento_di(s - 1) == evento::abbattimento) {
      g.cella_di(s - 1).dato1 = minimo(valore_abbattimento, g.cella_di(s - 1).dato1);
    } else if (g.evento_di(s - 2) == evento::abbattimento) {
      g.cella_di(s - 2).dato1 = minimo(valore_abbattimento, g.cella_di(s - 2).dato1);
    } else {
      g.registra_errore(errore::abbattimento_prima_segnale, s, c);
    }
  }
}

// Steps B, C and D: one point in each of three windows before a start at cell c.
void punti_prima_dell_inizio(griglia& g, std::int32_t c) {
  struct finestra {
    std::int32_t soglia;   // runs only when c is above it
    std::int32_t vicina;   // distance of the first candidate
  };
  static constexpr finestra finestre[] = {{7, 5}, {13, 11}, {20, 18}};
  for (const finestra& f : finestre) {
    if (c <= f.soglia) continue;
    const std::int32_t prima = c - f.vicina;
    if (!g.metti_punto_nella_prima_libera({prima, prima - 1, prima - 2})) {
      g.registra_errore(errore::abbattimento_prima_rallentamento, c, c);
    }
  }
}

// Step E: a point every 8 cells from the start at cell c up to the first end.
// Returns the end cell, or nothing when the grid ends first (error 13 at its last cell).
std::optional<std::int32_t> punti_nel_rallentamento(griglia& g, std::int32_t c) {
  std::int32_t n = 0;
  std::int32_t k = c;
  while (true) {
    ++k;
    ++n;
    if (n == intervallo_punti) {
      if (g.libera_in(k)) {
        g.metti_punto(k);
        n = 0;
      } else if (g.libera_in(k - 1)) {
        g.metti_punto(k - 1);
        n = 1;
      } else if (g.libera_in(k + 1)) {
        g.metti_punto(k + 1);
        n = -1;
      } else {
        // n stays at 8 and grows past it: no further point for this slowdown.
        g.registra_errore(errore::abbattimento_nel_rallentamento, k, c);
      }
    }
    if (g.evento_di(k) == evento::fine_rallentamento) return k;
    if (k >= g.ultima()) {
      g.registra_errore(errore::abbattimento_nel_rallentamento, k, c);
      return std::nullopt;
    }
  }
}

// Step F: a point before the first signal within 12 cells of the end cell t
// of the slowdown that starts at cell c.
void punto_dopo_la_fine(griglia& g, std::int32_t c, std::int32_t t) {
  const std::int32_t limite = t + ricerca_segnale <= g.ultima() ? t + ricerca_segnale : g.ultima();
  std::int32_t n = 0;
  for (std::int32_t i = t; i <= limite; ++i) {
    if (g.evento_di(i) == evento::segnale) {
      n = i - 1;
      break;
    }
  }
  if (n <= 0) return;
  if (!g.metti_punto_nella_prima_libera({n, n - 1})) {
    g.registra_errore(errore::abbattimento_nel_rallentamento, t, c);
  }
}

void intorno_al_rallentamento(griglia& g, std::int32_t c) {
  punti_prima_dell_inizio(g, c);
  if (g.cella_di(c).dato1 >= velocita_senza_punti) return;
  if (const auto fine = punti_nel_rallentamento(g, c)) punto_dopo_la_fine(g, c, *fine);
}

}  // namespace

std::int16_t minimo(std::int16_t x, std::int16_t y) { return x > y ? y : x; }

void post_elabora(modello& m, errore_compilazione& e, std::vector<errore_raccolto>* raccolti, std::size_t avvisi) {
  if (!m.ha_griglia()) return;
  griglia g(m, e, raccolti, avvisi);
  const std::int32_t ultima = g.ultima();  // read once: the pass never grows the grid
  // The last two cells never trigger a step.
  for (std::int32_t c = 1; c <= ultima - 2; ++c) {
    const std::uint8_t e = g.evento_di(c);
    if (e == evento::avviso_rallentamento) {
      segnali_prima_dell_avviso(g, c);
    } else if (e == evento::inizio_rallentamento) {
      intorno_al_rallentamento(g, c);
    }
  }
}

}  // namespace compilatore
