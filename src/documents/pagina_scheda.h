#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/riga_scheda.h"
#include "scenario_text/tabella_righe.h"

namespace documenti {

// The nine header lines of a filled page, given its number "k/n".
using intestazione_pagina = std::function<std::vector<std::string>(std::string_view pagina)>;

// The whole train sheet: two empty lines; the filled pages, each under its
// header and the column header, 31 rows a page but the last, which empty rows
// fill up to 32; then two blank pages of the same form for the driver's notes.
testo_scenario::tabella_righe impagina_scheda(const std::vector<voce_scheda>& voci,
                                              const intestazione_pagina& intestazione);

}  // namespace documenti
