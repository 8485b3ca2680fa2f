#include <cstdint>
#include <vector>

#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

// The entries of a running list that fill the grid's cells with `in_cella`:
// one at 0, one wherever the value changes. The compile fills up to the
// cell before the third-last, and reaches the last three only for entries
// there: an entry at the third-last cell, then entries that go back, each
// of which fills one more cell.
template <typename F>
std::vector<voce_elenco> voci_per(const std::vector<formato::cella>& celle, std::uint8_t formato::cella::*campo,
                                  F valore) {
  std::vector<voce_elenco> voci;
  const auto n = static_cast<std::int32_t>(celle.size()) - 1;
  if (n < 3) return voci;
  const auto in = [&](std::int32_t i) { return celle[static_cast<std::size_t>(i)].*campo; };
  voci.push_back({0, valore(in(0))});
  for (std::int32_t i = 1; i <= n - 3; ++i) {
    if (in(i) != in(i - 1)) voci.push_back({posizione_in(i), valore(in(i))});
  }
  const std::uint8_t terzultima = in(n - 2);
  const std::uint8_t penultima = in(n - 1);
  const std::uint8_t ultima = in(n);
  if (penultima == 0 && ultima == 0) {
    if (terzultima != 0) voci.push_back({posizione_in(n - 2), valore(terzultima)});
    return voci;
  }
  voci.push_back({posizione_in(n - 2), valore(terzultima)});
  voci.push_back({posizione_in(1), valore(penultima)});
  if (ultima != 0) voci.push_back({posizione_in(1), valore(ultima)});
  return voci;
}

}  // namespace

void ricava_elenchi(lavoro& w) {
  // The plain value whose field is the byte: a gradient is stored plus 100,
  // a speed in units of 5 km/h, adhesion as it is.
  w.d.linea.pendenze = voci_per(w.celle, &formato::cella::pendenza, [](std::uint8_t b) { return b - 100; });
  w.d.treno.velocita = voci_per(w.celle, &formato::cella::vel_limite, [](std::uint8_t b) { return b * 5; });
  w.d.treno.aderenze = voci_per(w.celle, &formato::cella::aderenza, [](std::uint8_t b) { return std::int32_t{b}; });
}

}  // namespace decompila
