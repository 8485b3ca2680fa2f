#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "compiler/errore_compilazione.h"
#include "compiler/modello.h"

namespace compilatore {

// Adds the abbattimento points around every slowdown of the cell grid: before
// the signals that precede a warning, before the start, inside a slow
// slowdown and before the first signal after its end. Where no room is left
// it records error 11, 12 or 13 with the cell's position in `e` and goes on.
// An empty grid is left alone. Every error is also added to `raccolti` when
// given, with `avvisi` warnings before it.
void post_elabora(modello& m, errore_compilazione& e, std::vector<errore_raccolto>* raccolti = nullptr,
                  std::size_t avvisi = 0);

// y when x is greater than y, else x (x on a tie).
std::int16_t minimo(std::int16_t x, std::int16_t y);

}  // namespace compilatore
