#pragma once

#include "platform/file_system.h"

namespace piattaforma {

class file_system_posix : public file_system {
 public:
  bool esiste(const std::string& percorso) override;
  esito leggi(const std::string& percorso, std::string& contenuto) override;
  esito leggi_al_massimo(const std::string& percorso, std::string& contenuto, std::size_t massimo) override;
  esito scrivi(const std::string& percorso, std::string_view contenuto) override;
  esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) override;
  esito rinomina(const std::string& da, const std::string& a) override;
  esito elimina(const std::string& percorso) override;
  esito rendi_eseguibile(const std::string& percorso) override;
  genere_file genere(const std::string& percorso) override;
  esito elenca(const std::string& cartella, std::vector<std::string>& nomi) override;
  bool stesso_file(const std::string& a, const std::string& b) override;
  // flock on the folder itself: the system lets it go when the process ends, however it ends.
  esito blocca(const std::string& cartella, std::chrono::milliseconds attesa,
               std::unique_ptr<blocco_cartella>& blocco) override;
  esito crea_cartella(const std::string& percorso) override;
  esito cartella_scrivibile(const std::string& percorso) override;
};

}  // namespace piattaforma
