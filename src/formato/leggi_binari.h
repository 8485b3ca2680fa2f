#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "formato/strutture.h"
#include "platform/esito.h"

namespace formato {

// The three compiled files read back into their records: the mirror of
// scrivi_binari. Every read is bounds-checked; a malformed file gives a
// failure naming the file (`nome_file`), the byte offset and what was
// expected there, and leaves the output untouched.
piattaforma::esito leggi_tabella(std::string_view byte, const std::string& nome_file,
                                 std::array<voce, voci_tabella>& tabella);
piattaforma::esito leggi_celle(std::string_view byte, const std::string& nome_file, std::vector<cella>& celle);
piattaforma::esito leggi_tracciato(std::string_view byte, const std::string& nome_file, tracciato& punti);

}  // namespace formato
