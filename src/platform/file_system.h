#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/esito.h"

namespace piattaforma {

// A file's content handed out piece by piece, so that a large file need never
// be held whole in memory.
class pezzi_contenuto {
 public:
  virtual ~pezzi_contenuto() = default;
  // The next piece; empty once the content is over. Valid until the next call.
  virtual std::string_view prossimo() = 0;
};

// A whole content as its one piece, so that a file system that streams writes
// a whole content by the same path.
class pezzo_unico : public pezzi_contenuto {
 public:
  explicit pezzo_unico(std::string_view contenuto) : contenuto_(contenuto) {}
  std::string_view prossimo() override { return std::exchange(contenuto_, {}); }

 private:
  std::string_view contenuto_;
};

// What a path names, as the path itself shows it: a link is not followed.
enum class genere_file { assente, regolare, collegamento, cartella, fifo, dispositivo, altro };

// An exclusive hold on a folder, let go when destroyed.
class blocco_cartella {
 public:
  virtual ~blocco_cartella() = default;
};

// Every file operation of the system goes through this interface, so that
// the compiler and the writers run the same on disk, in memory (tests) and
// under injected faults. An operation on a file that is not there fails with
// esito::non_trovato: act, and look at the outcome, rather than ask esiste()
// first.
class file_system {
 public:
  virtual ~file_system() = default;

  virtual bool esiste(const std::string& percorso) = 0;
  // Reads the whole file into `contenuto`. Only a regular file is read (a
  // link to one is followed): a folder, a FIFO or a device is refused, before
  // anything could wait on it or read it for ever.
  virtual esito leggi(const std::string& percorso, std::string& contenuto) = 0;
  // As leggi, but a file of more than `massimo` bytes is refused. By default
  // the file is read through leggi, so that a wrapper's faults apply to it,
  // and then measured; the platform's own file systems refuse it unread.
  virtual esito leggi_al_massimo(const std::string& percorso, std::string& contenuto, std::size_t massimo);
  // Creates `percorso` new and writes all of `contenuto`; fails unless every
  // byte reached the file and the file closed cleanly. Whatever is already at
  // the path (a file, a link, a FIFO) is left alone: esito::esistente.
  virtual esito scrivi(const std::string& percorso, std::string_view contenuto) = 0;
  // As scrivi, with the content in pieces. By default the pieces are joined
  // and passed to scrivi, so a file system need not know about pieces.
  virtual esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi);
  // Moves `da` over `a`, replacing an existing `a` in one step; a link at `a`
  // is itself replaced, never followed.
  virtual esito rinomina(const std::string& da, const std::string& a) = 0;
  virtual esito elimina(const std::string& percorso) = 0;
  // Lets the file be run as a program, where the platform keeps such a mark
  // on files (Windows runs any .exe). Pure, so that no wrapper forgets to pass it on.
  virtual esito rendi_eseguibile(const std::string& percorso) = 0;
  virtual genere_file genere(const std::string& percorso) = 0;
  // The names in a folder, without "." and "..".
  virtual esito elenca(const std::string& cartella, std::vector<std::string>& nomi) = 0;
  // Whether two paths name one file: the same existing file, or the same
  // path once "." and ".." are resolved.
  virtual bool stesso_file(const std::string& a, const std::string& b) = 0;
  // Takes the exclusive hold on `cartella` that every run writing in it
  // takes, waiting up to `attesa` for another run to let it go. Success with
  // `blocco` set: held until `blocco` is destroyed, and never left behind by
  // a process that dies. Success with `blocco` empty: the folder cannot be
  // held (a file system without locks, a folder not there) and the run goes
  // on without. A failure: another run held it for the whole wait.
  virtual esito blocca(const std::string& cartella, std::chrono::milliseconds attesa,
                       std::unique_ptr<blocco_cartella>& blocco) = 0;
  // Creates the folder and every missing folder above it; a folder that is
  // already there is no failure, a file in its place is.
  virtual esito crea_cartella(const std::string& percorso) = 0;
  // Whether a file could be made in the folder, or the folder made where it
  // is missing, without changing anything: a failure says why not.
  virtual esito cartella_scrivibile(const std::string& percorso) = 0;
};

// Several files replaced together. Each content goes to a temporary file of
// its own beside its target, new and private to this run; only when every one
// is whole are they renamed over their targets, in the order given. A failure
// leaves every older file as it was, and a temporary file never outlives the
// object.
class sostituzioni {
 public:
  explicit sostituzioni(file_system& fs) : fs_(fs) {}
  ~sostituzioni();
  sostituzioni(const sostituzioni&) = delete;
  sostituzioni& operator=(const sostituzioni&) = delete;

  // Writes the temporary file for `percorso`. A target that is a folder, a
  // FIFO or a device is refused, unwritten; a link there will be replaced.
  esito prepara(const std::string& percorso, std::string_view contenuto);
  esito prepara(const std::string& percorso, pezzi_contenuto& pezzi);
  // The same for a program: the temporary file is made runnable before the
  // rename, so the target is never a program that cannot be run.
  esito prepara_eseguibile(const std::string& percorso, std::string_view contenuto);
  // Renames every prepared file over its target.
  esito conferma();

 private:
  template <typename Scrivi>
  esito prepara_con(const std::string& percorso, Scrivi scrivi);

  struct preparato {
    std::string percorso;
    std::string temporaneo;
  };
  file_system& fs_;
  std::vector<preparato> preparati_;
};

// Replaces `percorso` with exactly `contenuto`, as a sostituzioni of one file:
// a failure leaves the older file as it was and no torn file.
esito sostituisci_file(file_system& fs, const std::string& percorso, std::string_view contenuto);
// The same, with the content in pieces.
esito sostituisci_file(file_system& fs, const std::string& percorso, pezzi_contenuto& pezzi);
// The same for a program.
esito sostituisci_eseguibile(file_system& fs, const std::string& percorso, std::string_view contenuto);

// A temporary file's name: the target's, the mark of this system's
// temporaries, then `unico`, 16 hexadecimal digits.
inline constexpr std::string_view segno_temporaneo = ".nuovo-";
inline constexpr std::size_t cifre_uniche = 16;
std::string percorso_temporaneo(const std::string& percorso, std::string_view unico);
// The target whose temporary file `percorso` is, if it is one.
std::optional<std::string> bersaglio_di(std::string_view percorso);

// Whether a file may be replaced at a path of this kind: nothing there, a
// file, or a link, which is replaced itself.
inline bool sostituibile(genere_file genere) {
  return genere == genere_file::assente || genere == genere_file::regolare || genere == genere_file::collegamento;
}
// Why a path of this kind is no file to read or replace.
std::string ragione_non_regolare(genere_file genere);
// Why a file of `byte` bytes is not read where `massimo` is the most.
std::string ragione_troppo_grande(std::uintmax_t byte, std::size_t massimo);
// Whether two paths are the same once "." and ".." are resolved, without
// asking the file system: for paths that name no file yet.
bool stesso_percorso(const std::string& a, const std::string& b);

}  // namespace piattaforma
