#pragma once

// The entries of the compiled table with a fixed meaning: the only place their
// numbers are written.

namespace formato {

// Entries 0 to 86; entry 0 is never filled.
inline constexpr int voci_tabella = 87;

// Stations take entries from voce_prima_stazione upward, kilometre boards from
// voce_primo_cartello downward; the two meet wherever the scenario has them meet.
inline constexpr int voce_prima_stazione = 1;
inline constexpr int voce_primo_cartello = 80;

// The three chainage records, as the line description names them. Once sorted,
// voce_progressiva_tre holds the record that applies from the largest position.
inline constexpr int voce_progressiva_tre = 81;
inline constexpr int voce_progressiva_due = 82;
inline constexpr int voce_progressiva_uno = 83;

// inizio = braked-mass percentage, fine = line length in metres, progressiva = cars.
inline constexpr int voce_lunghezza = 84;
// inizio, progressiva, fine = backgrounds one, two, three; nome = the base name;
// gruppo_a1 and orario = the table's identification marker and code.
inline constexpr int voce_nome_base = 85;
// inizio, fine, progressiva = start, end and code count of the signal
// repetition; nome = the train code; gruppo_a1 = sand; gruppo_b1, gruppo_b2,
// gruppo_b3 = the clock's hours, minutes, seconds.
inline constexpr int voce_ripetizione = 86;

}  // namespace formato
