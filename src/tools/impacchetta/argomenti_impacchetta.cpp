#include "tools/impacchetta/argomenti_impacchetta.h"

#include <string_view>
#include <vector>

#include "driver/pacchetto.h"

namespace strumento_impacchetta {
namespace {

constexpr std::string_view opzione_uscita = "--output";

lettura_argomenti rifiuta(std::string motivo) { return {std::nullopt, std::move(motivo)}; }

bool e_opzione(std::string_view a) { return a.size() > 1 && a.front() == '-'; }

#ifdef _WIN32
constexpr piattaforma_installatore questa_piattaforma = piattaforma_installatore::windows;
#else
constexpr piattaforma_installatore questa_piattaforma = piattaforma_installatore::gnu_linux;
#endif

}  // namespace

lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti) {
  richiesta r;
  r.per = questa_piattaforma;
  std::vector<std::string> posizionali;
  std::optional<std::string> uscita;
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
    } else if (a == "--windows") {
      r.per = piattaforma_installatore::windows;
    } else if (a == "--linux") {
      r.per = piattaforma_installatore::gnu_linux;
    } else if (a == opzione_uscita) {
      if (i + 1 == argomenti.size()) return rifiuta("--output vuole il nome dell'installatore da scrivere");
      uscita = argomenti[++i];
    } else if (a.starts_with(std::string(opzione_uscita) + "=")) {
      uscita = a.substr(opzione_uscita.size() + 1);
    } else {
      return rifiuta("opzione sconosciuta '" + a + "'");
    }
  }
  if (posizionali.size() < 3) return rifiuta("servono la cartella, il nome di base e il codice del treno");
  if (posizionali.size() > 3) return rifiuta("troppi argomenti: '" + posizionali[3] + "'");
  if (!uscita || uscita->empty()) return rifiuta("--output vuole il nome dell'installatore da scrivere");
  r.cartella = posizionali[0];
  r.nome_base = posizionali[1];
  r.codice_treno = posizionali[2];
  r.uscita = *uscita;
  for (const auto& [nome, quale] : {std::pair{&r.nome_base, "il nome di base"},
                                    std::pair{&r.codice_treno, "il codice del treno"}}) {
    const std::string difetto = guida::difetto_nome(*nome);
    if (!difetto.empty()) return rifiuta(std::string(quale) + " '" + *nome + "' " + difetto);
  }
  return {r, {}};
}

std::string testo_uso() {
  return "uso: impacchetta_scenario CARTELLA BASE CODICE --output FILE [--windows | --linux]";
}

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

}  // namespace strumento_impacchetta
