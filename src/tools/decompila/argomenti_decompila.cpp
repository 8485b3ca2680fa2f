#include "tools/decompila/argomenti_decompila.h"

#include <string_view>
#include <vector>

namespace decompila {
namespace {

constexpr std::string_view opzione_uscita = "--output";

lettura_argomenti rifiuta(std::string motivo) { return {std::nullopt, std::move(motivo)}; }

bool e_opzione(std::string_view a) { return a.size() > 1 && a.front() == '-'; }

}  // namespace

lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti) {
  richiesta r;
  std::vector<std::string> posizionali;
  bool solo_posizionali = false;  // after "--" every argument is a name, whatever it looks like
  for (std::size_t i = 0; i < argomenti.size(); ++i) {
    const std::string& a = argomenti[i];
    if (solo_posizionali || !e_opzione(a)) {
      posizionali.push_back(a);
    } else if (a == "--") {
      solo_posizionali = true;
    } else if (a == "--help" || a == "-h") {
      r.cosa = richiesta::azione::aiuto;
      return {r, {}};
    } else if (a == "--version") {
      r.cosa = richiesta::azione::versione;
      return {r, {}};
    } else if (a == "--force") {
      r.sostituisci = true;
    } else if (a == opzione_uscita) {
      if (i + 1 == argomenti.size()) return rifiuta("--output vuole una cartella");
      r.cartella_uscita = argomenti[++i];
    } else if (a.starts_with(std::string(opzione_uscita) + "=")) {
      r.cartella_uscita = a.substr(opzione_uscita.size() + 1);
    } else {
      return rifiuta("opzione sconosciuta '" + a + "'");
    }
  }
  if (r.cartella_uscita && r.cartella_uscita->empty()) return rifiuta("--output vuole una cartella");
  if (posizionali.size() != 3) {
    return rifiuta("servono CARTELLA, BASE e CODICE, ricevuti " + std::to_string(posizionali.size()) + " argomenti");
  }
  for (const std::string& p : posizionali) {
    if (p.empty()) return rifiuta("CARTELLA, BASE e CODICE non possono essere vuoti");
  }
  r.cartella = posizionali[0];
  r.nome_base = posizionali[1];
  r.codice_treno = posizionali[2];
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
         "Uscita: 0 riuscito, 1 qualcosa non riprodotto o non scritto, 2 uso sbagliato.\n";
}

}  // namespace decompila
