#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/avvisi.h"

namespace strumento_compila {

// A place in a file as editors take it: line and column, both from 1.
struct punto_sorgente {
  std::int32_t riga = 1;
  std::int32_t colonna = 1;
};

// "description", then " (posizione P m)" when the error has one, then
// ": cause" when the compile said what it ran into, then "; detail".
std::string testo_errore(std::int32_t numero, std::int32_t posizione, std::string_view causa = {},
                         std::string_view dettaglio = {});
// "errore N: " and the same, and last the hint where the error is explained.
std::string messaggio_errore(std::int32_t numero, std::int32_t posizione, std::string_view causa = {},
                             std::string_view dettaglio = {});
// " (compila_scenario --spiega N)".
std::string suggerimento_spiega(std::int32_t numero);
// "avviso[nome]: ..." in words an author can act on.
std::string messaggio_avviso(const compilatore::avviso& a);

// Where each line of a text starts, found once, so that any line is had at
// once however many diagnostics point into the text. Lines end as the
// reader ends them: CR LF, LF or CR alone.
class indice_righe {
 public:
  explicit indice_righe(std::string_view testo);
  // Line `riga` (from 1) without its line end; nothing past the last line.
  std::optional<std::string_view> riga(std::int32_t riga) const;

 private:
  std::string_view testo_;
  std::vector<std::size_t> inizi_;
};

// One diagnostic: "FILE:LINE:COLUMN: message", then the source line and a
// caret under the column, as compilers print them. Without a place, or when
// the source is not at hand, it is "FILE: message" alone; a place past the
// file's last line keeps its line and column but shows no source. A long
// line is shown only around the column, cut with "...".
std::string diagnostica(std::string_view file, std::optional<punto_sorgente> posto, std::string_view messaggio,
                        const indice_righe* sorgente);
std::string diagnostica(std::string_view file, std::optional<punto_sorgente> posto, std::string_view messaggio,
                        const std::optional<std::string>& sorgente);

// Line `riga` (from 1) of `testo` without its line end; nothing past the last line.
std::optional<std::string_view> riga_di(std::string_view testo, std::int32_t riga);

}  // namespace strumento_compila
