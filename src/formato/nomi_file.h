#pragma once

#include <string>
#include <string_view>

namespace formato {

// The full paths of every file of a run: program directory, the platform's
// separator, then a name formed from the base name and the train code.
struct nomi_file {
  std::string linea_txt;          // <base>_linea.txt
  std::string treno_txt;          // <base>_<treno>-.txt
  std::string note_txt;           // <base>_<treno>_note.txt
  std::string rallentamenti_txt;  // <base>_<treno>_rallentamenti.txt
  std::string scheda_txt;         // <base>_<treno>_scheda_treno.txt
  std::string tracciato_dat;      // <base>_linea.dat
  std::string tabella_sim;        // <base>_<treno>.sim
  std::string celle_dat;          // <base>_<treno>.dat
};

nomi_file forma_nomi(std::string_view cartella, std::string_view nome_base, std::string_view codice_treno);

}  // namespace formato
