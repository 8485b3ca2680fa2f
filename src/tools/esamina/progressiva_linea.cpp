#include "tools/esamina/progressiva_linea.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "tools/esamina/tacche.h"

namespace strumenti {
namespace {

constexpr std::int32_t aggiunta_compilatore = 100;  // added to a record flagged 1

bool vuoto(const progressiva_letta& r) { return r.da == 0 && r.valore == 0 && r.flag == 0; }

tratto_progressiva tratto_di(const progressiva_letta& r) {
  if (r.flag == 1) return {r.da, r.valore - aggiunta_compilatore, -1};
  return {r.da, r.valore, 1};
}

}  // namespace

progressiva_linea::progressiva_linea(const std::array<progressiva_letta, 3>& record) {
  // Entry 81 comes first: on equal positions it is the one in force.
  for (const progressiva_letta& r : record) {
    if (vuoto(r)) continue;
    const bool doppio = std::any_of(tratti_.begin(), tratti_.end(),
                                    [&](const tratto_progressiva& t) { return t.da == r.da; });
    if (!doppio) tratti_.push_back(tratto_di(r));
  }
  if (tratti_.empty()) tratti_.push_back({});
  std::sort(tratti_.begin(), tratti_.end(),
            [](const tratto_progressiva& a, const tratto_progressiva& b) { return a.da < b.da; });
}

const tratto_progressiva& progressiva_linea::tratto_a(double metri) const {
  auto dopo = std::upper_bound(tratti_.begin(), tratti_.end(), metri,
                               [](double m, const tratto_progressiva& t) { return m < t.da; });
  return dopo == tratti_.begin() ? tratti_.front() : *std::prev(dopo);
}

double progressiva_linea::fine_tratto(std::size_t i) const {
  return i + 1 < tratti_.size() ? tratti_[i + 1].da : std::numeric_limits<double>::infinity();
}

double progressiva_linea::a_metri(double metri) const {
  const tratto_progressiva& t = tratto_a(metri);
  return t.origine + t.verso * (metri - t.da);
}

std::optional<double> progressiva_linea::posizione(double progressiva, double lunghezza) const {
  for (std::size_t i = 0; i < tratti_.size(); ++i) {
    const tratto_progressiva& t = tratti_[i];
    const double p = t.da + (progressiva - t.origine) * t.verso;
    const double inizio = i == 0 ? -std::numeric_limits<double>::infinity() : t.da;
    if (p >= inizio && p < fine_tratto(i) && p >= 0 && p <= lunghezza) return p;
  }
  return std::nullopt;
}

std::vector<std::pair<double, double>> progressiva_linea::tacche(double da, double a, double passo) const {
  std::vector<std::pair<double, double>> risultato;
  for (std::size_t i = 0; i < tratti_.size(); ++i) {
    const tratto_progressiva& t = tratti_[i];
    const double inizio = std::max(da, i == 0 ? da : static_cast<double>(t.da));
    const double fine = std::min(a, fine_tratto(i));
    if (inizio > fine) continue;
    const double c1 = t.origine + t.verso * (inizio - t.da);
    const double c2 = t.origine + t.verso * (fine - t.da);
    for (const double c : multipli(std::min(c1, c2), std::max(c1, c2), passo)) {
      const double p = t.da + (c - t.origine) * t.verso;
      // The end of a stretch belongs to the next one.
      if (p < fine_tratto(i)) risultato.emplace_back(p, c);
    }
  }
  std::sort(risultato.begin(), risultato.end());
  return risultato;
}

std::string scrivi_progressiva(double metri) {
  const long long m = std::llround(metri);
  const long long tutti = m < 0 ? -m : m;
  char testo[40];
  std::snprintf(testo, sizeof testo, "%s%lld+%03lld", m < 0 ? "-" : "", tutti / 1000, tutti % 1000);
  return testo;
}

}  // namespace strumenti
