#include "tools/compila/documenti_autore.h"

#include "documents/dati_autore.h"
#include "formato/voci.h"
#include "platform/piattaforma.h"
#include "tools/compila/diagnostica.h"

namespace strumento_compila {

documenti_autore prepara_documenti(piattaforma::file_system& fs, const std::string& cartella,
                                   const compilatore::modello& m, std::string_view programma, std::ostream& errori) {
  documenti_autore d;
  const std::string percorso = piattaforma::unisci_percorso(
      cartella,
      documenti::nome_dati_autore(m.tabella[formato::voce_nome_base].nome, m.tabella[formato::voce_ripetizione].nome));
  documenti::dati_autore autore;
  if (fs.esiste(percorso)) {
    std::string testo;
    const piattaforma::esito letto = fs.leggi(percorso, testo);
    if (!letto.riuscito()) {
      errori << programma << ": " << letto.messaggio() << "\n";
      return d;
    }
    const documenti::lettura_dati_autore lettura = documenti::leggi_dati_autore(testo);
    if (lettura.errore) {
      const punto_sorgente posto{lettura.errore->riga, lettura.errore->colonna};
      errori << diagnostica(percorso, posto, "errore: " + lettura.errore->messaggio, testo);
      return d;
    }
    autore = lettura.dati;
  }
  d.documenti = documenti::genera_documenti(m, autore);
  for (const std::string& avviso : d.documenti.avvisi) errori << programma << ": avviso: " << avviso << "\n";
  d.avvisi = d.documenti.avvisi.size();
  if (!d.documenti.errore.empty()) {
    errori << programma << ": errore: documenti non generati: " << d.documenti.errore << "\n";
    return d;
  }
  d.riusciti = true;
  return d;
}

}  // namespace strumento_compila
