#include "tools/decompila/esegui_decompila.h"

#include <cstddef>
#include <exception>
#include <optional>
#include <string>

#include "formato/nomi_file.h"
#include "platform/file_system.h"
#include "tools/decompila/argomenti_decompila.h"
#include "tools/decompila/decompila.h"
#include "tools/decompila/scrivi_descrizione.h"
#include "tools/decompila/verifica.h"

namespace decompila {
namespace {

constexpr const char* programma = "decompila_scenario";
// A damaged grid can give a fault for every cell: past these, only their number.
constexpr std::size_t anomalie_mostrate = 100;

int errore_uso(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n" << testo_uso() << "\n";
  return uscita_uso;
}

void mostra(std::ostream& errori, const anomalie& a) {
  const auto& elenco = a.elenco();
  for (std::size_t i = 0; i < elenco.size() && i < anomalie_mostrate; ++i) {
    errori << programma << ": ";
    if (!elenco[i].file.empty()) errori << elenco[i].file << ": ";
    errori << elenco[i].testo << "\n";
  }
  if (elenco.size() > anomalie_mostrate) {
    errori << programma << ": e altre " << elenco.size() - anomalie_mostrate << " segnalazioni\n";
  }
}

void riepilogo(std::ostream& uscita, const testi& t, const descrizione& d) {
  uscita << "scritti " << t.percorso_linea << " e " << t.percorso_treno << "\n";
  uscita << "  linea di " << d.linea.lunghezza << " m: curve " << d.linea.curve.size() << ", pendenze "
         << d.linea.pendenze.size() << ", montagne " << d.linea.montagne.size() << ", indicatori di velocit\xE0 "
         << d.linea.indicatori.size() << ", cartelli " << d.linea.cartelli.size() << "\n";
  uscita << "  servizio: stazioni " << d.treno.stazioni.size() << ", rallentamenti " << d.treno.rallentamenti.size()
         << ", segnali " << d.treno.segnali.size() << ", abbattimenti " << d.treno.abbattimenti.size() << "\n";
}

// The output folder is made when missing, and the two descriptions replace
// older ones together: a failure leaves neither half written.
piattaforma::esito scrivi(piattaforma::file_system& fs, const testi& t, const std::optional<std::string>& cartella) {
  if (cartella) {
    piattaforma::esito creata = fs.crea_cartella(*cartella);
    if (!creata.riuscito()) return creata;
  }
  piattaforma::sostituzioni insieme(fs);
  piattaforma::esito e = insieme.prepara(t.percorso_linea, t.linea);
  if (e.riuscito()) e = insieme.prepara(t.percorso_treno, t.treno);
  if (e.riuscito()) e = insieme.conferma();
  return e;
}

int decompila_file(const richiesta& r, piattaforma::file_system& fs, std::ostream& uscita, std::ostream& errori) {
  const formato::nomi_file scritti =
      formato::forma_nomi(r.cartella_uscita.value_or(r.cartella), r.nome_base, r.codice_treno);
  if (!r.sostituisci) {
    for (const std::string* p : {&scritti.linea_txt, &scritti.treno_txt}) {
      if (fs.esiste(*p)) {
        errori << programma << ": " << *p << " esiste gi\xE0: nessun file scritto (--force per sostituirlo)\n";
        return uscita_anomalie;
      }
    }
  }
  anomalie a;
  const compilato_letto letto = leggi_compilato(fs, r.cartella, r.nome_base, r.codice_treno, a);
  if (!letto.tabella && !letto.celle && !letto.punti) {
    mostra(errori, a);
    errori << programma << ": nessun file compilato da leggere: nessun file scritto\n";
    return uscita_anomalie;
  }
  const descrizione d = decompila(letto, a);
  const testi t{testo_linea(d.linea), testo_treno(d.treno), scritti.linea_txt, scritti.treno_txt};
  verifica(letto, t, ricompila(t, r.nome_base, r.codice_treno, letto.punti.has_value()), a);

  const piattaforma::esito scritto = scrivi(fs, t, r.cartella_uscita);
  if (!scritto.riuscito()) {
    mostra(errori, a);
    errori << programma << ": " << scritto.messaggio() << "\n";
    return uscita_anomalie;
  }
  riepilogo(uscita, t, d);
  if (letto.senza_tracciato) {
    errori << programma << ": nessun " << letto.nomi.tracciato_dat
           << ": senza tracciato le curve non si ricavano; compilare la descrizione con --no-geometry\n";
  }
  mostra(errori, a);
  if (!a.vuote()) {
    errori << programma << ": la descrizione scritta non riproduce i punti segnalati\n";
    return uscita_anomalie;
  }
  uscita << "ricompilata, d\xE0 gli stessi byte dei file letti\n";
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
    uscita << programma << " " << VERSIONE_DECOMPILA << "\n";
    return uscita_riuscita;
  }
  return decompila_file(r, fs, uscita, errori);
}

}  // namespace

int esegui_decompila(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
                     std::ostream& errori) {
  try {
    return esegui(argomenti, fs, uscita, errori);
  } catch (const std::exception& e) {
    // Out of memory on an absurdly large file, and the like: said, never an abort.
    errori << programma << ": errore interno del programma: " << e.what() << "\n";
    return uscita_interna;
  }
}

}  // namespace decompila
