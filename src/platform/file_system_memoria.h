#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace piattaforma {

// Files held in a map, for tests that need no disk. Every path in the map is
// a regular file; a folder is every prefix of one up to a '/'.
class file_system_memoria : public file_system {
 public:
  bool esiste(const std::string& percorso) override;
  esito leggi(const std::string& percorso, std::string& contenuto) override;
  esito scrivi(const std::string& percorso, std::string_view contenuto) override;
  esito rinomina(const std::string& da, const std::string& a) override;
  esito elimina(const std::string& percorso) override;
  esito rendi_eseguibile(const std::string& percorso) override;
  genere_file genere(const std::string& percorso) override;
  esito elenca(const std::string& cartella, std::vector<std::string>& nomi) override;
  bool stesso_file(const std::string& a, const std::string& b) override;
  // Held at once, or refused at once when the folder is in `occupate`.
  esito blocca(const std::string& cartella, std::chrono::milliseconds attesa,
               std::unique_ptr<blocco_cartella>& blocco) override;
  // Every folder can be written and made, except those a test marks.
  esito crea_cartella(const std::string& percorso) override;
  esito cartella_scrivibile(const std::string& percorso) override;

  std::map<std::string, std::string> file;
  std::set<std::string> eseguibili;    // the files marked runnable
  std::set<std::string> occupate;      // folders another run holds for longer than any wait
  std::map<std::string, int> tenute;   // how many holds each folder has now
  std::set<std::string> cartelle;      // the folders made; files need none to be written
  std::set<std::string> sola_lettura;  // folders where nothing can be made
};

}  // namespace piattaforma
