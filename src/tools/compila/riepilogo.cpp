#include "tools/compila/riepilogo.h"

#include <algorithm>

#include "formato/voci.h"

namespace strumento_compila {
namespace {

std::int64_t eventi(const compilatore::modello& m, std::uint8_t evento) {
  return std::count_if(m.celle.begin(), m.celle.end(),
                       [evento](const compilatore::cella& c) { return c.evento == evento; });
}

}  // namespace

std::string riepilogo(const compilatore::modello& m, std::size_t avvisi, const std::vector<std::string>& scritti) {
  namespace evento = compilatore::evento;
  const auto riga = [](const char* nome, std::int64_t valore, const char* unita = "") {
    return std::string(nome) + ": " + std::to_string(valore) + unita + "\n";
  };
  std::string testo;
  testo += riga("lunghezza della linea", m.tabella[formato::voce_lunghezza].fine, " m");
  testo += riga("celle", static_cast<std::int64_t>(m.celle.size()));
  testo += riga("stazioni", m.n_stazioni);
  testo += riga("segnali", eventi(m, evento::segnale));
  testo += riga("rallentamenti", eventi(m, evento::inizio_rallentamento));
  testo += riga("indicatori di velocita'", eventi(m, evento::indicatore_v_max));
  testo += riga("cartelli indicatori", eventi(m, evento::cartello_indicatore));
  // The stamped places: the weighted code goes with the table, the plain sum with the grid.
  testo += riga("codice di identificazione della tabella", m.tabella[formato::voce_nome_base].orario);
  testo += riga("codice di identificazione delle celle", m.celle.size() > 1 ? m.celle[1].dato2 : 0);
  testo += riga("avvisi", static_cast<std::int64_t>(avvisi));
  if (scritti.empty()) return testo + "nessun file scritto\n";
  testo += "file scritti:\n";
  for (const std::string& f : scritti) testo += "  " + f + "\n";
  return testo;
}

}  // namespace strumento_compila
