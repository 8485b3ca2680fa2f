#pragma once

#include <string>

#include "tools/decompila/anomalie.h"
#include "tools/decompila/compilato_letto.h"
#include "tools/decompila/ricompila.h"

namespace decompila {

// Compares the compile of the written description with the files read:
// every byte that differs is a fault of the input, named by entry, cell or
// metre and field, with both values. A description that does not compile
// is a fault too, at its file, line and column. Cells and entries already
// reported are not reported again; nor is the geometry, once any metre of
// it was.
void verifica(const compilato_letto& letto, const testi& t, const compilatore::compilato& ricompilato, anomalie& a);

}  // namespace decompila
