#pragma once

#include <string>

#include "compiler/modello.h"

// A small compiled scenario built by hand, as the compiler would leave it:
// a 3000 m line with three stations, two kilometre boards, a signal, a
// slowdown with its warning cells, a speed board, two "abbattimento" points,
// mountain markers and a geometry with one curve.
namespace esempio {

compilatore::modello modello_esempio();

// Writes the three binary files of the model into `cartella` under the
// scenario's names.
void scrivi_esempio(const std::string& cartella, const compilatore::modello& m);

}  // namespace esempio
