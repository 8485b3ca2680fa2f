#include "tools/compila/riepilogo.h"

#include "formato/voci.h"

namespace strumento_compila {

std::string riepilogo(const compilatore::modello& m) {
  const auto riga = [](const char* nome, std::int64_t valore, const char* unita = "") {
    return std::string(nome) + ": " + std::to_string(valore) + unita + "\n";
  };
  std::string testo;
  testo += riga("lunghezza della linea", m.tabella[formato::voce_lunghezza].fine, " m");
  testo += riga("celle", static_cast<std::int64_t>(m.celle.size()));
  testo += riga("stazioni", m.n_stazioni);
  testo += riga("segnali", m.n_segnali);
  testo += riga("rallentamenti", static_cast<std::int64_t>(m.rallentamenti.size()));
  testo += riga("cartelli", m.n_cartelli);
  // The stamped places: the weighted code goes with the table, the plain sum with the grid.
  testo += riga("codice di identificazione della tabella", m.tabella[formato::voce_nome_base].orario);
  testo += riga("codice di identificazione delle celle", m.celle.size() > 1 ? m.celle[1].dato2 : 0);
  return testo;
}

}  // namespace strumento_compila
