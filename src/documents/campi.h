#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Fixed-width fields of the crew documents' ruled tables.
namespace documenti {

// `testo` followed by blanks up to `larghezza`; a longer text is refused,
// since a field that overflows would shift every bar after it.
std::string a_sinistra(std::string_view testo, std::size_t larghezza);

// Blanks followed by `testo` up to `larghezza`; a longer text is refused.
std::string a_destra(std::string_view testo, std::size_t larghezza);

}  // namespace documenti
