#include <benchmark/benchmark.h>

#include <string>

#include "bench/scenari_misura.h"
#include "formato/scrivi_binari.h"

namespace {

void lunghezze(benchmark::internal::Benchmark* b) {
  b->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);
}

template <typename F>
void misura_contenuto(benchmark::State& stato, F contenuto) {
  const compilatore::modello& m = misura::compilato_di(stato.range(0));
  std::int64_t byte = 0;
  for (auto _ : stato) {
    const std::string c = contenuto(m);
    byte += static_cast<std::int64_t>(c.size());
    benchmark::DoNotOptimize(c.data());
  }
  stato.SetBytesProcessed(byte);
}

void BM_ContenutoTracciato(benchmark::State& stato) {
  misura_contenuto(stato, [](const compilatore::modello& m) { return formato::contenuto_tracciato(m.punti); });
}
BENCHMARK(BM_ContenutoTracciato)->Apply(lunghezze);

void BM_ContenutoTabella(benchmark::State& stato) {
  misura_contenuto(stato, [](const compilatore::modello& m) { return formato::contenuto_tabella(m.tabella); });
}
BENCHMARK(BM_ContenutoTabella)->Apply(lunghezze);

void BM_ContenutoCelle(benchmark::State& stato) {
  misura_contenuto(stato, [](const compilatore::modello& m) { return formato::contenuto_celle(m.celle); });
}
BENCHMARK(BM_ContenutoCelle)->Apply(lunghezze);

}  // namespace
