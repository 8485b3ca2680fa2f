#include "documents/rallentamenti_generati.h"

#include "documents/maiuscole.h"
#include "documents/modulo_rallentamenti.h"
#include "formato/voci.h"

namespace documenti {

testo_scenario::tabella_righe rallentamenti_generati(const compilatore::modello& m, avvisi_documenti& avvisi) {
  const std::vector<stazione_percorso> stazioni = stazioni_di(m);
  const progressive_km progressive(m.tabella);
  ordine_rallentamento o;
  if (!stazioni.empty()) o.linea = in_maiuscolo(stazioni.front().nome) + " - " + in_maiuscolo(stazioni.back().nome);
  o.codice_treno = m.tabella[formato::voce_ripetizione].nome;
  for (const rallentamento_percorso& r : rallentamenti_di(m)) {
    // Checked as the train sheet checks every chainage it prints.
    static_cast<void>(km_stampato(progressive, r.posizione));
    const std::int64_t cippo = cippo_prima(progressive.in_metri(r.posizione), progressive.decrescente(r.posizione));
    const std::string tra = avvisi.adatta(stazioni_del_rallentamento(stazioni, r), 27, "ordine di rallentamento");
    o.righe.push_back({tra, cippo, r.velocita, r.lunghezza});
  }
  return modulo_rallentamenti(o);
}

}  // namespace documenti
