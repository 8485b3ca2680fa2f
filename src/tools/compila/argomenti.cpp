#include "tools/compila/argomenti.h"

#include <string_view>
#include <vector>

#include "tools/compila/opzioni_strumento.h"

namespace strumento_compila {
namespace {

lettura_argomenti rifiuta(std::string motivo) { return {std::nullopt, std::move(motivo)}; }

// The two requests that compile nothing, each with its own names and no compile option.
struct azioni_autore {
  bool spiega = false;
  bool nuovo = false;
  bool sovrascrivi = false;

  bool propria(std::string_view a) {
    if (a == "--spiega") return spiega = true;
    if (a == "--nuovo") return nuovo = true;
    if (a == "--sovrascrivi") return sovrascrivi = true;
    return false;
  }

  lettura_argomenti leggi(richiesta r, const opzioni_comuni& letti) const {
    const bool di_compilazione =
        letti.uscita || r.senza_tracciato || r.solo_verifica || r.rigoroso || r.documenti || r.sarif;
    if (spiega && nuovo) return rifiuta("--spiega e --nuovo non vanno insieme");
    if (sovrascrivi && !nuovo) return rifiuta("--sovrascrivi vale solo con --nuovo");
    if (di_compilazione)
      return rifiuta(std::string(spiega ? "--spiega" : "--nuovo") +
                     " non compila: va senza le opzioni della compilazione");
    const std::vector<std::string>& nomi = letti.nomi;
    if (spiega) {
      if (nomi.size() != 1) return rifiuta("--spiega vuole un numero di errore");
      r.cosa = richiesta::azione::spiega;
      r.errore_da_spiegare = nomi[0];
      return {r, {}};
    }
    if (nomi.size() != 3) return rifiuta("--nuovo vuole la cartella, il nome base e il codice del treno");
    r.cosa = richiesta::azione::nuovo;
    r.nuovo = {nomi[0], nomi[1], nomi[2], sovrascrivi};
    return {r, {}};
  }
};

}  // namespace

lettura_argomenti leggi_argomenti(std::span<const std::string> argomenti) {
  richiesta r;
  std::vector<std::string> restanti(argomenti.begin(), argomenti.end());
  const opzione_con_valore sarif = togli_opzione(restanti, "--sarif", "--sarif vuole il nome di un file");
  if (sarif.errore) return rifiuta(*sarif.errore);
  r.sarif = sarif.valore;
  azioni_autore autore;
  const auto propria = [&r, &autore](std::string_view a) {
    if (a == "--no-geometry") {
      r.senza_tracciato = true;
    } else if (a == "--check") {
      r.solo_verifica = true;
    } else if (a == "--strict") {
      r.rigoroso = true;
    } else if (a == "--documenti") {
      r.documenti = true;
    } else {
      return autore.propria(a);
    }
    return true;
  };
  opzioni_comuni letti;
  const auto errore = leggi_opzioni(restanti, "--output vuole una cartella", propria, letti);
  if (errore) return rifiuta(*errore);
  if (letti.aiuto) r.cosa = richiesta::azione::aiuto;
  if (letti.versione) r.cosa = richiesta::azione::versione;
  if (letti.aiuto || letti.versione) return {r, {}};
  if (autore.spiega || autore.nuovo || autore.sovrascrivi) return autore.leggi(r, letti);
  r.cartella_uscita = letti.uscita;
  const std::vector<std::string>& file = letti.nomi;
  if (file.size() < 2) return rifiuta("servono il file della linea e il file del servizio");
  if (file.size() > 2) return rifiuta("troppi file: '" + file[2] + "'");
  r.linea = file[0];
  r.treno = file[1];
  return {r, {}};
}

std::string testo_uso() {
  return "uso: compila_scenario FILE_LINEA FILE_SERVIZIO [--output CARTELLA] [--no-geometry] [--check] [--strict]"
         " [--documenti] [--sarif FILE]\n"
         "     compila_scenario --nuovo CARTELLA BASE CODICE [--sovrascrivi]\n"
         "     compila_scenario --spiega NUMERO";
}

std::string testo_aiuto() {
  return testo_uso() +
         "\n"
         "\n"
         "Compila la descrizione di una linea e quella di un servizio nei file binari dello scenario.\n"
         "\n"
         "  FILE_LINEA        BASE_linea.txt\n"
         "  FILE_SERVIZIO     BASE_CODICE-.txt, con la stessa BASE\n"
         "  --output CARTELLA dove scrivere BASE_linea.dat, BASE_CODICE.sim e BASE_CODICE.dat\n"
         "                    (in mancanza, la cartella del file della linea); creata se manca\n"
         "  --no-geometry     senza il tracciato: BASE_linea.dat non viene scritto ne' toccato\n"
         "  --check           compila e controlla che la cartella si possa scrivere, senza scrivere\n"
         "                    alcun file\n"
         "  --strict          un avviso conta come un errore\n"
         "  --documenti       scrive anche la scheda treno, l'ordine di rallentamento e le note\n"
         "                    (BASE_CODICE_scheda_treno.txt, _rallentamenti.txt, _note.txt), con\n"
         "                    i dati di BASE_CODICE_documenti.txt accanto al file della linea\n"
         "  --sarif FILE      scrive errori e avvisi anche in FILE, in formato SARIF 2.1.0 per gli editor\n"
         "  --help, --version\n"
         "\n"
         "  --nuovo CARTELLA BASE CODICE\n"
         "                    scrive in CARTELLA (creandola se manca) uno scenario da cui partire,\n"
         "                    BASE_linea.txt e BASE_CODICE-.txt, commentati; non sostituisce file\n"
         "                    che ci sono gia' se non con --sovrascrivi\n"
         "  --spiega NUMERO   che cosa vuol dire l'errore NUMERO, un esempio e come correggerlo\n"
         "\n"
         "Ogni errore dei file viene mostrato, fino a 50; ogni avviso ha un nome, avviso[nome], spiegato nel\n"
         "manuale degli avvisi. I file dell'autore non vengono mai modificati. Uscita: 0 riuscito, 1 errori\n"
         "nello scenario o nella scrittura, 2 uso sbagliato.\n";
}

}  // namespace strumento_compila
