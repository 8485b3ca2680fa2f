#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Fixed-width fields of the text writers' lines: the crew documents' ruled
// tables and the pieces of a board text.
namespace testo_scenario {

// `testo` followed by blanks up to `larghezza`. A longer text is refused
// (std::length_error), since a field that overflows would shift everything
// after it on the line.
std::string a_sinistra(std::string_view testo, std::size_t larghezza);

// Blanks followed by `testo` up to `larghezza`; a longer text is refused.
std::string a_destra(std::string_view testo, std::size_t larghezza);

}  // namespace testo_scenario
