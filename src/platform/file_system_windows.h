#pragma once

#include "platform/file_system.h"

namespace piattaforma {

// Files through the wide Win32 API; paths arrive in the ANSI code page.
class file_system_windows : public file_system {
 public:
  bool esiste(const std::string& percorso) override;
  esito leggi(const std::string& percorso, std::string& contenuto) override;
  esito scrivi(const std::string& percorso, std::string_view contenuto) override;
  esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) override;
  esito rinomina(const std::string& da, const std::string& a) override;
  esito elimina(const std::string& percorso) override;
  // Windows runs a program by its name; a file carries no mark for it.
  esito rendi_eseguibile(const std::string&) override { return esito::ok(); }
  esito crea_cartella(const std::string& percorso) override;
};

}  // namespace piattaforma
