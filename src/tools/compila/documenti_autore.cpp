#include "tools/compila/documenti_autore.h"

#include "compiler/avvisi.h"
#include "documents/dati_autore.h"
#include "formato/voci.h"
#include "platform/piattaforma.h"

namespace strumento_compila {
namespace {

diagnostico errore_documenti(std::string testo, std::string file = {}, std::optional<punto_sorgente> posto = {}) {
  diagnostico d;
  d.tipo = diagnostico::livello::errore;
  d.testo = std::move(testo);
  d.file = std::move(file);
  d.posto = posto;
  return d;
}

}  // namespace

documenti_autore prepara_documenti(piattaforma::file_system& fs, const std::string& cartella,
                                   const compilatore::modello& m, std::vector<diagnostico>& diagnostiche) {
  documenti_autore d;
  const std::string percorso = piattaforma::unisci_percorso(
      cartella,
      documenti::nome_dati_autore(m.tabella[formato::voce_nome_base].nome, m.tabella[formato::voce_ripetizione].nome));
  documenti::dati_autore autore;
  if (fs.esiste(percorso)) {
    std::string testo;
    const piattaforma::esito letto = fs.leggi(percorso, testo);
    if (!letto.riuscito()) {
      diagnostiche.push_back(errore_documenti(letto.messaggio()));
      return d;
    }
    const documenti::lettura_dati_autore lettura = documenti::leggi_dati_autore(testo);
    if (lettura.errore) {
      diagnostiche.push_back(errore_documenti(lettura.errore->messaggio, percorso,
                                              punto_sorgente{lettura.errore->riga, lettura.errore->colonna}));
      return d;
    }
    autore = lettura.dati;
  }
  d.documenti = documenti::genera_documenti(m, autore);
  for (const std::string& avviso : d.documenti.avvisi) {
    diagnostico a;
    a.tipo = diagnostico::livello::avviso;
    a.regola = std::string(compilatore::nome_avviso(compilatore::avviso::genere::nome_tagliato));
    a.testo = avviso;
    diagnostiche.push_back(std::move(a));
  }
  if (!d.documenti.errore.empty()) {
    diagnostiche.push_back(errore_documenti("documenti non generati: " + d.documenti.errore));
    return d;
  }
  d.riusciti = true;
  return d;
}

}  // namespace strumento_compila
