#include <benchmark/benchmark.h>

#include <string>

#include "scenario_text/dati_treno.h"
#include "scenario_text/lettore_voci.h"

namespace {

// Every item of the embedded service description, read as text: the reader's
// own cost, without the parser's keyword tests.
void BM_LettoreVociServizio(benchmark::State& stato) {
  const std::string testo = testo_scenario::righe_dati_treno().contenuto();
  std::int64_t voci = 0;
  for (auto _ : stato) {
    testo_scenario::lettore_voci lettore(testo);
    while (!lettore.alla_fine()) {
      benchmark::DoNotOptimize(lettore.leggi_testo());
      ++voci;
    }
  }
  stato.SetBytesProcessed(stato.iterations() * static_cast<std::int64_t>(testo.size()));
  stato.SetItemsProcessed(voci);
}
BENCHMARK(BM_LettoreVociServizio);

}  // namespace
