#include "tools/impacchetta/argomenti_impacchetta.h"

#include <string_view>
#include <vector>

#include "driver/pacchetto.h"
#include "tools/compila/opzioni_strumento.h"

namespace strumento_impacchetta {
namespace {

lettura_argomenti rifiuta(std::string motivo) { return {std::nullopt, {}, std::move(motivo)}; }

#ifdef _WIN32
constexpr piattaforma_installatore questa_piattaforma = piattaforma_installatore::windows;
#else
constexpr piattaforma_installatore questa_piattaforma = piattaforma_installatore::gnu_linux;
#endif

constexpr const char* manca_uscita = "--output vuole il nome dell'installatore da scrivere";

std::string testo_aiuto();

}  // namespace

lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti) {
  richiesta r;
  r.per = questa_piattaforma;
  const auto propria = [&r](std::string_view a) {
    if (a == "--windows") {
      r.per = piattaforma_installatore::windows;
    } else if (a == "--linux") {
      r.per = piattaforma_installatore::gnu_linux;
    } else {
      return false;
    }
    return true;
  };
  strumento_compila::opzioni_comuni letti;
  const auto errore = strumento_compila::leggi_opzioni(argomenti, manca_uscita, propria, letti);
  if (errore) return rifiuta(*errore);
  if (letti.aiuto) return {std::nullopt, testo_aiuto(), {}};
  if (letti.versione) return {std::nullopt, std::string("impacchetta_scenario ") + VERSIONE_IMPACCHETTA + "\n", {}};
  const std::vector<std::string>& nomi = letti.nomi;
  if (nomi.size() < 3) return rifiuta("servono la cartella, il nome di base e il codice del treno");
  if (nomi.size() > 3) return rifiuta("troppi argomenti: '" + nomi[3] + "'");
  if (!letti.uscita) return rifiuta(manca_uscita);
  r.cartella = nomi[0];
  r.nome_base = nomi[1];
  r.codice_treno = nomi[2];
  r.uscita = *letti.uscita;
  for (const auto& [nome, quale] :
       {std::pair{&r.nome_base, "il nome di base"}, std::pair{&r.codice_treno, "il codice del treno"}}) {
    const std::string difetto = guida::difetto_nome(*nome);
    if (!difetto.empty()) return rifiuta(std::string(quale) + " '" + *nome + "' " + difetto);
  }
  return {r, {}, {}};
}

std::string testo_uso() { return "uso: impacchetta_scenario CARTELLA BASE CODICE --output FILE [--windows | --linux]"; }

namespace {

std::string testo_aiuto() {
  return testo_uso() +
         "\n"
         "\n"
         "Scrive un installatore: un solo programma che, avviato nella cartella del simulatore,\n"
         "scrive lo scenario come genera_scenario scrive il suo.\n"
         "\n"
         "  CARTELLA        dove sono i file dello scenario: BASE_linea.txt, BASE_CODICE-.txt e i\n"
         "                  documenti BASE_CODICE_scheda_treno.txt, _rallentamenti.txt, _note.txt;\n"
         "                  un documento che manca viene generato come fa compila_scenario --documenti\n"
         "  --output FILE   l'installatore da scrivere\n"
         "  --windows       un installatore per Windows (.exe)\n"
         "  --linux         un installatore per Linux\n"
         "                  (in mancanza di entrambe, per il sistema su cui gira questo programma)\n"
         "  --help, --version\n"
         "\n"
         "Uno scenario che non si compila non viene impacchettato. Uscita: 0 riuscito, 1 errori nello\n"
         "scenario o nella scrittura, 2 uso sbagliato.\n";
}

}  // namespace

}  // namespace strumento_impacchetta
