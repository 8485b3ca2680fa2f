#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "bench/scenari_misura.h"
#include "formato/nomi_file.h"
#include "formato/scrivi_binari.h"
#include "platform/file_system_memoria.h"
#include "tools/decompila/decompila.h"
#include "tools/decompila/esegui_decompila.h"

namespace {

void lunghezze(benchmark::internal::Benchmark* b) { b->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond); }

// The compiled files of a measured scenario in an in-memory folder.
piattaforma::file_system_memoria cartella_compilata(std::int64_t km) {
  const compilatore::modello& m = misura::compilato_di(km);
  const formato::nomi_file n = formato::forma_nomi("c", "Ostrale_Fiorna", "40817");
  piattaforma::file_system_memoria fs;
  fs.file[n.tracciato_dat] = formato::contenuto_tracciato(m.punti);
  fs.file[n.tabella_sim] = formato::contenuto_tabella(m.tabella);
  fs.file[n.celle_dat] = formato::contenuto_celle(m.celle);
  return fs;
}

// The whole tool: read the three files, decompile, compile the description
// again in memory to check it, write the two files.
void BM_DecompilaScenario(benchmark::State& stato) {
  piattaforma::file_system_memoria fs = cartella_compilata(stato.range(0));
  const std::vector<std::string> argomenti = {"c", "Ostrale_Fiorna", "40817", "--output", "o", "--force"};
  for (auto _ : stato) {
    std::ostringstream uscita;
    std::ostringstream errori;
    if (decompila::esegui_decompila(argomenti, fs, uscita, errori) != 0) stato.SkipWithError(errori.str().c_str());
  }
}
BENCHMARK(BM_DecompilaScenario)->Apply(lunghezze);

// The decompile alone, from the files read to the description's records.
void BM_Decompila(benchmark::State& stato) {
  piattaforma::file_system_memoria fs = cartella_compilata(stato.range(0));
  decompila::anomalie scarto;
  const decompila::compilato_letto letto = decompila::leggi_compilato(fs, "c", "Ostrale_Fiorna", "40817", scarto);
  for (auto _ : stato) {
    decompila::anomalie a;
    benchmark::DoNotOptimize(decompila::decompila(letto, a));
  }
}
BENCHMARK(BM_Decompila)->Apply(lunghezze);

}  // namespace
