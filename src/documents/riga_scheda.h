#pragma once

#include <string>
#include <string_view>

// One data row of the train sheet's table, built from its values.
namespace documenti {

// The Orario column (16 characters) in each of its forms; a time is "hh.mm".
std::string orario_partenza(std::string_view ora);
std::string orario_fermata(std::string_view arrivo, std::string_view partenza);
std::string orario_transito(std::string_view ora);
std::string orario_arrivo(std::string_view ora);
std::string senza_orario();

struct voce_scheda {
  int velocita = 0;                // km/h where the permitted speed changes, 0 elsewhere
  std::string_view progressiva;    // kilometre position, "349.970"
  std::string luogo;               // at most 27 characters
  std::string orario;              // one of the forms above
  std::string_view recupero;       // "0.5", "1.5" or empty
};

// " |" and the seven fields, each closed by "|": 83 characters. Both speed
// columns carry the same speed; the column "No Rs" stays blank.
std::string riga_scheda(const voce_scheda& voce);

}  // namespace documenti
