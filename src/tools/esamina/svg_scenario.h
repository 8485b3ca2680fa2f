#pragma once

#include <optional>
#include <string>

#include "formato/strutture.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/vista_linea.h"

namespace strumenti {

// One picture of the scenario: the plan view of the track with stations and
// signals, and under it the gradient and speed-limit profiles along the line
// over a kilometre axis.
std::string componi_svg(const resoconto& r, const formato::tracciato& punti,
                        const std::optional<vista_linea>& vista);

}  // namespace strumenti
