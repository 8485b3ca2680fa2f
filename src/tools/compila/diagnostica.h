#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/avvisi.h"

namespace strumento_compila {

// A place in a file as editors take it: line and column, both from 1.
struct punto_sorgente {
  std::int32_t riga = 1;
  std::int32_t colonna = 1;
};

// "errore N: description", then " (posizione P m)" when the error has one,
// then ": cause" when the compile said what it ran into, and last the hint
// where the error is explained.
std::string messaggio_errore(std::int32_t numero, std::int32_t posizione, std::string_view causa = {});
// " (compila_scenario --spiega N)".
std::string suggerimento_spiega(std::int32_t numero);
// "avviso: ..." in words an author can act on.
std::string messaggio_avviso(const compilatore::avviso& a);

// One diagnostic: "FILE:LINE:COLUMN: message", then the source line and a
// caret under the column, as compilers print them. Without a place, or when
// the source is not at hand, it is "FILE: message" alone; a place past the
// file's last line keeps its line and column but shows no source.
std::string diagnostica(std::string_view file, std::optional<punto_sorgente> posto, std::string_view messaggio,
                        const std::optional<std::string>& sorgente);

// Line `riga` (from 1) of `testo` without its line end; nothing past the last line.
std::optional<std::string_view> riga_di(std::string_view testo, std::int32_t riga);

}  // namespace strumento_compila
