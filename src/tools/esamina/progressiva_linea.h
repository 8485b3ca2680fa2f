#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/esamina/resoconto.h"

namespace strumenti {

// One stretch of the line's kilometres: from position `da` on, the chainage is
// `origine` + `verso` x (position - `da`), in metres.
struct tratto_progressiva {
  std::int32_t da = 0;
  std::int32_t origine = 0;
  int verso = 1;  // +1 rising along the line, -1 falling
};

// The line's kilometres as its chainage records give them. A record flagged 1
// counts down along the line from its value less the 100 the compiler added
// to it; a record flagged 0 counts up from its value. A record that is all
// zero is unused, unless no record is used, when the chainage is the position.
class progressiva_linea {
 public:
  explicit progressiva_linea(const std::array<progressiva_letta, 3>& record);

  // The chainage in metres at `metri` along the line.
  double a_metri(double metri) const;
  // The first position in [0, lunghezza] whose chainage is `progressiva`, if any.
  std::optional<double> posizione(double progressiva, double lunghezza) const;
  // The positions in [da, a] where the chainage is a whole multiple of `passo`
  // metres, with that chainage, in running order.
  std::vector<std::pair<double, double>> tacche(double da, double a, double passo) const;

  const std::vector<tratto_progressiva>& tratti() const { return tratti_; }

 private:
  // The stretch in force at `metri`; the first one also before its start.
  const tratto_progressiva& tratto_a(double metri) const;
  double fine_tratto(std::size_t i) const;

  std::vector<tratto_progressiva> tratti_;  // by rising `da`, never empty
};

// A chainage in metres as the boards write it: "345+557".
std::string scrivi_progressiva(double metri);

}  // namespace strumenti
