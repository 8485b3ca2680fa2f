#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/esamina/eventi.h"

namespace strumenti {

// How one kind of thing on the line is drawn, the same in the picture, the
// page and their legends. `forma` names the glyph both draw.
struct tipo_segno {
  std::string_view chiave;
  std::string_view nome;  // single-byte text, for the legend
  std::string_view colore;
  std::string_view forma;
};

// Every kind, in legend order.
std::span<const tipo_segno> tipi_segno();
const tipo_segno& segno(std::string_view chiave);

// The decoded value of that name, 0 when the event has none.
std::int32_t valore_di(const evento_letto& e, std::string_view nome);

// The kind an event of the cells is drawn as.
std::string_view chiave_evento(const evento_letto& e);

// A short label beside the event's mark ("4/1" for a signal's first aspects,
// the board's speeds or text, the slowdown's speed); may be empty.
std::string etichetta_evento(const evento_letto& e);

}  // namespace strumenti
