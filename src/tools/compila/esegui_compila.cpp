#include "tools/compila/esegui_compila.h"

#include <exception>
#include <filesystem>

#include "formato/nomi_file.h"
#include "platform/cartella_riservata.h"
#include "tools/compila/argomenti.h"
#include "tools/compila/compilazione_autore.h"
#include "tools/compila/documenti_autore.h"
#include "tools/compila/nomi_sorgenti.h"
#include "tools/compila/nuovo_scenario.h"
#include "tools/compila/rapporto.h"
#include "tools/compila/riepilogo.h"
#include "tools/compila/sarif.h"
#include "tools/compila/scrittura_uscite.h"
#include "tools/compila/spiega_errore.h"

namespace strumento_compila {
namespace {

constexpr const char* programma = "compila_scenario";

int errore_uso(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n" << testo_uso() << "\n";
  return uscita_uso;
}

int fallisci(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n";
  return uscita_errori;
}

std::string contati(std::size_t n, const char* uno, const char* molti) {
  return std::to_string(n) + " " + (n == 1 ? uno : molti);
}

// Editors find files by absolute URI; a name that cannot be made absolute is kept as it is.
std::string assoluto(const std::string& percorso) {
  std::error_code errore;
  const std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(percorso), errore);
  return errore ? percorso : p.lexically_normal().string();
}

piattaforma::esito scrivi_sarif(piattaforma::file_system& fs, const std::string& percorso,
                                const std::vector<diagnostico>& d) {
  const programma_sarif chi{programma, VERSIONE_COMPILA, URI_INFORMAZIONI};
  return piattaforma::sostituisci_file(fs, percorso, sarif(d, chi, assoluto));
}

// What the run tells about itself once the diagnostics are out: the files written, or why none was.
struct esito_scrittura {
  int stato = uscita_riuscita;
  std::vector<std::string> scritti;
};

esito_scrittura scrivi(const richiesta& r, const formato::nomi_file& nomi, const std::string& cartella,
                       piattaforma::file_system& fs, const compilazione_autore& c, const documenti_autore& d,
                       std::ostream& errori) {
  esito_scrittura e;
  if (r.solo_verifica) {
    const piattaforma::esito scrivibile = fs.cartella_scrivibile(cartella);
    if (!scrivibile.riuscito())
      e.stato = fallisci(errori, "la cartella non si potrebbe scrivere: " + scrivibile.messaggio());
    return e;
  }
  piattaforma::esito scritto = fs.crea_cartella(cartella);
  if (scritto.riuscito()) scritto = scrivi_uscite(fs, nomi, *c.esito.pulito(), r.documenti ? &d.documenti : nullptr);
  if (!scritto.riuscito()) {
    e.stato = fallisci(errori, scritto.messaggio());
    return e;
  }
  if (!r.senza_tracciato) e.scritti.push_back(nomi.tracciato_dat);
  e.scritti.push_back(nomi.tabella_sim);
  e.scritti.push_back(nomi.celle_dat);
  if (r.documenti) e.scritti.insert(e.scritti.end(), {nomi.scheda_txt, nomi.rallentamenti_txt, nomi.note_txt});
  return e;
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
  compilazione_autore c = compila_autore(fs, scenario);
  documenti_autore d;
  bool documenti_falliti = false;
  if (c.riuscita() && r.documenti) {
    d = prepara_documenti(fs, n.cartella, c.m(), c.diagnostiche);
    documenti_falliti = !d.riusciti;
  }
  std::size_t avvisi = 0;
  for (diagnostico& x : c.diagnostiche) {
    if (x.tipo != diagnostico::livello::avviso) continue;
    ++avvisi;
    if (r.rigoroso) x.rigoroso = true;
  }

  mostra_diagnostiche(fs, c.diagnostiche, programma, errori);
  if (c.errori_taciuti > 0)
    errori << programma << ": e altri " << contati(c.errori_taciuti, "errore", "errori") << "\n";
  if (r.sarif) {
    const piattaforma::esito scritto = scrivi_sarif(fs, *r.sarif, c.diagnostiche);
    if (!scritto.riuscito()) return fallisci(errori, scritto.messaggio());
  }
  if (!c.riuscita() || documenti_falliti || (r.rigoroso && avvisi > 0)) {
    std::string conto = contati(c.errori + (documenti_falliti ? 1 : 0), "errore", "errori") + ", " +
                        contati(avvisi, "avviso", "avvisi");
    if (r.rigoroso && avvisi > 0) conto += " con --strict";
    return fallisci(errori,
                    conto + ": nessun file scritto; i file gia' presenti in " + cartella + " restano come erano");
  }

  const esito_scrittura e = scrivi(r, nomi, cartella, fs, c, d, errori);
  if (e.stato != uscita_riuscita) return e.stato;
  uscita << riepilogo(c.m(), avvisi, e.scritti);
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
  int stato = uscita_interna;
  try {
    stato = esegui(argomenti, fs, uscita, errori);
  } catch (const std::exception& e) {
    // A fault of the program, not of the author's files, which it has not touched.
    errori << programma << ": errore interno del programma: " << e.what() << "\n";
    return uscita_interna;
  }
  // What goes to standard output is the run's result: losing it is a failure
  // (a full disk behind a redirection), not a success.
  uscita.flush();
  if (!uscita) {
    errori << programma << ": scrittura sullo standard output non riuscita\n";
    if (stato == uscita_riuscita) stato = uscita_errori;
  }
  return stato;
}

}  // namespace strumento_compila
