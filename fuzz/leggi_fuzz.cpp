// Feeds arbitrary bytes to the readers of the three compiled files, as a
// scenario folder from anywhere may hold them; stops on a crash, a sanitizer
// report, or a reader that takes bytes it cannot write back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "proprieta.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
  const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
  if (!proprieta::difetto_lettura(byte).empty()) __builtin_trap();
  return 0;
}
