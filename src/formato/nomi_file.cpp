#include "formato/nomi_file.h"

#include "platform/piattaforma.h"

namespace formato {

nomi_file forma_nomi(std::string_view cartella, std::string_view nome_base, std::string_view codice_treno) {
  const std::string base(nome_base);
  const std::string treno = base + "_" + std::string(codice_treno);
  const auto in_cartella = [&](const std::string& nome) { return piattaforma::unisci_percorso(cartella, nome); };
  return nomi_file{
      .linea_txt = in_cartella(base + "_linea.txt"),
      .treno_txt = in_cartella(treno + "-.txt"),
      .note_txt = in_cartella(treno + "_note.txt"),
      .rallentamenti_txt = in_cartella(treno + "_rallentamenti.txt"),
      .scheda_txt = in_cartella(treno + "_scheda_treno.txt"),
      .tracciato_dat = in_cartella(base + "_linea.dat"),
      .tabella_sim = in_cartella(treno + ".sim"),
      .celle_dat = in_cartella(treno + ".dat"),
  };
}

}  // namespace formato
