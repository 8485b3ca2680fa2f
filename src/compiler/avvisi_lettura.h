#pragma once

// The warnings about what a record's values become: values that do not fit
// their fields, times that are not times, text that is not single-byte. Each does nothing unless warnings are wanted.

#include <cstdint>
#include <string>

#include "compiler/lettura_dati.h"
#include "formato/valori_cella.h"

namespace compilatore::lettura {

// A 16-bit field given value number `indice` of the record: `nome` ("il valore") when it wraps.
void avverti_se_corto_troncato(contesto& c, const std::string& chiave, const char* nome, std::int32_t valore,
                               std::size_t indice);
// A signal's or a speed board's values that the packed cell gives back otherwise.
void avverti_se_segnale_troncato(contesto& c, const std::string& chiave, const formato::valori_segnale& scritti,
                                 const cella& cl);
void avverti_se_indicatore_troncato(contesto& c, const std::string& chiave, const formato::valori_indicatore& scritti,
                                    const cella& cl);
// A mountain read as `scritto` that memo_montagna stored as kind `tipo`.
void avverti_montagna(contesto& c, const std::string& chiave, std::int32_t a, std::int32_t b, std::int32_t scritto,
                      std::int32_t tipo);
// A slowdown's values v: x, v, l, f_tt, f_ta, d_v.
void avverti_rallentamento(contesto& c, const std::string& chiave, const std::int32_t (&v)[6]);
// The clock's hours, minutes and seconds.
void avverti_se_orario_non_valido(contesto& c, const std::string& chiave, std::int32_t ore, std::int32_t minuti,
                                  std::int32_t secondi);
// A station's time, against its range and the time of the station before it.
void avverti_orario_stazione(contesto& c, const voce& v, std::int32_t ore, std::int32_t minuti, std::int32_t secondi);
// A name or board text, value number `indice`, that holds a UTF-8 sequence.
void avverti_se_utf8(contesto& c, const std::string& testo, std::size_t indice);

}  // namespace compilatore::lettura
