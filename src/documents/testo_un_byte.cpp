#include "documents/testo_un_byte.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace documenti {
namespace {

// The characters that Windows-1252 puts at 80-9F in place of control codes.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> oltre_latino = {{
    {U'\u20AC', 0x80}, {U'\u201A', 0x82}, {U'\u0192', 0x83}, {U'\u201E', 0x84}, {U'\u2026', 0x85}, {U'\u2020', 0x86},
    {U'\u2021', 0x87}, {U'\u02C6', 0x88}, {U'\u2030', 0x89}, {U'\u0160', 0x8A}, {U'\u2039', 0x8B}, {U'\u0152', 0x8C},
    {U'\u017D', 0x8E}, {U'\u2018', 0x91}, {U'\u2019', 0x92}, {U'\u201C', 0x93}, {U'\u201D', 0x94}, {U'\u2022', 0x95},
    {U'\u2013', 0x96}, {U'\u2014', 0x97}, {U'\u02DC', 0x98}, {U'\u2122', 0x99}, {U'\u0161', 0x9A}, {U'\u203A', 0x9B},
    {U'\u0153', 0x9C}, {U'\u017E', 0x9E}, {U'\u0178', 0x9F},
}};

std::optional<unsigned char> byte_di(char32_t carattere) {
  if (carattere < 0x80 || (carattere >= 0xA0 && carattere <= 0xFF)) return static_cast<unsigned char>(carattere);
  for (const auto& [c, b] : oltre_latino) {
    if (c == carattere) return b;
  }
  return std::nullopt;
}

struct carattere {
  char32_t valore;
  std::size_t inizio;
};

// The characters of strict UTF-8 (no overlong forms, no surrogates), or
// nothing when `testo` is not UTF-8.
std::optional<std::vector<carattere>> decodifica(std::string_view testo) {
  std::vector<carattere> caratteri;
  for (std::size_t i = 0; i < testo.size();) {
    const auto b = static_cast<unsigned char>(testo[i]);
    int seguenti = 0;
    char32_t valore = 0;
    char32_t minimo = 0;
    if (b < 0x80) {
      valore = b;
    } else if ((b & 0xE0) == 0xC0) {
      seguenti = 1, valore = b & 0x1F, minimo = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      seguenti = 2, valore = b & 0x0F, minimo = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      seguenti = 3, valore = b & 0x07, minimo = 0x10000;
    } else {
      return std::nullopt;
    }
    if (testo.size() - i <= static_cast<std::size_t>(seguenti) && seguenti > 0) return std::nullopt;
    for (int k = 1; k <= seguenti; ++k) {
      const auto s = static_cast<unsigned char>(testo[i + static_cast<std::size_t>(k)]);
      if ((s & 0xC0) != 0x80) return std::nullopt;
      valore = (valore << 6) | (s & 0x3F);
    }
    const bool surrogato = valore >= 0xD800 && valore <= 0xDFFF;
    if (valore < minimo || surrogato || valore > 0x10FFFF) return std::nullopt;
    caratteri.push_back({valore, i});
    i += static_cast<std::size_t>(seguenti) + 1;
  }
  return caratteri;
}

}  // namespace

conversione_un_byte in_un_byte(std::string_view testo) {
  const auto caratteri = decodifica(testo);
  const bool solo_ascii = caratteri && caratteri->size() == testo.size();
  if (!caratteri || solo_ascii) return {std::string(testo), std::nullopt};
  conversione_un_byte risultato;
  for (const carattere& c : *caratteri) {
    if (c.valore == U'\uFEFF' && c.inizio == 0) continue;  // the byte order mark
    const auto b = byte_di(c.valore);
    if (!b) return {{}, c.inizio};
    risultato.testo.push_back(static_cast<char>(*b));
  }
  return risultato;
}

}  // namespace documenti
