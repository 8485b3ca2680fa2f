#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/modello.h"

namespace documenti {

// The chainage along a line, from its chainage records as the compile leaves
// them in table entries 81 to 83: each record gives the chainage (in metres)
// at the position `inizio`, the value the line file wrote, and from there on
// the chainage falls as the line goes on when its flag `progressiva` is 1,
// and rises otherwise.
class progressive_km {
 public:
  explicit progressive_km(const std::array<compilatore::voce, compilatore::voci_tabella>& tabella);

  // The chainage at `posizione`, in metres: by the record with the largest
  // position not beyond it, or, before every record, by the first one.
  std::int64_t in_metri(std::int32_t posizione) const;
  bool decrescente(std::int32_t posizione) const;

 private:
  struct riferimento {
    std::int32_t da = 0;
    std::int32_t valore = 0;
    bool decrescente = false;
  };
  const riferimento& in_vigore(std::int32_t posizione) const;

  // The records in use, largest position first (the compile's order); a line
  // without any counts its chainage from 0, rising.
  std::vector<riferimento> riferimenti_;
};

// "ddd.ddd": kilometres and metres, right-aligned in 7 characters ("  5.300");
// nothing for a chainage below 0 or from 1000 km on, which the column cannot hold.
std::optional<std::string> testo_km(std::int64_t metri);

// The kilometre post a train passes last before `metri`: the one at or
// before it when the chainage rises, at or after it when it falls.
std::int64_t cippo_prima(std::int64_t metri, bool decrescente);

}  // namespace documenti
