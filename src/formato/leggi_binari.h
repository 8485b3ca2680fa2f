#pragma once

#include <array>
#include <cstdint>
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

// The three files belong together: the table records the line's length
// (entry voce_lunghezza), which fixes how many cells and geometry points the
// other two have. The length, when it is one a line can have.
piattaforma::esito leggi_lunghezza(const std::array<voce, voci_tabella>& tabella, const std::string& nome_file,
                                   std::int32_t& lunghezza);
// Whether the cells, or the geometry, are as many as a line of `lunghezza`
// m has: a file cut short on a record's end is caught here.
piattaforma::esito verifica_celle(const std::vector<cella>& celle, std::int32_t lunghezza,
                                  const std::string& nome_file);
piattaforma::esito verifica_tracciato(const tracciato& punti, std::int32_t lunghezza, const std::string& nome_file);

}  // namespace formato
