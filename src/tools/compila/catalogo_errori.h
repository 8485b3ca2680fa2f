#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/spiegazioni_errori.h"

namespace strumento_compila {

// The base name and train code of the starter scenario the catalogue's
// examples are added to.
inline constexpr std::string_view base_esempi = "Prova";
inline constexpr std::string_view codice_esempi = "1";

// One error's entry, in Markdown: what compila_scenario --spiega prints and
// docs/errori.md holds.
std::string voce_catalogo(const compilatore::spiegazione_errore& s);
// The whole of docs/errori.md.
std::string catalogo_markdown();
// The error numbers, runs of three or more joined: "1-13, 15-22, ..., 1250, 1251".
std::string elenco_numeri();

}  // namespace strumento_compila
