#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formato/campi.h"

// A record's fields as text, for the tools that tell two records apart.

namespace formato {

namespace dettaglio {
inline std::string in_testo(std::uint8_t v) { return std::to_string(v); }
inline std::string in_testo(std::int16_t v) { return std::to_string(v); }
inline std::string in_testo(std::int32_t v) { return std::to_string(v); }
inline std::string in_testo(const std::string& v) { return "'" + v + "'"; }
}  // namespace dettaglio

// Each field's name and value in file order: numbers as digits, the text quoted.
template <typename R>
std::vector<std::pair<std::string_view, std::string>> campi_in_testo(const R& r) {
  std::vector<std::pair<std::string_view, std::string>> valori;
  visita_campi(
      r, [&](std::string_view nome, const auto& campo) { valori.emplace_back(nome, dettaglio::in_testo(campo)); });
  return valori;
}

}  // namespace formato
