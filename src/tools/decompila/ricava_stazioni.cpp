#include <cstdint>
#include <string>

#include "formato/arrotonda.h"
#include "formato/voci.h"
#include "tools/decompila/lavoro.h"
#include "tools/decompila/testi.h"

namespace decompila {
namespace {

// Kinds 25 and above write no cell.
constexpr std::int32_t tipo_senza_celle = 25;

// Every station has a number that is not 0: a kind of 25 or more, or an
// area that ends beyond metre 100. A board's entry has only its text.
bool ha_stazione(const formato::voce& v) {
  return v.tipo_stazione != 0 || v.inizio != 0 || v.fine != 0 || v.progressiva != 0 || v.capolinea != 0 ||
         v.gruppo_a1 != 0 || v.gruppo_a2 != 0 || v.gruppo_b1 != 0 || v.gruppo_b2 != 0 || v.gruppo_b3 != 0 ||
         v.gruppo_a3 != 0 || v.sosta != 0 || v.prolunga != 0 || v.flag_lunghezza != 0 || v.orario != 0;
}

std::int32_t in_32(std::int64_t v) { return static_cast<std::int32_t>(v); }

// The platform length and the "prolunga" flag that give the station's area.
void area(const formato::voce& v, int n, stazione& s) {
  const std::int64_t p = v.progressiva;
  const std::int64_t dietro = p - v.inizio;
  switch (v.tipo_stazione) {
    case 5:
    case 6:
    case 7:
    case 8:
      // The area reaches the platform's length back; the compile clears the flag.
      s.marciapiede = in_32(dietro);
      s.prolunga = 0;
      break;
    default: {
      // Half the platform each side, and 50 m more ahead with the flag.
      s.marciapiede = in_32(2 * dietro);
      const bool prolungata = std::int64_t{v.fine} - (p + dietro) == 50;
      // The first station's flag is cleared after its area is made.
      s.prolunga = n == formato::voce_prima_stazione ? (prolungata ? 1 : 0) : v.prolunga;
      break;
    }
  }
}

stazione leggi_stazione(lavoro& w, const formato::voce& v, int n) {
  stazione s;
  s.posizione = v.progressiva;
  s.tipo = v.tipo_stazione;
  area(v, n, s);
  s.capolinea = v.capolinea;
  s.flag_lunghezza = v.flag_lunghezza;
  s.gruppo_a1 = v.gruppo_a1;
  s.gruppo_a2 = v.gruppo_a2;
  s.gruppo_a3 = v.gruppo_a3;
  s.gruppo_b1 = v.gruppo_b1;
  s.gruppo_b2 = v.gruppo_b2;
  s.gruppo_b3 = v.gruppo_b3;
  s.sosta = v.sosta;
  s.ore = v.orario / 3600;
  s.minuti = v.orario % 3600 / 60;
  s.secondi = v.orario % 60;
  s.nome = testo_per_descrizione(w.a, w.letto.nomi.tabella_sim, n, "il nome della stazione", v.nome);
  return s;
}

// The stop point of station n, which overwrites whatever its cell held.
void fermata(lavoro& w, const formato::voce& v, int n) {
  if (v.tipo_stazione >= tipo_senza_celle) return;
  const double cella = formato::arrotonda(v.fine / 50.0 - 1);
  if (!w.in_griglia(static_cast<std::int64_t>(cella))) return;
  const auto i = static_cast<std::int32_t>(cella);
  const formato::cella& c = w.cella(i);
  if (c.evento == formato::evento::fermata && c.dato1 == n) w.spiega(i);
}

}  // namespace

void ricava_stazioni(lavoro& w) {
  for (int n = formato::voce_prima_stazione; n < formato::voce_primo_cartello; ++n) {
    const formato::voce& v = w.tabella[static_cast<std::size_t>(n)];
    if (!ha_stazione(v)) break;
    w.d.treno.stazioni.push_back(leggi_stazione(w, v, n));
    fermata(w, v, n);
  }
}

}  // namespace decompila
