#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

// Hands out the given pieces, then the empty one that ends the content.
class pezzi_fissi : public piattaforma::pezzi_contenuto {
 public:
  explicit pezzi_fissi(std::vector<std::string> pezzi) : pezzi_(std::move(pezzi)) {}
  std::string_view prossimo() override { return dato_ < pezzi_.size() ? std::string_view(pezzi_[dato_++]) : ""; }

 private:
  std::vector<std::string> pezzi_;
  std::size_t dato_ = 0;
};

struct caso_pezzi {
  const char* nome;
  std::vector<std::string> pezzi;
};

// No piece, one, and several with zero bytes and one larger than any buffer.
inline const std::vector<caso_pezzi>& casi_pezzi() {
  static const std::vector<caso_pezzi> casi = {
      {"nessun pezzo", {}},
      {"uno", {"nuovo"}},
      {"con zeri e grandi", {std::string("ab\0cd", 5), std::string(300000, 'x'), "fine"}},
  };
  return casi;
}

inline std::string unisci(const std::vector<std::string>& pezzi) {
  std::string tutto;
  for (const auto& p : pezzi) tutto += p;
  return tutto;
}
