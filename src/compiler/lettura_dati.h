#pragma once

// Pieces shared by the two halves of the parser; not part of its interface.

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "compiler/modello.h"
#include "compiler/opzioni.h"
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

struct contesto {
  piattaforma::file_system& fs;
  const sorgenti& file;
  const opzioni& o;
  modello& m;
  origine::file in_file = origine::file::nessuno;
  // The keyword item of the record being read, for diagnostics.
  testo_scenario::posizione_testo voce_chiave;
  // Entries above this one hold kilometre boards; stations must stay below it.
  std::int32_t prossimo_cartello = 80;
  // The line of the last unknown keyword warned about: its value items are not warned about again.
  origine ultima_sconosciuta;
  // The last sound line length of the general section, -1 before one is read.
  std::int64_t lunghezza_letta = -1;
};

// Sets the error record; the origin is the current keyword item.
void registra(contesto& c, std::int32_t codice);
void registra(contesto& c, std::int32_t codice, std::int32_t posizione);
// Every error but 15 ends the parse: records it and takes the file being read with it.
seguito ferma(contesto& c, std::int32_t codice);
seguito ferma(contesto& c, std::int32_t codice, std::int32_t posizione);
// Deletes a description file, when this run deletes them at all.
void elimina_descrizione(contesto& c, const std::string& percorso);
// Reads a whole description file; a failure is a guasto.
std::string leggi_descrizione(contesto& c, const std::string& percorso);

// Reads the next keyword item and remembers where it began.
std::string leggi_chiave(contesto& c, testo_scenario::lettore_voci& l);
// Outside the general section: the keyword of the next record, past up to two
// comment items; false when a read reached the end of the file.
bool chiave_record(contesto& c, testo_scenario::lettore_voci& l, std::string& chiave);

// Warnings, collected only when the caller gave somewhere to put them. Each
// names the current keyword item.
// A keyword item that matched no record; headers, comments and empty items are meant to match nothing.
void avverti_se_sconosciuta(contesto& c, const std::string& chiave, std::span<const std::string_view> parole);
// The current line is left unread on purpose: its value items are not warned about.
void tace_riga(contesto& c);
// A record cut off by the end of the file.
void avverti_record_perso(contesto& c, const std::string& chiave);
// A position behind `precedente`, the point its list had reached; `precedente` becomes `p` otherwise.
void avverti_se_indietro(contesto& c, const std::string& chiave, std::int32_t p,
                         std::optional<std::int32_t>& precedente);
// Notes the current record when it is the first to fill cell 1's reserved places.
void annota_riservati(contesto& c);

// The position check of every record: true when (p + margine) / 50 lies beyond the grid.
bool oltre_la_griglia(const modello& m, std::int32_t p, std::int32_t margine);

// The rounded cell index of a quotient; any int32 position gives a value that fits.
std::int64_t indice_cella(double quoziente);
// The cell at `indice`; an index outside the grid is a guasto, never an access.
cella& cella_in(modello& m, std::int64_t indice);

// Converted values: rounded, and they must fit their field.
std::int16_t converti_corto(double valore);
std::uint8_t converti_byte(double valore);
std::int32_t converti_numero(double valore);
// Narrow fields that are not converted take the low bits.
inline std::int16_t bassi_16(std::int64_t valore) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(valore)); }
inline std::uint8_t bassi_8(std::int64_t valore) { return static_cast<std::uint8_t>(valore); }
// A text longer than this could not be written to the table file.
void verifica_testo(const std::string& testo);

// The two halves. Each returns false when the parse ends there.
bool compila_linea(contesto& c);
void compila_treno(contesto& c);

// One station record of the service file, into table entry n.
seguito memorizza_stazione(contesto& c, testo_scenario::lettore_voci& l, std::int32_t& n);

// Extends the geometry for one curve record; returns an error number or 0.
std::int32_t estendi_curva(modello& m, std::int64_t& q, std::int32_t p, std::int32_t n, double k);
// Extends the geometry straight up to point `ultimo`.
void estendi_rettilineo(modello& m, std::int64_t& q, std::int64_t ultimo);

}  // namespace compilatore::lettura
