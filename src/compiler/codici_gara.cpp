#include "compiler/codici_gara.h"

#include <array>
#include <cstddef>
#include <string>

#include "compiler/errori.h"
#include "formato/voci.h"

namespace compilatore {

namespace {

constexpr std::size_t caratteri_codice = 25;
// Guarantees 25 characters whatever the names' length.
constexpr const char* riempitivo = "aabbccddeeffgghhiillmmnnoo";

constexpr std::int16_t segnaposto_tabella = 610;
constexpr std::int16_t segnaposto_cella = 5121;

// Lower case as the single-byte code page has it: A-Z and the upper-case
// letters of the upper half, so accented names give stable codes.
unsigned char minuscola(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

// The character codes that take part in both codes, as byte values 0 to 255.
std::array<unsigned char, caratteri_codice> testo_codice(const modello& m) {
  const std::string testo =
      m.tabella[formato::voce_ripetizione].nome + m.tabella[formato::voce_nome_base].nome + riempitivo;
  std::array<unsigned char, caratteri_codice> codici{};
  for (std::size_t i = 0; i < caratteri_codice; ++i) {
    codici[i] = minuscola(static_cast<unsigned char>(testo[i]));
  }
  return codici;
}

}  // namespace

std::int16_t codice_gara_og(const modello& m) {
  std::int32_t somma = 0;
  for (unsigned char c : testo_codice(m)) somma += c;
  return static_cast<std::int16_t>(somma);
}

std::int32_t codice_gara_st(const modello& m) {
  const auto codici = testo_codice(m);
  std::int32_t somma = 0;
  for (std::size_t i = 0; i < codici.size(); ++i) {
    somma += codici[i] * static_cast<std::int32_t>(i + 1);
  }
  return somma;
}

std::int32_t timbra_codici(modello& m) {
  if (m.celle.size() < 2) return errore::segnaposto_occupati;
  voce& v = m.tabella[formato::voce_nome_base];
  cella& prima = m.celle[1];
  if (v.gruppo_a1 != 0 || prima.dato1 != 0) return errore::segnaposto_occupati;
  v.gruppo_a1 = segnaposto_tabella;
  prima.dato1 = segnaposto_cella;
  if (v.orario != 0 || prima.dato2 != 0) return errore::codici_occupati;
  v.orario = codice_gara_st(m);
  prima.dato2 = codice_gara_og(m);
  return errore::nessuno;
}

}  // namespace compilatore
