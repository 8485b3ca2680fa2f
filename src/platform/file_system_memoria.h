#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace piattaforma {

// Files held in a map, for tests that need no disk.
class file_system_memoria : public file_system {
 public:
  bool esiste(const std::string& percorso) override;
  esito leggi(const std::string& percorso, std::string& contenuto) override;
  esito scrivi(const std::string& percorso, std::string_view contenuto) override;
  esito rinomina(const std::string& da, const std::string& a) override;
  esito elimina(const std::string& percorso) override;
  esito rendi_eseguibile(const std::string& percorso) override;
  esito crea_cartella(const std::string& percorso) override;

  std::map<std::string, std::string> file;
  std::set<std::string> eseguibili;  // the files marked runnable
  std::set<std::string> cartelle;    // the folders made; files need none to be written
};

}  // namespace piattaforma
