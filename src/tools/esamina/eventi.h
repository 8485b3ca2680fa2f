#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formato/strutture.h"

namespace strumenti {

// One decoded value of an event, named as the description file names it.
struct valore_evento {
  std::string nome;
  std::int32_t numero = 0;
};

// A cell that holds an event, with its values taken apart again.
struct evento_letto {
  std::int32_t cella = 0;
  std::int64_t metri = 0;  // cell index x 50
  std::uint8_t codice = 0;
  std::string nome;
  std::array<std::int16_t, 4> dati{};
  std::uint8_t tempo_segnale = 0;
  std::vector<valore_evento> valori;
  std::string testo;  // the stop's station name or the board's text, when the event points at the table
};

// The event's name; "evento sconosciuto" for a code the compiler never writes.
std::string_view nome_evento(std::uint8_t codice);

evento_letto decodifica_evento(std::int32_t indice, const formato::cella& c,
                               const std::array<formato::voce, formato::voci_tabella>& tabella);

}  // namespace strumenti
