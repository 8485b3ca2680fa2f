#pragma once

#include <cstddef>
#include <string_view>

// The byte classes of the scenario text format, for the reader and for
// whatever points into a description file by line.
namespace testo_scenario {

// A line ends at CR LF, at LF or at CR alone.
constexpr bool fine_riga(char c) { return c == '\r' || c == '\n'; }

// How many bytes the line end beginning at `i` takes: 2 for CR LF, 1 for LF or
// CR alone, 0 when no line end begins there (the end of the text included).
constexpr std::size_t lunghezza_fine_riga(std::string_view testo, std::size_t i) {
  if (i >= testo.size() || !fine_riga(testo[i])) return 0;
  return testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n' ? 2 : 1;
}

// Keywords are ASCII: only A to Z have a lower case here.
constexpr char minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace testo_scenario
