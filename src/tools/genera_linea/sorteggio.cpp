#include "tools/genera_linea/sorteggio.h"

namespace genera_linea {

// splitmix64: fast, and every seed gives a usable sequence.
std::uint64_t sorteggio::prossimo() {
  stato_ += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = stato_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::int32_t sorteggio::tra(std::int32_t minimo, std::int32_t massimo) {
  const auto ampiezza = static_cast<std::uint64_t>(static_cast<std::int64_t>(massimo) - minimo + 1);
  return static_cast<std::int32_t>(minimo + static_cast<std::int64_t>(prossimo() % ampiezza));
}

std::int32_t sorteggio::tra_passo_50(std::int32_t minimo, std::int32_t massimo) {
  return tra(minimo / 50, massimo / 50) * 50;
}

}  // namespace genera_linea
