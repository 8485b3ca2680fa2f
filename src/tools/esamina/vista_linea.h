#pragma once

#include <optional>

namespace strumenti {

// A stretch of the line to show, in metres along it; `da` below `a`.
struct vista_linea {
  double da = 0.0;
  double a = 0.0;
};

}  // namespace strumenti
