#pragma once

#include <cstdint>

namespace genera_linea {

// A small fixed-seed generator of its own: the standard distributions may
// differ between libraries, and the scenario must be the same everywhere.
class sorteggio {
 public:
  explicit sorteggio(std::uint64_t seme) : stato_(seme) {}

  std::uint64_t prossimo();
  // A whole number from `minimo` to `massimo`, both included.
  std::int32_t tra(std::int32_t minimo, std::int32_t massimo);
  // A multiple of 50 from `minimo` to `massimo` (both multiples of 50).
  std::int32_t tra_passo_50(std::int32_t minimo, std::int32_t massimo);

 private:
  std::uint64_t stato_;
};

}  // namespace genera_linea
