#include "tools/compila/diagnostica.h"

#include "compiler/errori.h"
#include "scenario_text/caratteri.h"

namespace strumento_compila {
namespace {

using testo_scenario::fine_riga;

// Characters of a long line shown on each side of the column.
constexpr std::size_t contorno = 100;
constexpr std::string_view taglio = "...";

// Blanks up to the column, tabs kept as tabs so that the caret stands under the item however tabs are shown.
std::string sotto_la_colonna(std::string_view riga, std::size_t colonna) {
  std::string spazi;
  for (std::size_t i = 0; i + 1 < colonna; ++i) spazi += i < riga.size() && riga[i] == '\t' ? '\t' : ' ';
  return spazi + "^";
}

// The part of a long line around the column, and the column within it.
struct brano {
  std::string testo;
  std::size_t colonna;
};

brano intorno_alla_colonna(std::string_view riga, std::int32_t colonna) {
  const std::size_t c = colonna > 0 ? static_cast<std::size_t>(colonna) : 1;
  if (riga.size() <= 2 * contorno) return {std::string(riga), c};
  const std::size_t inizio = c > contorno ? std::min(c - 1 - contorno, riga.size() - 2 * contorno) : 0;
  const std::size_t fine = std::min(riga.size(), inizio + 2 * contorno);
  brano b{std::string(riga.substr(inizio, fine - inizio)), c - inizio};
  if (inizio > 0) {
    b.testo.insert(0, taglio);
    b.colonna += taglio.size();
  }
  if (fine < riga.size()) b.testo.append(taglio);
  return b;
}

}  // namespace

std::string testo_errore(std::int32_t numero, std::int32_t posizione, std::string_view causa,
                         std::string_view dettaglio) {
  std::string testo(compilatore::descrizione_errore(numero));
  if (compilatore::ha_posizione(numero)) testo.append(" (posizione ").append(std::to_string(posizione)).append(" m)");
  if (!causa.empty()) testo.append(": ").append(causa);
  if (!dettaglio.empty()) testo.append(causa.empty() ? ": " : "; ").append(dettaglio);
  return testo;
}

std::string suggerimento_spiega(std::int32_t numero) {
  return " (compila_scenario --spiega " + std::to_string(numero) + ")";
}

std::string messaggio_errore(std::int32_t numero, std::int32_t posizione, std::string_view causa,
                             std::string_view dettaglio) {
  return "errore " + std::to_string(numero) + ": " + testo_errore(numero, posizione, causa, dettaglio) +
         suggerimento_spiega(numero);
}

std::string messaggio_avviso(const compilatore::avviso& a) {
  return "avviso[" + std::string(compilatore::nome_avviso(a.tipo)) + "]: " + a.testo;
}

indice_righe::indice_righe(std::string_view testo) : testo_(testo) {
  inizi_.push_back(0);
  for (std::size_t i = 0; i < testo.size();) {
    const std::size_t fine = testo_scenario::lunghezza_fine_riga(testo, i);
    if (fine == 0) {
      ++i;
      continue;
    }
    i += fine;
    inizi_.push_back(i);
  }
}

std::optional<std::string_view> indice_righe::riga(std::int32_t riga) const {
  if (riga < 1 || static_cast<std::size_t>(riga) > inizi_.size()) return std::nullopt;
  const std::size_t inizio = inizi_[static_cast<std::size_t>(riga) - 1];
  if (inizio >= testo_.size()) return std::nullopt;
  std::size_t fine = inizio;
  while (fine < testo_.size() && !fine_riga(testo_[fine])) ++fine;
  return testo_.substr(inizio, fine - inizio);
}

std::optional<std::string_view> riga_di(std::string_view testo, std::int32_t riga) {
  return indice_righe(testo).riga(riga);
}

std::string diagnostica(std::string_view file, std::optional<punto_sorgente> posto, std::string_view messaggio,
                        const indice_righe* sorgente) {
  std::string testo(file);
  if (posto && sorgente != nullptr) {
    testo.append(":").append(std::to_string(posto->riga)).append(":").append(std::to_string(posto->colonna));
  }
  testo.append(": ").append(messaggio).append("\n");
  if (!posto || sorgente == nullptr) return testo;
  const auto riga = sorgente->riga(posto->riga);
  if (!riga) return testo;
  const brano b = intorno_alla_colonna(*riga, posto->colonna);
  testo.append(b.testo).append("\n");
  testo.append(sotto_la_colonna(b.testo, b.colonna)).append("\n");
  return testo;
}

std::string diagnostica(std::string_view file, std::optional<punto_sorgente> posto, std::string_view messaggio,
                        const std::optional<std::string>& sorgente) {
  if (!sorgente) return diagnostica(file, posto, messaggio, static_cast<const indice_righe*>(nullptr));
  const indice_righe indice(*sorgente);
  return diagnostica(file, posto, messaggio, &indice);
}

}  // namespace strumento_compila
