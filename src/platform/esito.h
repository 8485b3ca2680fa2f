#pragma once

#include <string>
#include <utility>

namespace piattaforma {

// The outcome of a platform operation: success, or a failure that says
// which file and why, in words a user can act on. A missing file is a
// failure of its own kind, so that a caller can act on the absence without
// asking first whether the file exists; so is a path that is taken when a
// file was to be created new there.
class [[nodiscard]] esito {
 public:
  static esito ok() { return esito(); }
  // A failure not tied to one file.
  static esito errore(std::string messaggio) { return esito(tipo::errore, {}, std::move(messaggio)); }
  // A failure on a file: "<percorso>: <ragione>".
  static esito errore(const std::string& percorso, std::string ragione) {
    return esito(tipo::errore, percorso, std::move(ragione));
  }
  // The file (or a folder on its path) does not exist.
  static esito non_trovato(const std::string& percorso, std::string ragione) {
    return esito(tipo::non_trovato, percorso, std::move(ragione));
  }
  // Something is already at a path that was to be created new.
  static esito esistente(const std::string& percorso, std::string ragione) {
    return esito(tipo::esistente, percorso, std::move(ragione));
  }

  bool riuscito() const { return tipo_ == tipo::riuscito; }
  bool mancante() const { return tipo_ == tipo::non_trovato; }
  bool gia_presente() const { return tipo_ == tipo::esistente; }
  const std::string& percorso() const { return percorso_; }
  const std::string& ragione() const { return ragione_; }
  std::string messaggio() const { return percorso_.empty() ? ragione_ : percorso_ + ": " + ragione_; }

  // The same failure, of the same kind, told of another file.
  esito per(const std::string& altro) const { return esito(tipo_, altro, ragione_); }

 private:
  enum class tipo { riuscito, errore, non_trovato, esistente };

  esito() = default;
  esito(tipo t, std::string percorso, std::string ragione)
      : tipo_(t), percorso_(std::move(percorso)), ragione_(std::move(ragione)) {}

  tipo tipo_ = tipo::riuscito;
  std::string percorso_;
  std::string ragione_;
};

}  // namespace piattaforma
