#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "compiler/modello.h"

namespace compilatore {

// Something the format silently ignores that an author surely did not mean.
// The parser collects these only when asked (opzioni::avvisi); they never
// change what is compiled.
struct avviso {
  enum class genere : std::uint8_t {
    voce_sconosciuta,    // a keyword item that matches no record
    record_perso,        // a record cut off because the file does not end with "[fine]"
    posizione_indietro,  // a position behind the one before it, in a list read in running order
  };
  genere tipo = genere::voce_sconosciuta;
  origine dove;
  std::string voce;            // the keyword item as read
  std::string suggerimento;    // voce_sconosciuta: the one keyword near it, else empty
  std::int32_t posizione = 0;  // posizione_indietro: this record's position...
  std::int32_t precedente = 0; // ...and the point of the list it falls behind
};

// Edit distance with adjacent transpositions, ignoring ASCII letter case.
std::int32_t distanza_modifica(std::string_view a, std::string_view b);

// The keyword nearest to `voce` when it is within a small distance and no
// other keyword is as near; empty otherwise.
std::string parola_vicina(std::string_view voce, std::span<const std::string_view> parole);

}  // namespace compilatore
