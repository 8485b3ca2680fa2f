#include <cstdint>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"

namespace compilatore {
namespace {

using lettura::bassi_16;
using lettura::cella_in;
using lettura::indice_cella;

// The warning stands 1200 m ahead; nearer the start of the line there is none.
constexpr std::int32_t distanza_avviso = 1200;
constexpr std::int32_t senza_avviso_fino_a = 1500;

bool quattro_libere(modello& m, std::int64_t h) {
  for (std::int64_t j = 0; j <= 3; ++j) {
    if (!libera(cella_in(m, h - j))) return false;
  }
  return true;
}

}  // namespace

std::int64_t cella_inizio_rallentamento(std::int32_t x) { return indice_cella(x / 50.0 + 1); }

std::int64_t cella_avviso_rallentamento(std::int32_t x) {
  if (x <= senza_avviso_fino_a) return -1;
  return indice_cella((static_cast<double>(x) - distanza_avviso) / 50 + 1);
}

std::int64_t cella_fine_rallentamento(std::int32_t x, std::int32_t l) {
  return indice_cella((static_cast<double>(x) + l) / 50 + 1);
}

std::int64_t cella_prima_avviso(std::int32_t x) {
  return indice_cella((static_cast<double>(x) - distanza_avviso) / 50);
}

std::int32_t memo_rallentamento(modello& m, std::int32_t x, std::int32_t v, std::int32_t l, std::int32_t f_tt,
                                std::int32_t f_ta, std::int32_t d_v) {
  const bool avviso = x > senza_avviso_fino_a;
  if (!avviso) f_ta = 0;
  const std::int64_t a = cella_avviso_rallentamento(x);
  const std::int64_t s = cella_inizio_rallentamento(x);
  const std::int64_t e = cella_fine_rallentamento(x, l);
  const std::int64_t h = cella_prima_avviso(x);

  if (s < 0) return errore::posizione_negativa;
  if (e < 0 || e > m.n_celle) return errore::rallentamento_oltre_griglia;
  if (f_ta != 0 && (h - 3 < 0 || h > m.n_celle)) return errore::rallentamento_oltre_griglia;

  if (avviso && !libera(cella_in(m, a))) return errore::avviso_su_cella_occupata;
  if (!libera(cella_in(m, s))) return errore::inizio_su_cella_occupata;
  if (!libera(cella_in(m, e))) return errore::fine_su_cella_occupata;

  cella& fine = cella_in(m, e);
  fine.evento = evento::fine_rallentamento;
  if (d_v != 0) fine.dato2 = bassi_16(d_v);
  cella& inizio = cella_in(m, s);
  inizio.evento = evento::inizio_rallentamento;
  if (d_v != 0) inizio.dato2 = bassi_16(d_v);
  if (avviso) {
    cella& c = cella_in(m, a);
    c.evento = evento::avviso_rallentamento;
    if (d_v != 0) c.dato2 = bassi_16(d_v);
    c.dato1 = bassi_16(v);
  }
  for (cella* c : {&inizio, &fine}) {
    c->dato1 = bassi_16(v);
    c->dato3 = bassi_16(f_tt);
  }

  if (f_ta == 0) return 0;
  if (!quattro_libere(m, h)) return errore::preavviso_su_cella_occupata;
  for (std::int64_t j = 0; j <= 3; ++j) {
    cella& c = cella_in(m, h - j);
    c.evento = evento::prima_avviso;
    c.dato1 = bassi_16(j + 1);
    if (d_v != 0) c.dato2 = bassi_16(j + 1);
  }
  return 0;
}

}  // namespace compilatore
