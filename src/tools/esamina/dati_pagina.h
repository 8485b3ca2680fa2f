#pragma once

#include <optional>
#include <string>

#include "formato/strutture.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/vista_linea.h"

namespace strumenti {

// Everything the page draws, as JSON text (UTF-8): the chainage, the kinds of
// marks, the track decimated for each zoom level, the curves read from it, the
// stations, the events of the cells, the tunnels, the slowdowns and the runs
// of speed limit, gradient and adhesion. `vista` is the stretch shown first.
std::string componi_dati_pagina(const resoconto& r, const formato::tracciato& punti,
                                const std::optional<vista_linea>& vista);

// The length of the line the views run over: the line length, or the whole
// grid when the header lacks it.
double lunghezza_mostrata(const resoconto& r);

}  // namespace strumenti
