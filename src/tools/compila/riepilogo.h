#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "compiler/modello.h"

namespace strumento_compila {

// The few numbers an author checks after a clean compile, one per line,
// counted in the compiled model (an item another one erased is not there),
// then the warnings and the files written, one per line, or "nessun file
// scritto" when none was (--check).
std::string riepilogo(const compilatore::modello& m, std::size_t avvisi, const std::vector<std::string>& scritti);

}  // namespace strumento_compila
