#include "tools/decompila/argomenti_decompila.h"

#include <string_view>
#include <vector>

#include "tools/compila/opzioni_strumento.h"

namespace decompila {
namespace {

lettura_argomenti rifiuta(std::string motivo) { return {std::nullopt, std::move(motivo)}; }

}  // namespace

lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti) {
  richiesta r;
  const auto propria = [&r](std::string_view a) {
    if (a != "--force") return false;
    r.sostituisci = true;
    return true;
  };
  strumento_compila::opzioni_comuni letti;
  const auto errore = strumento_compila::leggi_opzioni(argomenti, "--output vuole una cartella", propria, letti);
  if (errore) return rifiuta(*errore);
  if (letti.aiuto) r.cosa = richiesta::azione::aiuto;
  if (letti.versione) r.cosa = richiesta::azione::versione;
  if (letti.aiuto || letti.versione) return {r, {}};
  r.cartella_uscita = letti.uscita;
  const std::vector<std::string>& nomi = letti.nomi;
  if (nomi.size() != 3) {
    return rifiuta("servono CARTELLA, BASE e CODICE, ricevuti " + std::to_string(nomi.size()) + " argomenti");
  }
  for (const std::string& n : nomi) {
    if (n.empty()) return rifiuta("CARTELLA, BASE e CODICE non possono essere vuoti");
  }
  r.cartella = nomi[0];
  r.nome_base = nomi[1];
  r.codice_treno = nomi[2];
  return {r, {}};
}

std::string testo_uso() { return "uso: decompila_scenario CARTELLA BASE CODICE [--output CARTELLA] [--force]"; }

std::string testo_aiuto() {
  return testo_uso() +
         "\n"
         "\n"
         "Ricava da uno scenario compilato le due descrizioni che compila_scenario ricompila\n"
         "negli stessi byte: legge BASE_linea.dat (se c'\xE8), BASE_CODICE.sim e BASE_CODICE.dat\n"
         "dalla CARTELLA e scrive BASE_linea.txt e BASE_CODICE-.txt.\n"
         "\n"
         "  --output CARTELLA dove scrivere le descrizioni (in mancanza, la cartella dei file compilati)\n"
         "  --force           sostituisce le descrizioni che ci sono gi\xE0\n"
         "  --help, --version\n"
         "\n"
         "Senza BASE_linea.dat le curve non si ricavano: la descrizione va compilata con\n"
         "--no-geometry. Ci\xF2 che nessuna descrizione riproduce (un evento che la compilazione\n"
         "non scrive, un tracciato fuori dalle sei classi di curva, un file guasto) viene\n"
         "segnalato con il punto in cui si trova, e il resto scritto lo stesso.\n"
         "Uscita: 0 riuscito, 1 qualcosa non riprodotto o non scritto, 2 uso sbagliato,\n"
         "3 errore interno del programma.\n";
}

}  // namespace decompila
