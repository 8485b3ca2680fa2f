#include "documents/progressiva_km.h"

#include <cstdio>

#include "formato/voci.h"

namespace documenti {
namespace {

constexpr std::int32_t aggiunta_compilazione = 100;

}  // namespace

progressive_km::progressive_km(const std::array<compilatore::voce, compilatore::voci_tabella>& tabella) {
  for (int voce = formato::voce_progressiva_tre; voce <= formato::voce_progressiva_uno; ++voce) {
    const compilatore::voce& r = tabella[static_cast<std::size_t>(voce)];
    // A record the line file left out is all zero, and says nothing about the line.
    if (r.inizio == 0 && r.fine == 0 && r.progressiva == 0) continue;
    // The compile raises a flagged record's value by 100 m for the simulator;
    // the line file's own value is the chainage its boards read.
    const bool decrescente = r.progressiva == 1;
    riferimenti_.push_back({r.inizio, decrescente ? r.fine - aggiunta_compilazione : r.fine, decrescente});
  }
  if (riferimenti_.empty()) riferimenti_.push_back({});
}

const progressive_km::riferimento& progressive_km::in_vigore(std::int32_t posizione) const {
  for (const riferimento& r : riferimenti_) {
    if (r.da <= posizione) return r;
  }
  return riferimenti_.back();
}

std::int64_t progressive_km::in_metri(std::int32_t posizione) const {
  const riferimento& r = in_vigore(posizione);
  const std::int64_t percorsi = std::int64_t{posizione} - r.da;
  return r.decrescente ? r.valore - percorsi : r.valore + percorsi;
}

bool progressive_km::decrescente(std::int32_t posizione) const { return in_vigore(posizione).decrescente; }

std::optional<std::string> testo_km(std::int64_t metri) {
  if (metri < 0 || metri > 999999) return std::nullopt;
  char testo[8];
  std::snprintf(testo, sizeof testo, "%3d.%03d", static_cast<int>(metri / 1000), static_cast<int>(metri % 1000));
  return std::string(testo);
}

std::int64_t cippo_prima(std::int64_t metri, bool decrescente) {
  const std::int64_t chilometri = metri / 1000;
  return decrescente && metri % 1000 != 0 ? chilometri + 1 : chilometri;
}

}  // namespace documenti
