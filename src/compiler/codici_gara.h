#pragma once

#include <cstdint>

#include "compiler/modello.h"

namespace compilatore {

// The two identification codes of a scenario, built from the train code (nome
// of formato::voce_ripetizione) and the base name (nome of
// formato::voce_nome_base), case-insensitive.
// Plain sum of the first 25 character codes: at most 6375.
std::int16_t codice_gara_og(const modello& m);
// Sum of the first 25 character codes, each weighted by its place (1 to 25).
std::int32_t codice_gara_st(const modello& m);

// Checks that the reserved places of formato::voce_nome_base and cell 1 are
// empty and stamps the markers and codes into them. Returns 0, or 1250 when a marker place is
// taken (nothing changed) or 1251 when a code place is taken (markers stamped,
// codes not). A model without a grid has no cell 1: 1250, nothing changed.
// Shows nothing; reporting is the caller's.
std::int32_t timbra_codici(modello& m);

}  // namespace compilatore
