#pragma once

#include <cstddef>

// Counts the heap the program holds through operator new, so a test can hold
// a piece of work to a memory budget. Unavailable under the sanitizers, which
// bring their own allocator: then misura_attiva() is false.
namespace conta_memoria {

bool misura_attiva();
// Starts a measurement: the peak becomes the bytes held right now.
void azzera_picco();
// Bytes held at the highest point since azzera_picco.
std::size_t picco();
std::size_t in_uso();

}  // namespace conta_memoria
