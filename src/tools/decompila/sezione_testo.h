#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace decompila {

// One section of a description file, laid out as a person writes it: the
// header, then one record a line with its columns aligned — the keyword and
// its comma, the numbers right-aligned, each followed by its comma, and the
// text, if the record ends with one. Lines end in CR LF.
class sezione_testo {
 public:
  explicit sezione_testo(std::string intestazione) : intestazione_(std::move(intestazione)) {}

  void riga(std::string chiave, const std::vector<std::int64_t>& numeri, std::optional<std::string> testo = {});
  // Numbers separated by blanks alone, as the clock is written.
  void riga_spaziata(std::string chiave, const std::vector<std::int64_t>& numeri);
  // A line the reader skips: it begins with "-" and has no comma.
  void commento(std::string testo);

  void aggiungi_a(std::string& uscita) const;

 private:
  struct riga_testo {
    bool commento = false;
    bool spaziata = false;
    std::string chiave;
    std::vector<std::string> numeri;
    std::optional<std::string> testo;
  };

  std::string intestazione_;
  std::vector<riga_testo> righe_;
};

}  // namespace decompila
