#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the crew documents say that the descriptions do not: the author fills
// it in in a short text file beside them, BASE_CODICE_documenti.txt, one
// entry a line, "voce, valore":
//
//   classificazione, REGIONALE       the train's class: the train sheet's box, the notes' first line
//   rango,           B               the letter after the top speed in the train sheet's box "V140 B"
//   massa bloccata,  180             tonnes, the train sheet's box "180T"
//   descrizione,     ...             a line of the notes under the first one; as many as wanted
//   autore,          ...             the notes' signature
//   contatto,        ...             the notes' contact address, shown in parentheses
//   orario,          Giugno 2001     the notes' timetable edition: "Orario Giugno 2001"
//   sigla,           5A              the notes' last line
//
// Every entry may be left out. A line that starts with "-" is a comment;
// blank lines are skipped. The value is the rest of the
// line after the comma, without the blanks around it; commas inside it stay.
namespace documenti {

struct dati_autore {
  std::string classificazione;
  std::string rango;
  std::string massa_bloccata;
  std::vector<std::string> descrizione;
  std::string autore;
  std::string contatto;
  std::string orario;
  std::string sigla;
};

// A line of the file that cannot be read, where and why.
struct errore_dati_autore {
  std::int32_t riga = 0;  // from 1
  std::int32_t colonna = 0;
  std::string messaggio;
};

struct lettura_dati_autore {
  dati_autore dati;
  std::optional<errore_dati_autore> errore;
};

// Reads the file's bytes; text in UTF-8 is made single-byte as the documents are.
lettura_dati_autore leggi_dati_autore(std::string_view testo);

// The file's name: BASE_CODICE_documenti.txt.
std::string nome_dati_autore(std::string_view nome_base, std::string_view codice_treno);

}  // namespace documenti
