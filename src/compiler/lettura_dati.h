#pragma once

// Pieces shared by the two halves of the parser; not part of its interface.

#include <array>
#include <cstdint>
#include <exception>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "compiler/errore_compilazione.h"
#include "compiler/modello.h"
#include "compiler/opzioni.h"
#include "formato/valori_cella.h"
#include "formato/voci.h"
#include "platform/file_system.h"
#include "scenario_text/lettore_voci.h"

namespace compilatore::lettura {

// A run-time failure of the parse that is not a read error: the frame turns
// it into the generic error, like a read error.
class guasto : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a record tells its loop to do next.
enum class seguito {
  prosegui,        // go on with the next item
  fuori_griglia,   // error 15: leave the loop, the rest of the file half still runs
  fermati,         // an error that ends the parse
  fine_file,       // the record's last value was the file's last item: dropped, the loop ends
};

// Narrow fields that are not converted take the low bits.
using formato::bassi_16;
using formato::bassi_8;
// Converted values: rounded, and they must fit their field; one that does not
// is a guasto.
[[noreturn]] void fuori_dai_limiti();
std::uint8_t converti_byte(double valore);
std::int32_t converti_numero(double valore);

// A list the files give in running order (gradients, speeds, adhesion): each
// entry holds from its own cell up to the cell before the next entry's.
struct elenco_corrente {
  std::uint8_t cella::*campo;                     // the field it fills
  std::uint8_t (*in_cella)(std::int32_t valore);  // a value as that field stores it
  std::string (*descrivi)(std::int32_t valore);   // a value in words, for the warnings
  // A value as the simulator reads it back from the field, and the values
  // the field holds; none for a list whose values are converted (checked).
  std::int32_t (*come_letto)(std::int32_t valore);
  const char* intervallo;
  std::int64_t indice = 0;                        // the next cell to fill
  std::int32_t in_vigore = 0;                     // the value of the last entry read
  // Where the list has got to, for the warnings.
  std::optional<std::int32_t> ultima_posizione{};
  // The value item of the entry in force, to which an error in storing it belongs...
  origine origine_in_vigore{};
  // ...and the entry before it, which a compile that goes on after errors
  // puts back in force when that value cannot be stored.
  std::int32_t in_vigore_prima = 0;
  origine origine_prima{};
  // An entry out of order whose stretch is known only once the list moves
  // on: its warning, still to be completed, and the cell its value holds from.
  struct avviso_sospeso {
    std::size_t avviso;
    std::int64_t inizio;
  };
  std::optional<avviso_sospeso> sospeso{};
  // Entries read, for the warning about a service that gives none.
  std::int32_t voci_lette = 0;
};

// A gradient is stored plus 100, a speed in units of 5 km/h, adhesion as it is.
inline std::uint8_t pendenza_in_cella(std::int32_t pendenza) { return bassi_8(std::int64_t{pendenza} + 100); }
inline std::uint8_t velocita_in_cella(std::int32_t velocita) { return converti_byte(velocita / 5.0); }
inline std::uint8_t aderenza_in_cella(std::int32_t aderenza) { return bassi_8(aderenza); }
inline std::int32_t pendenza_letta(std::int32_t pendenza) { return pendenza_in_cella(pendenza) - 100; }
inline std::int32_t aderenza_letta(std::int32_t aderenza) { return aderenza_in_cella(aderenza); }
std::string descrivi_pendenza(std::int32_t pendenza);
std::string descrivi_velocita(std::int32_t velocita);
std::string descrivi_aderenza(std::int32_t aderenza);

// A speed board as its record wrote it, for the check against the service's limits.
struct indicatore_letto {
  std::int32_t posizione = 0;
  formato::valori_indicatore valori;
  origine da;
};

// A chainage record as read, before the records are put in order.
struct progressiva_letta {
  std::int32_t posizione = 0;
  std::int32_t valore = 0;
  origine da;            // the record's keyword
  origine da_posizione;  // its first value
  origine da_valore;     // its second
};

struct contesto {
  piattaforma::file_system& fs;
  const sorgenti& file;
  const opzioni& o;
  modello& m;
  errore_compilazione& errore;
  origine::file in_file = origine::file::nessuno;
  // The keyword item of the record being read, for diagnostics.
  testo_scenario::posizione_testo voce_chiave{};
  // Entries above this one hold kilometre boards; stations must stay below it.
  std::int32_t prossimo_cartello = formato::voce_primo_cartello;
  // The line of the last unknown keyword warned about: its value items are not warned about again.
  origine ultima_sconosciuta{};
  // The last sound line length of the general section, -1 before one is read.
  std::int64_t lunghezza_letta = -1;
  // The running lists: gradients in the line file, speeds and adhesion in the service file.
  elenco_corrente pendenze{&cella::pendenza, pendenza_in_cella, descrivi_pendenza, pendenza_letta, "da -100 a 155"};
  elenco_corrente velocita{&cella::vel_limite, velocita_in_cella, descrivi_velocita, nullptr, ""};
  elenco_corrente aderenze{&cella::aderenza, aderenza_in_cella, descrivi_aderenza, aderenza_letta, "da 0 a 255"};
  // The next geometry point to compute, and where the curves laid so far end.
  std::int64_t q = 2;
  std::optional<std::int32_t> fine_curve{};
  // The table entry of the next station.
  std::int32_t n_stazione = 1;

  // The reader of the file being read, the current keyword and the number
  // of its item in the file: a record's values are the items after it.
  testo_scenario::lettore_voci* lettore = nullptr;
  std::string chiave{};
  std::uint64_t numero_chiave = 0;
  // The generic error was recorded where the reader could still be asked.
  bool generico_registrato = false;
  // The value a conversion is working on: a generic error there is its.
  std::optional<origine> valore_in_esame{};
  // The chainage records as read: tre, due, uno.
  std::array<progressiva_letta, 3> progressive_lette{};

  // What the warnings need across records, kept only when they are wanted.
  std::vector<indicatore_letto> indicatori{};
  // The time of the last station that has one, and that station's line.
  std::optional<std::int32_t> orario_precedente{};
  origine origine_orario_precedente{};
  // The service file had a "[generale]" to start from.
  bool generale_treno = false;
  // Both halves were read to their end.
  bool letti_per_intero = false;

  bool avvisi() const { return o.avvisi != nullptr; }
};

// Where the current keyword item is, and where the record's value number
// `indice` (from 0) is.
origine qui(const contesto& c);
origine al_valore(const contesto& c, std::size_t indice);

// Sets the error record; the origin is the current keyword item.
void registra(contesto& c, std::int32_t codice);
void registra(contesto& c, std::int32_t codice, std::int32_t posizione);
// Every error but 15 ends the parse: records it and takes the file being read with it.
seguito ferma(contesto& c, std::int32_t codice);
seguito ferma(contesto& c, std::int32_t codice, std::int32_t posizione);
// The same for a value that is wrong in itself: the error points at that value.
seguito ferma_al_valore(contesto& c, std::int32_t codice, std::size_t indice);
seguito ferma_al_valore(contesto& c, std::int32_t codice, std::int32_t posizione, std::size_t indice);
// The same for a record that finds its cell taken: the error says what holds it.
seguito ferma_su_cella(contesto& c, std::int32_t codice, std::int32_t posizione, std::int64_t cella);
// The generic error for a failure while a record is read: where it points
// and what it says (a read error pins its item).
void registra_generico(contesto& c, const std::exception& causa, const testo_scenario::errore_lettura* lettura);
// Runs `leggi` on the file that `l` reads: a failure inside it is recorded
// as the generic error while the reader can still say where, then goes on up.
template <typename F>
auto con_lettore(contesto& c, testo_scenario::lettore_voci& l, F&& leggi) {
  c.lettore = &l;
  try {
    auto esito = leggi();
    c.lettore = nullptr;
    return esito;
  } catch (const testo_scenario::errore_lettura& e) {
    registra_generico(c, e, &e);
    c.generico_registrato = true;
    c.lettore = nullptr;
    throw;
  } catch (const guasto& g) {
    registra_generico(c, g, nullptr);
    c.generico_registrato = true;
    c.lettore = nullptr;
    throw;
  }
}
// In a compile that goes on after errors, adds the error just recorded to
// the list; `finale` when nothing after it was checked.
void raccogli(contesto& c, bool finale);
// Deletes a description file, when this run deletes them at all; one that
// will not go is recorded in descrizione_rimasta.
void elimina_descrizione(contesto& c, const std::string& percorso);
// Reads a whole description file; a failure is a guasto, a missing file included.
std::string leggi_descrizione(contesto& c, const std::string& percorso);
// The same, but a missing file is no failure: none.
std::optional<std::string> leggi_se_presente(contesto& c, const std::string& percorso);

// Reads the next keyword item and remembers where it began.
std::string leggi_chiave(contesto& c, testo_scenario::lettore_voci& l);
// Outside the general section: the keyword of the next record, past up to two
// comment items; false when a read reached the end of the file.
bool chiave_record(contesto& c, testo_scenario::lettore_voci& l, std::string& chiave);

// Warnings, collected only when the caller gave somewhere to put them
// (c.avvisi()): a caller that builds its text first checks that. Each names
// the current keyword item unless it is given another place.
void avverti(contesto& c, avviso::genere tipo, std::string testo);
void avverti(contesto& c, avviso::genere tipo, const origine& dove, std::string testo);
// A keyword item that matched no record, with the spellings a near miss is
// compared with; headers, comments and empty items are meant to match nothing.
void avverti_sconosciuta(contesto& c, const std::string& chiave, std::span<const std::string_view> grafie);
// The current line is left unread on purpose: its value items are not warned about.
void tace_riga(contesto& c);
// A record cut off by the end of the file.
void avverti_record_perso(contesto& c, const std::string& chiave);
// Whether an entry at `p` falls behind the position its list had reached;
// when it does not, the list has reached `p`.
bool indietro(elenco_corrente& e, std::int32_t p);
// Warns about an out-of-order entry whose value `valore` holds from the
// list's running cell on; the warning says up to where once the list moves on.
void avverti_indietro(contesto& c, const std::string& chiave, std::int32_t p, elenco_corrente& e, std::int32_t valore);
// Completes the warning of a list's out-of-order entry, if one waits: its
// value holds up to the list's running cell, or to the end of the line.
void completa_avviso_sospeso(contesto& c, elenco_corrente& e, bool alla_fine);
// A record at `p` past the line's end, on the stretch the grid runs on beyond it.
void avverti_se_oltre(contesto& c, const std::string& chiave, std::int32_t p);
// Notes the current record when it is the first to fill cell 1's reserved places.
void annota_riservati(contesto& c);

// Sizes the grid and geometry for a line of `lunghezza` m, and the record of
// who wrote each cell when diagnostics are wanted; memory the model cannot
// have is a guasto, as input it cannot hold is.
void dimensiona_griglia(contesto& c, std::int32_t lunghezza);
// The line's length as the general section gave it.
std::int32_t lunghezza_linea(const modello& m);
// Notes who put the event, or the approach code, into cell `indice`, when diagnostics are wanted.
void annota_evento(contesto& c, std::int64_t indice, occupante::tipo cosa);
void annota_preavviso(contesto& c, std::int64_t indice, occupante::tipo cosa);
// "il segnale della riga 12" (with the file's name when it is the other
// file): what holds a cell's event or approach code; empty when unknown.
std::string descrivi_occupante(const contesto& c, const occupante& o);

// The position check of every record: true when (p + margine) / 50 lies beyond the grid.
bool oltre_la_griglia(const modello& m, std::int32_t p, std::int32_t margine);
// Error 15 for a record at `p`: its loop ends, the rest of the file half still runs.
seguito fuori_griglia(contesto& c, std::int32_t p);

// The next value, of the kind a field of type T holds: number, short or byte.
template <typename T>
T leggi_valore(testo_scenario::lettore_voci& l) {
  if constexpr (std::is_same_v<T, std::int32_t>) {
    return l.leggi_numero();
  } else if constexpr (std::is_same_v<T, std::int16_t>) {
    return l.leggi_corto();
  } else {
    static_assert(std::is_same_v<T, std::uint8_t>, "a field is a number, a short or a byte");
    return l.leggi_byte();
  }
}

// Reads one value per field, each of its field's kind, and stores them all
// unless the last one was the file's last item.
template <typename... T>
seguito leggi_in(testo_scenario::lettore_voci& l, T&... campi) {
  // A braced list is evaluated left to right: the values are read in file order.
  const std::tuple<T...> valori{leggi_valore<T>(l)...};
  if (l.alla_fine()) return seguito::fine_file;
  std::tie(campi...) = valori;
  return seguito::prosegui;
}

// The rounded cell index of a quotient; any int32 position gives a value that fits.
std::int64_t indice_cella(double quoziente);
// The cell at `indice`; an index outside the grid is a guasto, never an access.
cella& cella_in(modello& m, std::int64_t indice);

// A text longer than this could not be written to the table file.
void verifica_testo(const std::string& testo);

// The two halves. Each returns false when the parse ends there.
bool compila_linea(contesto& c);
void compila_treno(contesto& c);
// The checks across records once the service file is read, for the warnings.
void verifica_servizio(contesto& c);

// One entry of a running list: its position and its value.
seguito voce_elenco(contesto& c, testo_scenario::lettore_voci& l, elenco_corrente& e, const std::string& chiave);
// Writes the value in force from the list's running cell up to the cell before `fino_a`, at least one cell.
void riempi_elenco(modello& m, elenco_corrente& e, std::int64_t fino_a);
// The same within the parse: a value that cannot be stored is its entry's
// error, and a compile that goes on after errors then stores the one before.
void riempi_elenco(contesto& c, elenco_corrente& e, std::int64_t fino_a);

// One station record of the service file, into table entry c.n_stazione.
seguito memorizza_stazione(contesto& c, testo_scenario::lettore_voci& l, const std::string& chiave);

// Extends the geometry for one curve record; returns an error number or 0.
std::int32_t estendi_curva(modello& m, std::int64_t& q, std::int32_t p, std::int32_t n, double k);
// Extends the geometry straight up to point `ultimo`.
void estendi_rettilineo(modello& m, std::int64_t& q, std::int64_t ultimo);

}  // namespace compilatore::lettura
