#pragma once

#include "platform/file_system.h"

namespace piattaforma {

class file_system_posix : public file_system {
 public:
  bool esiste(const std::string& percorso) override;
  esito leggi(const std::string& percorso, std::string& contenuto) override;
  esito scrivi(const std::string& percorso, std::string_view contenuto) override;
  esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) override;
  esito rinomina(const std::string& da, const std::string& a) override;
  esito elimina(const std::string& percorso) override;
  esito rendi_eseguibile(const std::string& percorso) override;
  esito crea_cartella(const std::string& percorso) override;
};

}  // namespace piattaforma
