#pragma once

#include <cstdint>
#include <vector>

namespace genera_linea {

// Which 50 m cells already carry an event, so that a new event can be moved
// to where the compiler will accept it and the post-processing finds room.
class celle_occupate {
 public:
  explicit celle_occupate(std::int32_t n_celle) : occupata_(static_cast<std::size_t>(n_celle) + 1, false) {}

  // Whether `cella` and the two cells on each side are all empty.
  bool libera_intorno(std::int32_t cella) const;
  void occupa(std::int32_t cella);

  // The first position from `posizione` on, in steps of 50 m and before
  // `limite`, whose event cell (position / 50 + 1) is free with its
  // surroundings; -1 when there is none.
  std::int32_t prima_libera(std::int32_t posizione, std::int32_t limite) const;
  // The free position nearest to `posizione` from `minimo` to `massimo`
  // (multiples of 50), or the first free one after `massimo` when the whole
  // stretch is taken, -1 when none is left before `limite`.
  std::int32_t libera_vicina(std::int32_t posizione, std::int32_t minimo, std::int32_t massimo,
                             std::int32_t limite) const;

 private:
  std::vector<bool> occupata_;
};

}  // namespace genera_linea
