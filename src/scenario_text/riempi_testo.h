#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace testo_scenario {

// `testo` followed by blanks up to `larghezza` characters; a longer text is
// returned whole, never cut.
inline std::string riempi_a_destra(std::string_view testo, std::size_t larghezza) {
  std::string riempito(testo);
  if (riempito.size() < larghezza) riempito.append(larghezza - riempito.size(), ' ');
  return riempito;
}

}  // namespace testo_scenario
