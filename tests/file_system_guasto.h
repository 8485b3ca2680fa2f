#pragma once

#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/file_system_delegato.h"

// A file system that passes everything to another one except the fault it is
// told to inject on one path, to see what a run or a tool leaves behind when
// the platform fails at the worst moment.
class file_system_guasto : public piattaforma::file_system_delegato {
 public:
  enum class guasto {
    nessuno,
    scrittura_a_meta,      // half the bytes reach the file, then the write fails: a torn file
    chiusura_fallita,      // every byte reaches the file, then closing it fails
    rinomina_fallita,      // moving a finished file over the path fails, nothing moves
    cartella_bloccata,     // the directory refuses every write, whatever the path
    lettura_fallita,       // the path cannot be read
    eliminazione_fallita,  // the path cannot be deleted
    memoria_esaurita,      // reading the path runs out of memory (std::bad_alloc)
    difetto_interno,       // reading the path throws: a fault of the program, not of the platform
    eseguibile_negato,     // the path cannot be made runnable
  };

  // The reasons the platform gives, as a user would read them.
  static constexpr std::string_view ragione_scrittura = "spazio esaurito sul dispositivo";
  static constexpr std::string_view ragione_chiusura = "errore di chiusura del file";
  static constexpr std::string_view ragione_rinomina = "impossibile sostituire il file";
  static constexpr std::string_view ragione_cartella = "permesso negato";
  static constexpr std::string_view ragione_lettura = "errore di lettura dal dispositivo";
  static constexpr std::string_view ragione_eliminazione = "file in uso da un altro processo";
  static constexpr std::string_view ragione_eseguibile = "operazione non permessa";
  // What the program's fault says: a std::logic_error.
  static constexpr std::string_view ragione_difetto = "indice fuori dai limiti (difetto simulato)";

  file_system_guasto(piattaforma::file_system& sotto, guasto tipo, std::string percorso)
      : file_system_delegato(sotto), tipo_(tipo), percorso_(std::move(percorso)) {}

  piattaforma::esito leggi(const std::string& percorso, std::string& contenuto) override {
    if (tipo_ == guasto::lettura_fallita && percorso == percorso_) return fallisci(percorso, ragione_lettura);
    if (tipo_ == guasto::memoria_esaurita && percorso == percorso_) {
      ++guasti_iniettati;
      throw std::bad_alloc();
    }
    if (tipo_ == guasto::difetto_interno && percorso == percorso_) {
      ++guasti_iniettati;
      throw std::logic_error(std::string(ragione_difetto));
    }
    return file_system_delegato::leggi(percorso, contenuto);
  }

  piattaforma::esito scrivi(const std::string& percorso, std::string_view contenuto) override {
    if (tipo_ == guasto::cartella_bloccata) return fallisci(percorso, ragione_cartella);
    // The target and its temporary both count: a writer that bypassed the
    // temporary would tear the target itself, and the test would see it.
    const bool colpito = percorso == percorso_ || piattaforma::bersaglio_di(percorso) == percorso_;
    if (colpito && tipo_ == guasto::scrittura_a_meta) {
      static_cast<void>(sotto().scrivi(percorso, contenuto.substr(0, contenuto.size() / 2)));
      return fallisci(percorso, ragione_scrittura);
    }
    if (colpito && tipo_ == guasto::chiusura_fallita) {
      static_cast<void>(sotto().scrivi(percorso, contenuto));
      return fallisci(percorso, ragione_chiusura);
    }
    return file_system_delegato::scrivi(percorso, contenuto);
  }

  // Pieces are joined and pass through scrivi, so its faults apply to them
  // too: file_system's own joining, not the delegate's forwarding.
  piattaforma::esito scrivi_a_pezzi(const std::string& percorso, piattaforma::pezzi_contenuto& pezzi) override {
    return file_system::scrivi_a_pezzi(percorso, pezzi);  // NOLINT(bugprone-parent-virtual-call)
  }

  piattaforma::esito rinomina(const std::string& da, const std::string& a) override {
    if (tipo_ == guasto::rinomina_fallita && a == percorso_) return fallisci(a, ragione_rinomina);
    return file_system_delegato::rinomina(da, a);
  }

  piattaforma::esito elimina(const std::string& percorso) override {
    if (tipo_ == guasto::eliminazione_fallita && percorso == percorso_) return fallisci(percorso, ragione_eliminazione);
    return file_system_delegato::elimina(percorso);
  }

  piattaforma::esito rendi_eseguibile(const std::string& percorso) override {
    if (tipo_ == guasto::eseguibile_negato &&
        (percorso == percorso_ || piattaforma::bersaglio_di(percorso) == percorso_))
      return fallisci(percorso, ragione_eseguibile);
    return file_system_delegato::rendi_eseguibile(percorso);
  }

  // How many times the fault was injected; a case whose fault never fired tests nothing.
  int guasti_iniettati = 0;

 private:
  piattaforma::esito fallisci(const std::string& percorso, std::string_view ragione) {
    ++guasti_iniettati;
    return piattaforma::esito::errore(percorso, std::string(ragione));
  }

  guasto tipo_;
  std::string percorso_;
};
