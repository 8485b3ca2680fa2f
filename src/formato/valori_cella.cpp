#include "formato/valori_cella.h"

#include <limits>
#include <optional>

#include "formato/arrotonda.h"

namespace formato {
namespace {

// The station's approach codes are 81 to 84.
constexpr std::int64_t base_preavviso_fermata = 80;

// Two digits in one field: the high one times ten plus the low one.
std::int16_t coppia(std::int32_t alto, std::int32_t basso) { return bassi_16(std::int64_t{alto} * 10 + basso); }

// The field of one board speed pair, when it fits.
std::optional<std::int16_t> velocita(std::int32_t sinistra, std::int32_t destra) {
  const double r = arrotonda(destra / 5.0 + sinistra * 20.0);
  if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(r);
}

}  // namespace

void impacchetta_segnale(const valori_segnale& v, cella& c) {
  c.evento = evento::segnale;
  c.dato1 = coppia(v.s1, v.d1);
  c.dato2 = coppia(v.s2, v.d2);
  c.dato3 = coppia(v.s3, v.d3);
  c.dato4 = bassi_16(std::int64_t{v.rapp} * 10 + std::int64_t{v.sx} * 3 + v.dx);
  // A short time is raised past 100 so the simulator reads it as a timed signal.
  const std::int32_t tempo = v.tempo >= 1 && v.tempo <= 100 ? 101 : v.tempo;
  c.tempo_segnale = v.sx == 2 ? bassi_8(tempo) : 0;
}

valori_segnale spacchetta_segnale(const cella& c) {
  return {.sx = c.dato4 % 10 / 3,
          .s1 = c.dato1 / 10,
          .s2 = c.dato2 / 10,
          .s3 = c.dato3 / 10,
          .rapp = c.dato4 / 10,
          .dx = c.dato4 % 10 % 3,
          .d1 = c.dato1 % 10,
          .d2 = c.dato2 % 10,
          .d3 = c.dato3 % 10,
          .tempo = c.tempo_segnale};
}

std::uint8_t preavviso_segnale(std::int32_t sx, std::int32_t dx, std::int32_t k) {
  return bassi_8(std::int64_t{sx} * 30 + std::int64_t{dx} * 10 + k);
}

std::uint8_t preavviso_fermata(std::int32_t k) { return bassi_8(base_preavviso_fermata + k); }

bool impacchetta_indicatore(const valori_indicatore& v, cella& c) {
  const auto a = velocita(v.vas, v.vad);
  const auto b = velocita(v.vbs, v.vbd);
  const auto d = velocita(v.vcs, v.vcd);
  if (!a || !b || !d) return false;
  c.evento = evento::indicatore_v_max;
  c.dato1 = *a;
  c.dato2 = *b;
  c.dato3 = *d;
  c.dato4 = coppia(v.strisces, v.strisced);
  return true;
}

// The left speed / 5 sits in the hundreds, the right speed / 5 below them.
valori_indicatore spacchetta_indicatore(const cella& c) {
  return {.vas = c.dato1 / 100 * 5,
          .vbs = c.dato2 / 100 * 5,
          .vcs = c.dato3 / 100 * 5,
          .strisces = c.dato4 / 10,
          .vad = c.dato1 % 100 * 5,
          .vbd = c.dato2 % 100 * 5,
          .vcd = c.dato3 % 100 * 5,
          .strisced = c.dato4 % 10};
}

}  // namespace formato
