#pragma once

#include "tools/decompila/anomalie.h"
#include "tools/decompila/compilato_letto.h"
#include "tools/decompila/descrizione.h"

namespace decompila {

// The description that compiles back into the compiled files: every value
// as a person would write it, every point the compile adds by itself left
// out. What no description gives back is added to `a`, where it is, and left
// out too.
descrizione decompila(const compilato_letto& letto, anomalie& a);

}  // namespace decompila
