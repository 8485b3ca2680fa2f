#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace piattaforma {

// Passes every call to another file system. A test derives from it and
// overrides only what should behave otherwise (a fault on one path, a file
// changed as it is written), and the rest stays the wrapped system's own.
// scrivi_a_pezzi goes to the wrapped system as it is: a class that changes
// what is written overrides it too, for example with file_system's own
// scrivi_a_pezzi, which joins the pieces and passes them through scrivi.
// leggi_al_massimo is file_system's own, through leggi, so that a fault on
// leggi applies to both reads.
class file_system_delegato : public file_system {
 public:
  explicit file_system_delegato(file_system& sotto) : sotto_(sotto) {}

  bool esiste(const std::string& percorso) override { return sotto_.esiste(percorso); }
  esito leggi(const std::string& percorso, std::string& contenuto) override {
    return sotto_.leggi(percorso, contenuto);
  }
  esito scrivi(const std::string& percorso, std::string_view contenuto) override {
    return sotto_.scrivi(percorso, contenuto);
  }
  esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) override {
    return sotto_.scrivi_a_pezzi(percorso, pezzi);
  }
  esito rinomina(const std::string& da, const std::string& a) override { return sotto_.rinomina(da, a); }
  esito elimina(const std::string& percorso) override { return sotto_.elimina(percorso); }
  esito rendi_eseguibile(const std::string& percorso) override { return sotto_.rendi_eseguibile(percorso); }
  genere_file genere(const std::string& percorso) override { return sotto_.genere(percorso); }
  esito elenca(const std::string& cartella, std::vector<std::string>& nomi) override {
    return sotto_.elenca(cartella, nomi);
  }
  bool stesso_file(const std::string& a, const std::string& b) override { return sotto_.stesso_file(a, b); }
  esito blocca(const std::string& cartella, std::chrono::milliseconds attesa,
               std::unique_ptr<blocco_cartella>& blocco) override {
    return sotto_.blocca(cartella, attesa, blocco);
  }
  esito crea_cartella(const std::string& percorso) override { return sotto_.crea_cartella(percorso); }
  esito cartella_scrivibile(const std::string& percorso) override { return sotto_.cartella_scrivibile(percorso); }

  file_system& sotto() const { return sotto_; }

 private:
  file_system& sotto_;
};

}  // namespace piattaforma
