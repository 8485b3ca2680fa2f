#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace strumento_compila {

// What the two file names say about the scenario.
struct nomi_sorgenti {
  std::string cartella;      // the line file's directory, "." when the name has none
  std::string nome_base;     // from BASE_linea.txt
  std::string codice_treno;  // from BASE_CODICE-.txt
};

struct lettura_nomi {
  std::optional<nomi_sorgenti> validi;
  std::string errore;  // which name is wrong and the form it must have
};

// The base name from the line file's name, the train code from the service
// file's; the service file must carry the same base name.
lettura_nomi ricava_nomi(std::string_view linea, std::string_view treno);

}  // namespace strumento_compila
