#include "documents/pagina_scheda.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "documents/intestazione_scheda.h"

namespace documenti {
namespace {

constexpr std::size_t righe_pagina = 31;
constexpr std::size_t righe_ultima_pagina = 32;

void aggiungi_vuote(testo_scenario::tabella_righe& tabella, std::size_t quante) {
  for (std::size_t i = 0; i < quante; ++i) tabella.aggiungi("");
}

void aggiungi_tutte(testo_scenario::tabella_righe& tabella, const std::vector<std::string>& righe) {
  for (const std::string& riga : righe) tabella.aggiungi(riga);
}

// Header, column header, the rows filled up with empty ones to `righe_tabella`, bottom rule.
template <typename Voci>
void aggiungi_pagina(testo_scenario::tabella_righe& tabella, const std::vector<std::string>& intestazione,
                     const Voci& voci, std::size_t righe_tabella) {
  aggiungi_tutte(tabella, intestazione);
  tabella.aggiungi("");
  aggiungi_tutte(tabella, testata_colonne_scheda());
  for (const voce_scheda& voce : voci) tabella.aggiungi(riga_scheda(voce));
  for (std::size_t i = voci.size(); i < righe_tabella; ++i) tabella.aggiungi(riga_vuota_scheda());
  tabella.aggiungi(chiusura_tabella_scheda());
}

}  // namespace

testo_scenario::tabella_righe impagina_scheda(const std::vector<voce_scheda>& voci,
                                              const intestazione_pagina& intestazione) {
  testo_scenario::tabella_righe tabella;
  aggiungi_vuote(tabella, 2);

  const std::size_t pagine = std::max<std::size_t>(1, (voci.size() + righe_pagina - 1) / righe_pagina);
  for (std::size_t p = 0; p < pagine; ++p) {
    const std::size_t da = p * righe_pagina;
    const std::size_t a = std::min(voci.size(), da + righe_pagina);
    const bool ultima = p + 1 == pagine;
    const std::string numero = std::to_string(p + 1) + "/" + std::to_string(pagine);
    aggiungi_pagina(tabella, intestazione(numero), std::span(voci).subspan(da, a - da),
                    ultima ? righe_ultima_pagina : righe_pagina);
    aggiungi_vuote(tabella, 3);
    tabella.aggiungi(std::string(ultima ? 72 : 81, '.'));
    aggiungi_vuote(tabella, ultima ? 1 : 2);
  }

  aggiungi_pagina(tabella, intestazione_scheda_in_bianco(), std::span<const voce_scheda>(), righe_pagina);
  aggiungi_vuote(tabella, 2);
  tabella.aggiungi(std::string(72, '.'));
  aggiungi_vuote(tabella, 1);

  aggiungi_pagina(tabella, intestazione_scheda_in_bianco(), std::span<const voce_scheda>(), righe_pagina);
  aggiungi_vuote(tabella, 1);
  return tabella;
}

}  // namespace documenti
