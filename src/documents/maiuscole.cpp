#include "documents/maiuscole.h"

namespace documenti {
namespace {

// The accented letters sit at C0-DE (capitals) and E0-FE (small), 32 apart;
// D7 and F7 are the signs of multiplication and division.
bool minuscola(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7); }
bool maiuscola(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

char alta(char c) {
  const auto b = static_cast<unsigned char>(c);
  return minuscola(b) ? static_cast<char>(b - 0x20) : c;
}

char bassa(char c) {
  const auto b = static_cast<unsigned char>(c);
  return maiuscola(b) ? static_cast<char>(b + 0x20) : c;
}

bool lettera(char c) {
  const auto b = static_cast<unsigned char>(c);
  return minuscola(b) || maiuscola(b);
}

}  // namespace

std::string in_maiuscolo(std::string_view testo) {
  std::string risultato(testo);
  for (char& c : risultato) c = alta(c);
  return risultato;
}

std::string in_minuscolo(std::string_view testo) {
  std::string risultato(testo);
  for (char& c : risultato) c = bassa(c);
  return risultato;
}

std::string iniziali_maiuscole(std::string_view testo) {
  std::string risultato(testo);
  bool dopo_lettera = false;
  for (char& c : risultato) {
    const bool e_lettera = lettera(c);
    c = dopo_lettera ? bassa(c) : alta(c);
    dopo_lettera = e_lettera;
  }
  return risultato;
}

}  // namespace documenti
