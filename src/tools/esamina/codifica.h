#pragma once

#include <string>
#include <string_view>

namespace strumenti {

// The scenario's texts are single-byte (Windows-1252). JSON wants UTF-8 and
// the picture is plain ASCII with character references, so both convert here.
char32_t punto_codice(unsigned char c);
std::string in_utf8(std::string_view testo);
// Escapes the XML specials and writes every non-ASCII byte as "&#N;".
std::string per_xml(std::string_view testo);

}  // namespace strumenti
