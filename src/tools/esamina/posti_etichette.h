#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace strumenti {

struct rettangolo {
  double x = 0, y = 0, w = 0, h = 0;
};

// Places labels so that none covers another or a mark: each goes to the first
// free place offered, or is left out.
class posti_etichette {
 public:
  void occupa(const rettangolo& r) { presi_.push_back(r); }
  std::optional<rettangolo> prova(std::initializer_list<rettangolo> candidati);

 private:
  bool libero(const rettangolo& r) const;
  std::vector<rettangolo> presi_;
};

// The width of a sans-serif text of `corpo` pixels, a little generously.
double larghezza_testo(std::string_view testo, double corpo);

}  // namespace strumenti
