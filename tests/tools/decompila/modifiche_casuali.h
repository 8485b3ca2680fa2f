#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Random edits to a pair of description files, as an author makes them:
// a record added somewhere in its section, one removed, one moved along the
// line, a value changed. Positions need not be multiples of 50 nor in line
// order; the values stay within what the format reads.
namespace prova_decompila {

struct descrizioni {
  std::string linea;
  std::string treno;
};

class modifiche_casuali {
 public:
  modifiche_casuali(std::uint64_t seme, std::int32_t lunghezza) : caso_(seme), lunghezza_(lunghezza) {}

  // One edit of one of the two files; what it did, in words, for a failure's report.
  std::string modifica(descrizioni& d);

 private:
  // A new record in its section, or, `ovunque`, anywhere after the general section.
  std::string aggiungi(std::vector<std::string>& righe, bool linea, bool ovunque = false);
  // A new record a few hundred metres from an existing one.
  std::string accosta(std::vector<std::string>& righe, bool linea);
  std::string togli(std::vector<std::string>& righe);
  std::string sposta(std::vector<std::string>& righe);
  std::string cambia(std::vector<std::string>& righe);
  // A value of the general section: chainage, backgrounds, repetition, train data, clock.
  std::string cambia_generale(std::vector<std::string>& righe);

  std::string record_nuovo(bool linea, std::string& sezione);
  std::int32_t tra(std::int32_t da, std::int32_t a) {
    return std::uniform_int_distribution<std::int32_t>(da, a)(caso_);
  }
  std::int32_t posizione();
  // The next new record goes here instead of at a random place.
  std::optional<std::int32_t> vicino_a_;

  std::mt19937_64 caso_;
  std::int32_t lunghezza_;
};

std::vector<std::string> righe_di(const std::string& testo);
std::string testo_di(const std::vector<std::string>& righe);

}  // namespace prova_decompila
