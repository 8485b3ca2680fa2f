#pragma once

#include <string>
#include <utility>

namespace piattaforma {

// The outcome of a platform operation: success, or a failure that says
// which file and why, in words a user can act on.
class esito {
 public:
  static esito ok() { return esito(); }
  // A failure not tied to one file.
  static esito errore(std::string messaggio) { return esito({}, std::move(messaggio)); }
  // A failure on a file: "<percorso>: <ragione>".
  static esito errore(const std::string& percorso, std::string ragione) {
    return esito(percorso, std::move(ragione));
  }

  bool riuscito() const { return !fallito_; }
  const std::string& percorso() const { return percorso_; }
  const std::string& ragione() const { return ragione_; }
  std::string messaggio() const { return percorso_.empty() ? ragione_ : percorso_ + ": " + ragione_; }

 private:
  esito() = default;
  esito(std::string percorso, std::string ragione)
      : fallito_(true), percorso_(std::move(percorso)), ragione_(std::move(ragione)) {}

  bool fallito_ = false;
  std::string percorso_;
  std::string ragione_;
};

}  // namespace piattaforma
