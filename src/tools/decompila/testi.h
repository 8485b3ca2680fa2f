#pragma once

#include <string>
#include <string_view>

namespace decompila {

// Whether a text of the table (a station's name, a board's) reads back the
// same from a description: the reader ends a text at a comma or a line end,
// skips blanks before it, drops blanks after it and refuses a leading quote.
bool testo_scrivibile(std::string_view testo);

// The text made writable: commas and line ends become blanks, the blanks at
// either end and a leading quote go.
std::string rendi_scrivibile(std::string_view testo);

}  // namespace decompila
