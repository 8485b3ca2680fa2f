#pragma once

#include <cstdint>

#include "compiler/errore_compilazione.h"
#include "compiler/modello.h"
#include "compiler/opzioni.h"
#include "platform/file_system.h"

namespace compilatore {

// Reads both description files into `m`; the caller has cleared the table and
// set m.calcola_tracciato. Leaves the outcome in `e`. A read error of the
// text and a failure of the platform are the generic error, 25; any other
// exception is a fault of the program and leaves as it is.
void memorizza_dati(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o, modello& m,
                    errore_compilazione& e);

// Puts the three chainage records (formato::voce_progressiva_tre to _uno) in
// their final order. A flagged value that cannot take its 100 m more is a
// failure of the input (lettura::guasto), as a value out of its field's range is.
void progressive_ordina(modello& m);

// The helpers write cells directly and return an error number, 0 when the
// record went in; the caller records the error and decides what follows.
std::int32_t memo_montagna(modello& m, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);
std::int32_t memo_indicatori_v_max(modello& m, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                                   std::int32_t vcs, std::int32_t strisces, std::int32_t vad, std::int32_t vbd,
                                   std::int32_t vcd, std::int32_t strisced);
std::int32_t memo_segnale(modello& m, std::int32_t posizione, std::int32_t sx, std::int32_t s1, std::int32_t s2,
                          std::int32_t s3, std::int32_t rapp, std::int32_t dx, std::int32_t d1, std::int32_t d2,
                          std::int32_t d3, std::int32_t tempo);
// The cells of a slowdown starting at x: its start, its warning (-1 when it
// has none), its end for a length l, and the first of the four cells before
// its warning, counting down.
std::int64_t cella_inizio_rallentamento(std::int32_t x);
std::int64_t cella_avviso_rallentamento(std::int32_t x);
std::int64_t cella_fine_rallentamento(std::int32_t x, std::int32_t l);
std::int64_t cella_prima_avviso(std::int32_t x);
std::int32_t memo_rallentamento(modello& m, std::int32_t x, std::int32_t v, std::int32_t l, std::int32_t f_tt,
                                std::int32_t f_ta, std::int32_t d_v);

}  // namespace compilatore
