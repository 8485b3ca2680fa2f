#pragma once

#include <optional>
#include <string>

#include "formato/strutture.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/vista_linea.h"

namespace strumenti {

// One self-contained HTML page (UTF-8) that shows the scenario: the plan view
// over the profiles of gradient, speed limit and adhesion, on one axis in the
// line's kilometres, with every event marked. Scripts, styles and data are
// inline: the page works offline and asks for nothing. `vista` is the
// stretch it opens on; the whole line without it.
std::string componi_html(const resoconto& r, const formato::tracciato& punti,
                         const std::optional<vista_linea>& vista);

}  // namespace strumenti
