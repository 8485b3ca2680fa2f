#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace compilatore {

// How an error's example is given: as lines added to the starter scenario
// (compila_scenario --nuovo) in one of its two files, or, for the errors no
// added line can cause, as a whole line file or as no line file at all.
enum class forma_esempio : std::uint8_t { aggiunta_linea, aggiunta_treno, linea_intera, senza_linea };

// One entry of the error catalogue, for authors: what the error means, the
// smallest example that gives it, and how to put it right. The texts are
// Markdown (inline code in backticks), one paragraph each.
struct spiegazione_errore {
  std::int32_t numero = 0;
  std::string significato;
  forma_esempio forma = forma_esempio::aggiunta_linea;
  std::string esempio;                    // the lines, each ended by "\n"; empty without a line file
  std::optional<std::int32_t> posizione;  // the position the example's error reports, if it has one
  std::string correzione;
};

// Every error number's entry, in increasing order of number.
const std::vector<spiegazione_errore>& spiegazioni_errori();
// The entry of one number; none for a number that is not an error.
const spiegazione_errore* spiegazione(std::int32_t numero);

}  // namespace compilatore
