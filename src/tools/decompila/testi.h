#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/decompila/anomalie.h"

namespace decompila {

// Whether a text of the table (a station's name, a board's) reads back the
// same from a description: the reader ends a text at a comma or a line end,
// skips blanks before it, drops blanks after it and refuses a leading quote.
bool testo_scrivibile(std::string_view testo);

// The text made writable: commas and line ends become blanks, the blanks at
// either end and a leading quote go.
std::string rendi_scrivibile(std::string_view testo);

// The text of table entry `voce` of `file` as a description can hold it; a
// text that had to change is a fault of the entry, `cosa` naming the text.
std::string testo_per_descrizione(anomalie& a, const std::string& file, std::int32_t voce, std::string_view cosa,
                                  const std::string& testo);

}  // namespace decompila
