#pragma once

#include <string>
#include <string_view>
#include <utility>

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

// Every file operation of the system goes through this interface, so that
// the compiler and the writers run the same on disk, in memory (tests) and
// under injected faults. An operation on a file that is not there fails with
// esito::non_trovato: act, and look at the outcome, rather than ask esiste()
// first.
class file_system {
 public:
  virtual ~file_system() = default;

  virtual bool esiste(const std::string& percorso) = 0;
  // Reads the whole file into `contenuto`.
  virtual esito leggi(const std::string& percorso, std::string& contenuto) = 0;
  // Creates or truncates `percorso` and writes all of `contenuto`; fails
  // unless every byte reached the file and the file closed cleanly.
  virtual esito scrivi(const std::string& percorso, std::string_view contenuto) = 0;
  // As scrivi, with the content in pieces. By default the pieces are joined
  // and passed to scrivi, so a file system need not know about pieces.
  virtual esito scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi);
  // Moves `da` over `a`, replacing an existing `a` in one step.
  virtual esito rinomina(const std::string& da, const std::string& a) = 0;
  virtual esito elimina(const std::string& percorso) = 0;
  // Lets the file be run as a program, where the platform keeps such a mark
  // on files (Windows runs any .exe). Pure, so that no wrapper forgets to pass it on.
  virtual esito rendi_eseguibile(const std::string& percorso) = 0;
  // Creates the folder and every missing folder above it; a folder that is
  // already there is no failure, a file in its place is.
  virtual esito crea_cartella(const std::string& percorso) = 0;
};

// Replaces `percorso` with exactly `contenuto`. The new content goes to a
// temporary file beside the target and is renamed over it only once it is
// whole, so a failure leaves the older file as it was and no torn file.
esito sostituisci_file(file_system& fs, const std::string& percorso, std::string_view contenuto);
// The same, with the content in pieces.
esito sostituisci_file(file_system& fs, const std::string& percorso, pezzi_contenuto& pezzi);

// The same for a program: the temporary file is made runnable before the
// rename, so `percorso` is never a program that cannot be run.
esito sostituisci_eseguibile(file_system& fs, const std::string& percorso, std::string_view contenuto);

// The name of the temporary file that sostituisci_file uses for `percorso`.
std::string percorso_temporaneo(const std::string& percorso);

}  // namespace piattaforma
