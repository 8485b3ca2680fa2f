#include "compiler/spiegazioni_errori.h"

#include <algorithm>

#include "compiler/errori.h"

namespace compilatore {
namespace {

using enum forma_esempio;

// `volte` lines made by `riga` from 0 upward, after a section header.
template <typename F>
std::string ripetute(std::string_view intestazione, int volte, F riga) {
  std::string testo(intestazione);
  testo += "\n";
  for (int i = 0; i < volte; ++i) testo += riga(i) + "\n";
  return testo;
}

// The starter scenario has one kilometre board; these fill the table's
// remaining entries from the far end, on free cells past the line's end.
std::string cartelli_oltre_la_linea(int quanti) {
  return ripetute("[indicazioni]", quanti, [](int i) {
    return "cartello_indicatore, " + std::to_string(12050 + 50 * i) + ", (Km " + std::to_string(12 + i) + ")";
  });
}

std::vector<spiegazione_errore> tutte() {
  std::vector<spiegazione_errore> s = {
      {errore::lunghezza_eccessiva,
       "The line is longer than 1000000 m (1000 km), the most the compiled files can hold. The length is the value "
       "of `lunghezza percorso` in the general section of the line file; when the section holds more than one, "
       "each is checked as it is read and the last one counts.",
       aggiunta_linea, "lunghezza percorso, 1000050\n", std::nullopt,
       "Give a length of at most 1000000 m. A longer route makes two scenarios."},
      {errore::progressiva_non_multipla,
       "A chainage record (`progressiva chilometrica uno`, `due` or `tre`) has a position or a value that is not a "
       "multiple of 50 m. The check is made last, after both files have been read.",
       aggiunta_linea, "progressiva chilometrica due, 1025, 5000, 0\n", std::nullopt,
       "Round the record's first two values to a multiple of 50 (a chainage of km 58+325 is written 58300 or "
       "58350)."},
      {errore::ripetizione_inizio,
       "The start of the signal repetition (the first value of `ripetizione segnali 4 codici` or `ripetizione "
       "segnali 9 codici`) is not a multiple of 50 m.",
       aggiunta_linea, "ripetizione segnali 4 codici, 1625, 12000\n", std::nullopt,
       "Round the start to a multiple of 50."},
      {errore::ripetizione_fine,
       "The end of the signal repetition (the second value of `ripetizione segnali 4 codici` or `ripetizione "
       "segnali 9 codici`) is not a multiple of 50 m.",
       aggiunta_linea, "ripetizione segnali 4 codici, 1650, 11990\n", std::nullopt,
       "Round the end to a multiple of 50. An end of 0 means no repetition."},
      {errore::ripetizione_codici,
       "The keyword of the signal repetition holds neither the digit 4 nor the digit 9, so the number of codes "
       "repeated is unknown. A keyword is a signal repetition when it contains the words `segnali` and "
       "`ripetizione` in small letters; then a 4 in it means 4 codes, else a 9 means 9 codes.",
       aggiunta_linea, "ripetizione segnali, 1650, 12000\n", std::nullopt,
       "Write `ripetizione segnali 4 codici` or `ripetizione segnali 9 codici`. For no repetition keep the "
       "keyword and give 0 as the end."},
      {errore::cartello_su_cella_occupata,
       "A kilometre board (`cartello_indicatore`) falls in a 50 m cell that already holds something: a speed "
       "board, another kilometre board. A board at position p takes the cell round(p / 50 + 1), and the line "
       "file's records take their cells in the order they are written, so the first one keeps the cell.",
       aggiunta_linea, "[indicazioni]\ncartello_indicatore, 5000, (Km 5+000)\n", 5000,
       "Move one of the two by 50 m or more."},
      {errore::abbattimento_su_cella_occupata,
       "An `abbattimento` record falls in a cell that already holds something. An abbattimento at p takes the "
       "cell round(p / 50), one cell before the one a signal at the same position takes, so a signal at 1650 m "
       "and an abbattimento at 1700 m share a cell.",
       aggiunta_treno, "[segnali]\nabbattimento, 1700, 0\n", 1700, "Move the abbattimento by 50 m or more."},
      {errore::stazione_non_multipla, "A station's position (its first value) is not a multiple of 50 m.",
       aggiunta_treno, "[stazioni]\nstazione, 12025, 12, 400, 0, 0, 0, 1,1,0, 4,1,1, 0, 0, 0, 0, OLTRE\n", 12025,
       "Round the position to a multiple of 50."},
      {errore::marciapiede_non_multiplo,
       "A station's platform length (its third value) is not a multiple of 100 m. The position reported is the "
       "station's.",
       aggiunta_treno, "[stazioni]\nstazione, 12500, 12, 450, 0, 0, 0, 1,1,0, 4,1,1, 0, 0, 0, 0, OLTRE\n", 12500,
       "Round the platform length to a multiple of 100."},
      {errore::troppe_stazioni,
       "The compiled table has 80 entries for the stations and the kilometre boards together: stations fill it "
       "from the first entry up, boards from the last down. With b kilometre boards in the line file at most "
       "78 - b stations fit. The example adds 76 boards to the starter scenario's one, which leaves room for one "
       "station only.",
       aggiunta_linea, cartelli_oltre_la_linea(76), std::nullopt,
       "Use fewer kilometre boards or fewer stations. A station the train passes without any event of its own "
       "still takes an entry."},
      {errore::abbattimento_prima_segnale,
       "The compiler adds abbattimento points of its own around every slowdown (see the description format). "
       "Every signal in the 20 cells (1000 m) before a slowdown's warning board gets one in one of the two cells "
       "just before it; here both cells hold events that are not abbattimento points. In the example two "
       "signals stand in the two cells before the starter scenario's signal at 6500 m, which lies before the "
       "warning of its slowdown at 8500 m. The position is the signal's cell times 50.",
       aggiunta_treno,
       "[segnali]\nsegnale, 6450, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\nsegnale, 6400, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n", 6550,
       "Leave the 100 m before a signal that precedes a slowdown's warning free, or move the slowdown."},
      {errore::abbattimento_prima_rallentamento,
       "Before every slowdown's start the compiler places three abbattimento points of its own: one 250 to "
       "350 m, one 550 to 650 m and one 900 to 1000 m before it, each in the first free cell of three. Here all "
       "three cells of one of them hold events. The position is the cell of the slowdown's start (the start at "
       "x is in cell round(x / 50 + 1)) times 50.",
       aggiunta_treno,
       "[segnali]\nsegnale, 8150, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\nsegnale, 8200, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n"
       "segnale, 8250, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n",
       8550, "Keep signals and other events from filling all three cells of one window, or move the slowdown."},
      {errore::abbattimento_nel_rallentamento,
       "Inside a slowdown slower than 110 km/h the compiler places an abbattimento point every 8 cells (400 m) "
       "from its start, and one just before the first signal within 12 cells after its end. Here none of the "
       "cells it may use was free: the cell due, the one before it or the one after it (for the point after the "
       "end: the two cells before the signal). The position is the cell due times 50 (for the point after the "
       "end: the slowdown's end cell times 50). In the example the slowdown's end cell is due, and the signals "
       "take the cells on both sides of it.",
       aggiunta_treno,
       "[segnali]\nsegnale, 8850, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\nsegnale, 8950, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n", 8950,
       "Move the signals or other events away from the slowdown, or change its length by 50 m or more."},
      {errore::oltre_la_griglia,
       "A record's position lies beyond the end of the compiled grid, which runs 7000 m past the end of the line: "
       "a record at p is refused when (p + 100) / 50 is greater than the grid's last cell, round((length + "
       "7000) / 50); a station when (p + 800) / 50 is. A record past the line's end but within those 7000 m is "
       "accepted. After this error no further record of the same file is read; an error in the line file still "
       "lets the service file be read, and an error found there replaces this one.",
       aggiunta_treno, "[segnali]\nsegnale, 19000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n", 19000,
       "Put the record within the line, or make the line longer."},
      {errore::segnale_su_cella_occupata,
       "A signal falls in a cell that already holds something: another signal, a board of the line file (a "
       "speed board, a kilometre or text board), a station's stop point, a part of a slowdown, an abbattimento. "
       "A signal at p takes the cell round(p / 50 + 1), so two signals less than "
       "50 m apart may share one. The service file's records take their cells in the order they are written: "
       "the first keeps the cell.",
       aggiunta_treno, "[segnali]\nsegnale, 1650, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n", 1650,
       "Move one of the two by 50 m or more."},
      {errore::avviso_su_cella_occupata,
       "The warning board of a slowdown, 1200 m before its start, falls in a cell that already holds something. "
       "A slowdown at x has its warning in the cell round((x - 1200) / 50 + 1). In the example the warning of a "
       "second slowdown falls on the start of the starter scenario's slowdown.",
       aggiunta_treno, "[rallentamenti]\nrallentamento, 9700, 60, 200, 0, 0, 0\n", 9700,
       "Move the slowdown, or what holds the cell, by 50 m or more."},
      {errore::inizio_su_cella_occupata,
       "The start of a slowdown falls in a cell that already holds something. A slowdown at x starts in the cell "
       "round(x / 50 + 1). In the example a second slowdown starts where the starter scenario's one ends.",
       aggiunta_treno, "[rallentamenti]\nrallentamento, 8900, 60, 200, 0, 0, 0\n", 8900,
       "Move the slowdown, or what holds the cell, by 50 m or more."},
      {errore::fine_su_cella_occupata,
       "The end of a slowdown falls in a cell that already holds something. A slowdown at x of length l ends in "
       "the cell round((x + l) / 50 + 1). In the example a second slowdown ends on the warning board of the "
       "starter scenario's one.",
       aggiunta_treno, "[rallentamenti]\nrallentamento, 7000, 60, 300, 0, 0, 0\n", 7000,
       "Change the slowdown's position or length by 50 m or more."},
      {errore::preavviso_su_cella_occupata,
       "A slowdown with its fifth value (`f_ta`) set to 1 also marks the four cells just before its warning "
       "board, round((x - 1200) / 50) and the three before it; one of them already holds something.",
       aggiunta_treno, "[rallentamenti]\nrallentamento, 8550, 60, 100, 0, 1, 0\n", 8550,
       "Move the slowdown, or what stands in the 200 m before its warning, or set `f_ta` to 0."},
      {errore::indicatore_su_cella_occupata,
       "A speed board (`indicatori_vmax`) falls in a cell that already holds something: another speed board, a "
       "kilometre board. A board at p takes the cell round(p / 50 + 1).",
       aggiunta_linea, "[cartelli]\nindicatori_vmax, 5000, 100, 100, 100, 0, 100, 100, 100, 0\n", 5000,
       "Move one of the two by 50 m or more."},
      {errore::stazioni_troppo_vicine,
       "A station's area begins less than 350 m after the area of the station before it in the file ends. The "
       "area depends on the station's kind and platform length (see the description format). Stations must be "
       "listed in running order: one listed after a station further along the line gives this error too.",
       aggiunta_treno, "[stazioni]\nstazione, 12000, 12, 400, 0, 0, 0, 1,1,0, 4,1,1, 0, 0, 0, 0, OLTRE\n", 12000,
       "Move the station further on, shorten a platform, or put the stations in running order."},
      {errore::fermata_troppo_vicina,
       "A station's stop point would fall in cell 1 or before it. The stop point is the cell round(f / 50 - 1), "
       "where f is the end of the station's area; it must be cell 2 or later, so the area must end after 100 m.",
       aggiunta_treno, "[stazioni]\nstazione, 0, 12, 200, 0, 0, 0, 1,1,0, 4,1,1, 0, 0, 0, 0, INIZIO\n", std::nullopt,
       "Move the station further from the start, or lengthen its platform: a terminal of kind 8 at 0 m with a "
       "500 m platform has its area end at 500 m."},
      {errore::generico,
       "A value could not be read as its record needs it, or a description file could not be read. The message "
       "says what was found. A whole number is a run of digits with an optional minus sign: `12.5`, `+5`, `1e3` "
       "and words are refused. Each value must also fit its kind: a byte 0 to 255, a short -32768 to 32767, a "
       "number -2147483648 to 2147483647. A text may not begin with a double quote. A speed limit must be 0 to "
       "1277 km/h, and a speed board's field must stay within 16 bits once packed. The same error comes from a "
       "record whose values run on past the end of the file, a text longer than 65535 bytes, a missing or "
       "unreadable service file, and a general section of the line file that ends the file inside a run of "
       "comment lines.",
       aggiunta_treno, "sabbia, molta\n", std::nullopt,
       "Write the value as a whole number of its kind, at the line and column the message gives."},
      {errore::curva_oltre_tracciato,
       "A curve runs past the end of the plan-view geometry, which has a point for every metre up to 7000 m past "
       "the line's end: a curve at p of length n needs p + n to be at most the length + 6998.",
       aggiunta_linea, "[curve]\ncurvad4, 18000, 1000\n", 18000, "Shorten the curve, or end it within the line."},
      {errore::rallentamento_oltre_griglia,
       "A slowdown ends past the end of the compiled grid (7000 m past the line's end): its end cell, "
       "round((x + l) / 50 + 1), is beyond the last cell.",
       aggiunta_treno, "[rallentamenti]\nrallentamento, 10000, 60, 9000, 0, 0, 0\n", 10000,
       "Shorten the slowdown, or end it within the line."},
      {errore::stazione_oltre_griglia,
       "A station's area ends past the end of the compiled grid (7000 m past the line's end).", aggiunta_treno,
       "[stazioni]\nstazione, 18100, 8, 1000, 0, 0, 0, 1,1,0, 4,1,1, 0, 0, 0, 0, OLTRE\n", 18100,
       "Put the station within the line."},
      {errore::preavviso_segnale_prima_inizio,
       "A signal is too near the start of the line: the compiler marks the 2nd, 4th, 6th and 8th cell before a "
       "signal's cell, and those would lie before the first cell. A signal must stand at 325 m or further.",
       aggiunta_treno, "[segnali]\nsegnale, 300, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\n", 300,
       "Move the signal to 325 m or further."},
      {errore::troppe_montagne,
       "The line file has more than 80 mountain records, the most the compiler keeps. The example adds 80 to "
       "the starter scenario's one.",
       aggiunta_linea, ripetute("[montagne]", 80, [](int) { return std::string("montagna, 12500, 12600, 1"); }), 12500,
       "Join neighbouring mountains into one record."},
      {errore::montagna_oltre_griglia,
       "A mountain ends past the end of the compiled grid (7000 m past the line's end): its last cell, "
       "round(b / 50 - 1) for an end at b, is beyond the last cell.",
       aggiunta_linea, "[montagne]\nmontagna, 18000, 20000, 1\n", 18000, "End the mountain within the line."},
      {errore::troppi_cartelli,
       "The line file has more than 80 kilometre boards, the most the compiled table holds; every board also "
       "leaves one station less room (see error 10). The example adds 80 boards to the starter scenario's one; "
       "the position is the first board that does not fit.",
       aggiunta_linea, cartelli_oltre_la_linea(80), 16000, "Use at most 80 kilometre boards."},
      {errore::lunghezza_mancante,
       "The general section of the line file has no `lunghezza percorso` record, so the line has no length and "
       "nothing can be placed on it. The general section ends at the first section header after `[generale]`: "
       "a length written after it is not seen.",
       linea_intera, "[generale]\nsfondo uno, 1\n[curve]\nlunghezza percorso, 12000\n[fine]\n", std::nullopt,
       "Write `lunghezza percorso, LENGTH` in the general section, before any other header."},
      {errore::lunghezza_negativa, "The line length (`lunghezza percorso`) is negative.", aggiunta_linea,
       "lunghezza percorso, -1000\n", std::nullopt, "Give the length in metres, 0 to 1000000."},
      {errore::posizione_negativa,
       "A record's position lies before the start of the line: a gradient, speed limit, adhesion, mountain, "
       "speed board, kilometre board, signal, slowdown or abbattimento whose cell would have a number below 0.",
       aggiunta_linea, "[pendenze]\npendenza, -100, 5\n", -100,
       "Positions are metres from the start of the line: 0 or more."},
      {errore::linea_mancante,
       "The line description file named on the command line does not exist. (A missing service file is error "
       "25.)",
       senza_linea, "", std::nullopt, "Check the file's name and folder: `BASE_linea.txt`."},
      {errore::generale_mancante,
       "No item of the line file contains `[generale]`, so its general section is not found. Everything before "
       "the first item that contains it is skipped, whatever it says.",
       linea_intera, "lunghezza percorso, 12000\n[curve]\n[fine]\n", std::nullopt,
       "Start the line file's records with a line `[generale]`."},
      {errore::curva_non_valida,
       "A curve's keyword (any keyword containing `curva`) holds none of the digits 1 to 6, so its radius class "
       "is unknown; or the geometry would grow past metre 1000000, which only a line close to the longest can "
       "reach.",
       aggiunta_linea, "[curve]\ncurvad, 3000, 200\n", std::nullopt,
       "Write the class after the side: `curvas1` to `curvas6` to the left, `curvad1` to `curvad6` to the right."},
      {errore::segnaposto_occupati,
       "The compiler writes an identification mark into the first field of cell 1 (the stretch around 50 m), and "
       "something is already there: a speed board, a kilometre board or a slowdown start at a position within "
       "24 m of 0, an abbattimento at 26 to 74 m, or a point the compiler placed itself for a slowdown that "
       "starts less than about 1000 m from the start of the line.",
       aggiunta_linea, "[cartelli]\nindicatori_vmax, 0, 100, 100, 100, 0, 100, 100, 100, 0\n", std::nullopt,
       "Move the record to 50 m or further."},
      {errore::codici_occupati,
       "The compiler writes an identification code into the second field of cell 1 (the stretch around 50 m), "
       "and something is already there: a record placed in cell 1 whose second value is not 0 though its first "
       "is, such as a speed board at 0 m whose first pair of speeds is 0.",
       aggiunta_linea, "[cartelli]\nindicatori_vmax, 0, 0, 100, 0, 0, 0, 100, 0, 0\n", std::nullopt,
       "Move the record to 50 m or further."},
  };
  std::sort(s.begin(), s.end(), [](const auto& a, const auto& b) { return a.numero < b.numero; });
  return s;
}

}  // namespace

const std::vector<spiegazione_errore>& spiegazioni_errori() {
  static const std::vector<spiegazione_errore> tabella = tutte();
  return tabella;
}

const spiegazione_errore* spiegazione(std::int32_t numero) {
  const auto& tabella = spiegazioni_errori();
  const auto trovata = std::find_if(tabella.begin(), tabella.end(),
                                    [numero](const spiegazione_errore& s) { return s.numero == numero; });
  return trovata == tabella.end() ? nullptr : &*trovata;
}

}  // namespace compilatore
