#pragma once

#include <string>
#include <utility>

namespace piattaforma {

// The outcome of a platform operation: success, or a failure that says
// which file and why, in words a user can act on.
class esito {
 public:
  static esito ok() { return esito(); }
  static esito errore(std::string messaggio) { return esito(std::move(messaggio)); }

  bool riuscito() const { return !fallito_; }
  const std::string& messaggio() const { return messaggio_; }

 private:
  esito() = default;
  explicit esito(std::string messaggio) : fallito_(true), messaggio_(std::move(messaggio)) {}

  bool fallito_ = false;
  std::string messaggio_;
};

}  // namespace piattaforma
