#include "compiler/avvisi.h"

#include <algorithm>
#include <vector>

#include "scenario_text/caratteri.h"

namespace compilatore {
namespace {

using testo_scenario::minuscola;

// Near enough to be a slip of the keyboard, not another word: one edit in a
// short keyword, two in a longer one.
std::int32_t distanza_ammessa(std::string_view parola) { return parola.size() <= 5 ? 1 : 2; }

}  // namespace

std::int32_t distanza_modifica(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  const std::size_t m = b.size();
  // d[i][j]: distance between the first i characters of a and the first j of b.
  std::vector<std::vector<std::int32_t>> d(n + 1, std::vector<std::int32_t>(m + 1, 0));
  for (std::size_t i = 0; i <= n; ++i) d[i][0] = static_cast<std::int32_t>(i);
  for (std::size_t j = 0; j <= m; ++j) d[0][j] = static_cast<std::int32_t>(j);
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= m; ++j) {
      const std::int32_t diversi = minuscola(a[i - 1]) == minuscola(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + diversi});
      const bool scambiati = i > 1 && j > 1 && minuscola(a[i - 1]) == minuscola(b[j - 2]) &&
                             minuscola(a[i - 2]) == minuscola(b[j - 1]);
      if (scambiati) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[n][m];
}

std::string parola_vicina(std::string_view voce, std::span<const std::string_view> parole) {
  std::string_view migliore;
  std::int32_t minima = 0;
  bool unica = false;
  for (const std::string_view parola : parole) {
    const std::int32_t d = distanza_modifica(voce, parola);
    if (d > distanza_ammessa(parola)) continue;
    if (migliore.empty() || d < minima) {
      migliore = parola;
      minima = d;
      unica = true;
    } else if (d == minima) {
      unica = false;
    }
  }
  return unica ? std::string(migliore) : std::string();
}

}  // namespace compilatore
