#pragma once

#include "platform/file_system.h"

namespace piattaforma {

// Files through the wide Win32 API; paths arrive in the ANSI code page.
class file_system_windows : public file_system {
 public:
  bool esiste(const std::string& percorso) override;
  esito leggi(const std::string& percorso, std::string& contenuto) override;
  esito leggi_al_massimo(const std::string& percorso, std::string& contenuto, std::size_t massimo) override;
  esito scrivi(const std::string& percorso, std::string_view contenuto) override;
  esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) override;
  esito rinomina(const std::string& da, const std::string& a) override;
  esito elimina(const std::string& percorso) override;
  // Windows runs a program by its name; a file carries no mark for it.
  esito rendi_eseguibile(const std::string&) override { return esito::ok(); }
  genere_file genere(const std::string& percorso) override;
  esito elenca(const std::string& cartella, std::vector<std::string>& nomi) override;
  bool stesso_file(const std::string& a, const std::string& b) override;
  // The lock file nome_file_blocco in the folder, opened by one run at a
  // time and deleted by the system when its handle closes, however the process ends.
  esito blocca(const std::string& cartella, std::chrono::milliseconds attesa,
               std::unique_ptr<blocco_cartella>& blocco) override;

  static constexpr const char* nome_file_blocco = "scenario.blocco";
  esito crea_cartella(const std::string& percorso) override;
  esito cartella_scrivibile(const std::string& percorso) override;
};

}  // namespace piattaforma
