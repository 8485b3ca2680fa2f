#include "tools/compila/spiega_errore.h"

#include <charconv>
#include <cstdint>

#include "compiler/spiegazioni_errori.h"
#include "tools/compila/catalogo_errori.h"
#include "tools/compila/esegui_compila.h"

namespace strumento_compila {

int spiega_errore(const std::string& numero, std::ostream& uscita, std::ostream& errori) {
  std::int32_t n = 0;
  const auto [fine, esito] = std::from_chars(numero.data(), numero.data() + numero.size(), n);
  const compilatore::spiegazione_errore* s =
      esito == std::errc() && fine == numero.data() + numero.size() ? compilatore::spiegazione(n) : nullptr;
  if (s == nullptr) {
    errori << "compila_scenario: nessun errore ha il numero '" << numero << "'; i numeri sono " << elenco_numeri()
           << "\n";
    return uscita_uso;
  }
  uscita << voce_catalogo(*s);
  return uscita_riuscita;
}

}  // namespace strumento_compila
