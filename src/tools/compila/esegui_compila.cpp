#include "tools/compila/esegui_compila.h"

#include <exception>

#include "formato/nomi_file.h"
#include "platform/cartella_riservata.h"
#include "tools/compila/argomenti.h"
#include "tools/compila/compilazione_autore.h"
#include "tools/compila/documenti_autore.h"
#include "tools/compila/nomi_sorgenti.h"
#include "tools/compila/nuovo_scenario.h"
#include "tools/compila/riepilogo.h"
#include "tools/compila/scrittura_uscite.h"
#include "tools/compila/spiega_errore.h"

namespace strumento_compila {
namespace {

constexpr const char* programma = "compila_scenario";

int errore_uso(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n" << testo_uso() << "\n";
  return uscita_uso;
}

int compila(const richiesta& r, const nomi_sorgenti& n, piattaforma::file_system& fs, std::ostream& uscita,
            std::ostream& errori) {
  const std::string cartella = r.cartella_uscita.value_or(n.cartella);
  const formato::nomi_file nomi = formato::forma_nomi(cartella, n.nome_base, n.codice_treno);
  // Held from before the compile to after the last file: another run writing
  // this folder finishes first, or this one stops having touched nothing.
  piattaforma::cartella_riservata riservata;
  if (!r.solo_verifica) {
    const piattaforma::esito presa = riservata.prendi(fs, cartella, uscite_di(r, nomi));
    if (!presa.riuscito()) {
      errori << programma << ": " << presa.messaggio() << "\n";
      return uscita_errori;
    }
  }
  const scenario_autore scenario{r.linea, r.treno, n.nome_base, n.codice_treno, !r.senza_tracciato};
  const compilazione_autore c = compila_autore(fs, scenario, errori);
  if (!c.riuscita()) return uscita_errori;
  std::size_t avvisi = c.avvisi;
  documenti_autore d;
  if (r.documenti) {
    d = prepara_documenti(fs, n.cartella, c.m(), programma, errori);
    if (!d.riusciti) return uscita_errori;
    avvisi += d.avvisi;
  }
  if (r.rigoroso && avvisi > 0) {
    const std::string quanti = avvisi == 1 ? "1 avviso" : std::to_string(avvisi) + " avvisi";
    errori << programma << ": " << quanti << " con --strict: nessun file scritto\n";
    return uscita_errori;
  }
  if (!r.solo_verifica) {
    const piattaforma::esito scritto = scrivi_uscite(fs, nomi, *c.esito.pulito(), r.documenti ? &d.documenti : nullptr);
    if (!scritto.riuscito()) {
      errori << programma << ": " << scritto.messaggio() << "\n";
      return uscita_errori;
    }
  }
  uscita << riepilogo(c.m());
  return uscita_riuscita;
}

int esegui(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
           std::ostream& errori) {
  const lettura_argomenti a = leggi_argomenti(argomenti);
  if (!a.valida) return errore_uso(errori, a.errore);
  const richiesta& r = *a.valida;
  if (r.cosa == richiesta::azione::aiuto) {
    uscita << testo_aiuto();
    return uscita_riuscita;
  }
  if (r.cosa == richiesta::azione::versione) {
    uscita << programma << " " << VERSIONE_COMPILA << "\n";
    return uscita_riuscita;
  }
  if (r.cosa == richiesta::azione::spiega) return spiega_errore(r.errore_da_spiegare, uscita, errori);
  if (r.cosa == richiesta::azione::nuovo) return scrivi_scenario_nuovo(fs, r.nuovo, uscita, errori);
  const lettura_nomi n = ricava_nomi(r.linea, r.treno);
  if (!n.validi) return errore_uso(errori, n.errore);
  return compila(r, *n.validi, fs, uscita, errori);
}

}  // namespace

int esegui_compila(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
                   std::ostream& errori) {
  try {
    return esegui(argomenti, fs, uscita, errori);
  } catch (const std::exception& e) {
    // A fault of the program, not of the author's files, which it has not touched.
    errori << programma << ": errore interno del programma: " << e.what() << "\n";
    return uscita_interna;
  }
}

}  // namespace strumento_compila
