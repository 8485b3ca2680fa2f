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
// The text as it was, single-byte, but for its control characters (C0, DEL
// and C1), written as "\xNN": a compiled file's text must not move the
// cursor or retitle the terminal it is shown on.
std::string per_terminale(std::string_view testo);

}  // namespace strumenti
