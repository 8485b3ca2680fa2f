#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "documents/percorso_treno.h"
#include "documents/progressiva_km.h"

// What the three generated documents share.
namespace documenti {

// A document that cannot be made: a value its form has no room for.
class errore_documento : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The warnings of one generation: a name from the descriptions cut to its column.
class avvisi_documenti {
 public:
  // `testo`, cut to `larghezza` with a warning that names `documento` when longer.
  std::string adatta(std::string_view testo, std::size_t larghezza, std::string_view documento);
  std::vector<std::string> elenco;
};

// The chainage at `posizione` as the documents print it, "ddd.ddd".
std::string km_stampato(const progressive_km& progressive, std::int32_t posizione);

// "A - B" for a slowdown between two stations, "A" for one that lies in a
// station's area (or before the first station, or after the last).
std::string stazioni_del_rallentamento(const std::vector<stazione_percorso>& stazioni, const rallentamento_percorso& r);

}  // namespace documenti
