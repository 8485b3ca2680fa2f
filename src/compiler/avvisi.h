#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "compiler/modello.h"
#include "scenario_text/lettore_voci.h"

namespace compilatore {

// Something the compile did to the author's text that the author may not
// have meant: a record ignored, a value changed to fit, an item erased. The
// parser collects these only when asked (opzioni::avvisi); they never change
// what is compiled.
struct avviso {
  // Each kind has a stable name (nome_avviso), shown as avviso[nome] and
  // used by editors and by the handbook; never rename one.
  enum class genere : std::uint8_t {
    voce_sconosciuta,            // a keyword item that matches no record
    record_perso,                // a record cut off because the file does not end with "[fine]"
    fuori_ordine,                // a list entry or curve behind the one before it
    valore_troncato,             // a value stored otherwise than written, to fit its field
    voce_sovrascritta,           // an item erased by another one written over it
    oltre_la_linea,              // an item past the end of the line, on the grid's extension
    lato_curva,                  // a curve keyword whose side may not be the one meant
    rallentamento_senza_avviso,  // a slowdown too near the start for its warning board
    rallentamenti_sovrapposti,   // two slowdowns over the same stretch
    rallentamento_oltre_limite,  // a slowdown faster than the speed limit in force
    indicatore_discorde,         // a speed board that shows none of the service's limits
    orario_indietro,             // a station's time before the one of the station before it
    orario_non_valido,           // a time or the clock with hours, minutes or seconds out of range
    montagna_vuota,              // a mountain that marks no cell
    montagne_vicine,             // a mountain so near the one before that its kind becomes 3
    servizio_vuoto,              // a service file that gives no station, speed limit or adhesion
    testo_utf8,                  // a name or board text that looks like UTF-8
    nome_tagliato,               // a name cut to fit a crew document's column (the documents raise it)
  };
  genere tipo = genere::voce_sconosciuta;
  origine dove;
  // What the compile did, in words an author can act on, without the name.
  std::string testo;
  // voce_sconosciuta: the one keyword near the item, else empty.
  std::string suggerimento;
};

// A kind's stable name and its one-line summary.
struct scheda_avviso {
  avviso::genere tipo;
  std::string_view nome;
  std::string_view sommario;
};

// Every kind, in the order of the enumeration.
std::span<const scheda_avviso> schede_avvisi();
std::string_view nome_avviso(avviso::genere tipo);

// Edit distance with adjacent transpositions, ignoring ASCII letter case.
std::int32_t distanza_modifica(std::string_view a, std::string_view b);

// The keyword nearest to `voce` when it is within a small distance and no
// other keyword is as near; empty otherwise. Cheap for an item of any length:
// a keyword whose length is too far from the item's is not compared at all.
std::string parola_vicina(std::string_view voce, std::span<const std::string_view> parole);

// An author's text quoted in a message, cut when long: 'abc', 'abcd...'.
using testo_scenario::citazione;

}  // namespace compilatore
