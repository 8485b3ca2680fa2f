#pragma once

#include <string>

#include "compiler/modello.h"

namespace strumento_compila {

// The few numbers an author checks after a clean compile, one per line.
std::string riepilogo(const compilatore::modello& m);

}  // namespace strumento_compila
