#include "compiler/parole_chiave.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace compilatore::lettura {

bool prova_chiave::riconosce(std::string_view chiave) const {
  if (lettere == maiuscole::contano) {
    return testo_scenario::contiene_esatto(chiave, prima) && testo_scenario::contiene_esatto(chiave, seconda);
  }
  return testo_scenario::contiene(chiave, prima) && testo_scenario::contiene(chiave, seconda);
}

seguito leggi_record(tabella_chiavi tabella, contesto& c, testo_scenario::lettore_voci& l,
                     const std::string& chiave) {
  for (const parola_chiave& record : tabella) {
    if (!record.prova.riconosce(chiave)) continue;
    const seguito esito = record.leggi(c, l, chiave);
    if (esito != seguito::prosegui) return esito;
  }
  return seguito::prosegui;
}

bool riconosciuta(tabella_chiavi tabella, std::string_view chiave) {
  return std::any_of(tabella.begin(), tabella.end(),
                     [chiave](const parola_chiave& record) { return record.prova.riconosce(chiave); });
}

void avverti_se_sconosciuta(contesto& c, tabella_chiavi tabella, const std::string& chiave) {
  if (c.o.avvisi == nullptr || riconosciuta(tabella, chiave)) return;
  std::vector<std::string_view> grafie;
  for (const parola_chiave& record : tabella) {
    std::copy_if(record.grafie.begin(), record.grafie.end(), std::back_inserter(grafie),
                 [](std::string_view grafia) { return !grafia.empty(); });
  }
  avverti_sconosciuta(c, chiave, grafie);
}

}  // namespace compilatore::lettura
