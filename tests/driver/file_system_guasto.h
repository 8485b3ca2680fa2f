#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

// A file system that passes everything to another one except the fault it is
// told to inject on one path, to see what the run leaves behind when the
// platform fails at the worst moment.
class file_system_guasto : public piattaforma::file_system {
 public:
  enum class guasto {
    nessuno,
    scrittura_a_meta,      // half the bytes reach the file, then the write fails: a torn file
    chiusura_fallita,      // every byte reaches the file, then closing it fails
    rinomina_fallita,      // moving a finished file over the path fails, nothing moves
    cartella_bloccata,     // the directory refuses every write, whatever the path
    lettura_fallita,       // the path cannot be read
    eliminazione_fallita,  // the path cannot be deleted
  };

  // The reasons the platform gives, as a user would read them.
  static constexpr std::string_view ragione_scrittura = "spazio esaurito sul dispositivo";
  static constexpr std::string_view ragione_chiusura = "errore di chiusura del file";
  static constexpr std::string_view ragione_rinomina = "impossibile sostituire il file";
  static constexpr std::string_view ragione_cartella = "permesso negato";
  static constexpr std::string_view ragione_lettura = "errore di lettura dal dispositivo";
  static constexpr std::string_view ragione_eliminazione = "file in uso da un altro processo";

  file_system_guasto(piattaforma::file_system& sotto, guasto tipo, std::string percorso)
      : sotto_(sotto), tipo_(tipo), percorso_(std::move(percorso)) {}

  bool esiste(const std::string& percorso) override { return sotto_.esiste(percorso); }

  piattaforma::esito leggi(const std::string& percorso, std::string& contenuto) override {
    if (tipo_ == guasto::lettura_fallita && percorso == percorso_) return fallisci(percorso, ragione_lettura);
    return sotto_.leggi(percorso, contenuto);
  }

  piattaforma::esito scrivi(const std::string& percorso, std::string_view contenuto) override {
    if (tipo_ == guasto::cartella_bloccata) return fallisci(percorso, ragione_cartella);
    // The target and its temporary both count: a writer that bypassed the
    // temporary would tear the target itself, and the test would see it.
    const bool colpito = percorso == percorso_ || percorso == piattaforma::percorso_temporaneo(percorso_);
    if (colpito && tipo_ == guasto::scrittura_a_meta) {
      static_cast<void>(sotto_.scrivi(percorso, contenuto.substr(0, contenuto.size() / 2)));
      return fallisci(percorso, ragione_scrittura);
    }
    if (colpito && tipo_ == guasto::chiusura_fallita) {
      static_cast<void>(sotto_.scrivi(percorso, contenuto));
      return fallisci(percorso, ragione_chiusura);
    }
    return sotto_.scrivi(percorso, contenuto);
  }

  piattaforma::esito rinomina(const std::string& da, const std::string& a) override {
    if (tipo_ == guasto::rinomina_fallita && a == percorso_) return fallisci(a, ragione_rinomina);
    return sotto_.rinomina(da, a);
  }

  piattaforma::esito elimina(const std::string& percorso) override {
    if (tipo_ == guasto::eliminazione_fallita && percorso == percorso_) return fallisci(percorso, ragione_eliminazione);
    return sotto_.elimina(percorso);
  }

  piattaforma::esito rendi_eseguibile(const std::string& percorso) override { return sotto_.rendi_eseguibile(percorso); }

  // How many times the fault was injected; a case whose fault never fired tests nothing.
  int guasti_iniettati = 0;

 private:
  piattaforma::esito fallisci(const std::string& percorso, std::string_view ragione) {
    ++guasti_iniettati;
    return piattaforma::esito::errore(percorso, std::string(ragione));
  }

  piattaforma::file_system& sotto_;
  guasto tipo_;
  std::string percorso_;
};
