#include "tools/compila/diagnostica.h"

#include "compiler/errori.h"
#include "scenario_text/caratteri.h"

namespace strumento_compila {
namespace {

using testo_scenario::fine_riga;

// Where the line after the one starting at `inizio` starts, its line end read as the reader reads it.
std::size_t riga_successiva(std::string_view testo, std::size_t inizio) {
  std::size_t i = inizio;
  while (i < testo.size() && !fine_riga(testo[i])) ++i;
  return i + testo_scenario::lunghezza_fine_riga(testo, i);
}

// Blanks up to the column, tabs kept as tabs so that the caret stands under the item however tabs are shown.
std::string sotto_la_colonna(std::string_view riga, std::int32_t colonna) {
  std::string spazi;
  for (std::int32_t i = 0; i + 1 < colonna; ++i) {
    const auto indice = static_cast<std::size_t>(i);
    spazi += indice < riga.size() && riga[indice] == '\t' ? '\t' : ' ';
  }
  return spazi + "^";
}

std::string citato(std::string_view testo) {
  std::string tra_apici(1, '\'');
  tra_apici.append(testo).push_back('\'');
  return tra_apici;
}

}  // namespace

std::string messaggio_errore(std::int32_t numero, std::int32_t posizione, std::string_view causa) {
  std::string testo = "errore ";
  testo.append(std::to_string(numero)).append(": ").append(compilatore::descrizione_errore(numero));
  if (compilatore::ha_posizione(numero)) testo.append(" (posizione ").append(std::to_string(posizione)).append(" m)");
  if (!causa.empty()) testo.append(": ").append(causa);
  return testo + suggerimento_spiega(numero);
}

std::string suggerimento_spiega(std::int32_t numero) {
  return " (compila_scenario --spiega " + std::to_string(numero) + ")";
}

std::string messaggio_avviso(const compilatore::avviso& a) {
  using genere = compilatore::avviso::genere;
  std::string testo = "avviso: ";
  switch (a.tipo) {
    case genere::voce_sconosciuta:
      testo.append("voce ").append(citato(a.voce)).append(" non riconosciuta, ignorata");
      if (!a.suggerimento.empty()) testo.append("; forse ").append(citato(a.suggerimento)).append("?");
      break;
    case genere::record_perso:
      testo += citato(a.voce) + " ignorato: il file non termina con \"[fine]\"";
      break;
    case genere::posizione_indietro:
      testo.append(citato(a.voce)).append(" a ").append(std::to_string(a.posizione));
      testo.append(" m torna indietro rispetto a ").append(std::to_string(a.precedente));
      testo.append(" m: l'elenco va in ordine di posizione");
      break;
  }
  return testo;
}

std::optional<std::string_view> riga_di(std::string_view testo, std::int32_t riga) {
  std::size_t inizio = 0;
  for (std::int32_t r = 1; r < riga; ++r) {
    if (inizio >= testo.size()) return std::nullopt;
    inizio = riga_successiva(testo, inizio);
  }
  if (riga < 1 || inizio >= testo.size()) return std::nullopt;
  std::size_t fine = inizio;
  while (fine < testo.size() && !fine_riga(testo[fine])) ++fine;
  return testo.substr(inizio, fine - inizio);
}

std::string diagnostica(std::string_view file, std::optional<punto_sorgente> posto, std::string_view messaggio,
                        const std::optional<std::string>& sorgente) {
  std::string testo(file);
  if (posto && sorgente) {
    testo.append(":").append(std::to_string(posto->riga)).append(":").append(std::to_string(posto->colonna));
  }
  testo.append(": ").append(messaggio).append("\n");
  if (!posto || !sorgente) return testo;
  const auto riga = riga_di(*sorgente, posto->riga);
  if (!riga) return testo;
  testo.append(*riga).append("\n");
  testo.append(sotto_la_colonna(*riga, posto->colonna)).append("\n");
  return testo;
}

}  // namespace strumento_compila
