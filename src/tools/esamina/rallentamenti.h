#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/esamina/resoconto.h"

namespace strumenti {

// A slowdown as its cells give it back: the start cell, the first end cell
// after it, and the last warning cell before it.
struct rallentamento_letto {
  std::int64_t da = 0;  // metres of the start cell
  std::int64_t a = 0;   // metres just past the end cell
  std::int32_t v = 0;
  std::int32_t d_v = 0;
  std::int32_t f_tt = 0;
  std::optional<std::int64_t> avviso;
};

std::vector<rallentamento_letto> rallentamenti_di(const resoconto& r);

}  // namespace strumenti
