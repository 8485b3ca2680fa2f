#pragma once

#include <string>
#include <vector>

#include "compiler/compilatore.h"
#include "documents/documenti_generati.h"
#include "formato/nomi_file.h"
#include "platform/file_system.h"
#include "tools/compila/argomenti.h"

namespace strumento_compila {

// The files a request writes, in the output folder `nomi` names: the table
// and the cells, the geometry unless --no-geometry, the documents with
// --documenti.
std::vector<std::string> uscite_di(const richiesta& r, const formato::nomi_file& nomi);

// Writes the binary files and, when `d` is given, the three documents, all
// together: every one replaced, or, on a failure, none.
piattaforma::esito scrivi_uscite(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                 const compilatore::modello_pulito& pulito, const documenti::documenti_generati* d);

}  // namespace strumento_compila
