#include "tools/esamina/codifica.h"

#include <array>

namespace strumenti {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the five it leaves undefined keep their
// C1 code point.
constexpr std::array<char32_t, 32> da_80_a_9f = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void aggiungi_utf8(std::string& out, char32_t p) {
  if (p < 0x80) {
    out.push_back(static_cast<char>(p));
  } else if (p < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (p >> 6)));
    out.push_back(static_cast<char>(0x80 | (p & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (p >> 12)));
    out.push_back(static_cast<char>(0x80 | ((p >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (p & 0x3F)));
  }
}

}  // namespace

char32_t punto_codice(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return da_80_a_9f[c - 0x80u];
  return c;
}

std::string in_utf8(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (const char c : testo) aggiungi_utf8(out, punto_codice(static_cast<unsigned char>(c)));
  return out;
}

std::string per_xml(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (const char c : testo) {
    const char32_t p = punto_codice(static_cast<unsigned char>(c));
    switch (p) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        if (p >= 0x80) {
          out += "&#" + std::to_string(static_cast<unsigned long>(p)) + ";";
        } else if (p < 0x20) {
          out += ' ';  // XML 1.0 allows no control characters
        } else {
          out.push_back(static_cast<char>(p));
        }
    }
  }
  return out;
}

std::string per_terminale(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (const char c : testo) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t p = punto_codice(byte);
    if (p >= 0x20 && (p < 0x7F || p > 0x9F)) {
      out.push_back(c);
      continue;
    }
    out += "\\x";
    out.push_back("0123456789ABCDEF"[byte >> 4]);
    out.push_back("0123456789ABCDEF"[byte & 0xF]);
  }
  return out;
}

}  // namespace strumenti
