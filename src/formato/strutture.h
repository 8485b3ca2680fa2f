#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formato/voci.h"
#include "platform/memoria_grande.h"

// The records of the three compiled files, as the compiler fills them and a
// reader gets them back. Their order on disk is in formato/campi.h.

namespace formato {

// One 50 m stretch of line.
struct cella {
  std::uint8_t evento = 0;
  std::int16_t dato1 = 0;
  std::int16_t dato2 = 0;
  std::int16_t dato3 = 0;
  std::int16_t dato4 = 0;
  std::uint8_t tempo_segnale = 0;
  std::uint8_t preavviso = 0;
  std::uint8_t tipo_montagna = 0;
  std::uint8_t vel_limite = 0;
  std::uint8_t pendenza = 0;
  std::uint8_t aderenza = 0;

  bool operator==(const cella&) const = default;
};

// A record of the table: a station, a kilometre board's text or a header.
struct voce {
  std::uint8_t tipo_stazione = 0;
  std::int32_t inizio = 0;
  std::int32_t fine = 0;
  std::int32_t progressiva = 0;
  std::uint8_t capolinea = 0;
  std::string nome;
  std::int16_t gruppo_a1 = 0;
  std::int16_t gruppo_a2 = 0;
  std::int16_t gruppo_b1 = 0;
  std::int16_t gruppo_b2 = 0;
  std::int16_t gruppo_b3 = 0;
  std::uint8_t gruppo_a3 = 0;
  std::uint8_t sosta = 0;
  std::uint8_t prolunga = 0;
  std::uint8_t flag_lunghezza = 0;
  std::int32_t orario = 0;

  bool operator==(const voce&) const = default;
};

// Event codes of cella::evento.
namespace evento {
inline constexpr std::uint8_t nessuno = 0;
inline constexpr std::uint8_t segnale = 1;
inline constexpr std::uint8_t fine_rallentamento = 2;
inline constexpr std::uint8_t inizio_rallentamento = 3;
inline constexpr std::uint8_t avviso_rallentamento = 4;
inline constexpr std::uint8_t prima_avviso = 5;
inline constexpr std::uint8_t indicatore_v_max = 6;
inline constexpr std::uint8_t fermata = 10;
inline constexpr std::uint8_t segno_montagna = 11;
inline constexpr std::uint8_t abbattimento = 12;
inline constexpr std::uint8_t abbattimento_senza_valore = 13;
inline constexpr std::uint8_t cartello_indicatore = 14;
}  // namespace evento

// The per-metre plan view. Element kinds follow from how it is built: points 0
// and 1 are the seeded 16-bit integers (0, 0) and (0, 1), points 2 to
// assegnati - 1 are computed doubles, the points after them were never assigned.
struct tracciato {
  // The element's type code on disk.
  enum class tipo : std::uint16_t { vuoto = 0, intero = 2, reale = 5 };

  // Written whole as soon as they are sized, so they take memory meant for that.
  using valori = std::vector<double, piattaforma::allocatore_grande<double>>;

  valori x;  // indexes 0 to lunghezza_estesa
  valori y;
  std::int32_t assegnati = 0;

  bool esiste() const { return !x.empty(); }
  std::int32_t ultimo_indice() const { return static_cast<std::int32_t>(x.size()) - 1; }
  tipo tipo_di(std::int32_t metro) const {
    if (metro >= assegnati) return tipo::vuoto;
    return metro < 2 ? tipo::intero : tipo::reale;
  }
};

}  // namespace formato
