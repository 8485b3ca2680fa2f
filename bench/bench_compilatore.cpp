#include <benchmark/benchmark.h>

#include "bench/scenari_misura.h"
#include "compiler/compilatore.h"
#include "compiler/memorizza_dati.h"
#include "compiler/post_elaborazione.h"

namespace {

// The argument is the line's length in km; 0 is the embedded scenario.
void lunghezze(benchmark::internal::Benchmark* b) {
  b->Arg(0)->Arg(152)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
}

// Both description files into the model, geometry included.
void BM_MemorizzaDati(benchmark::State& stato) {
  misura::cartella c(misura::descrizioni_di(stato.range(0)));
  for (auto _ : stato) {
    compilatore::modello m;
    compilatore::errore_compilazione e;
    m.calcola_tracciato = true;
    m.svuota_tabella();
    compilatore::memorizza_dati(c.fs, c.file, c.o, m, e);
    benchmark::DoNotOptimize(m.celle.data());
  }
}
BENCHMARK(BM_MemorizzaDati)->Apply(lunghezze);

// The whole compile: parse, post-processing, identification codes.
void BM_Compila(benchmark::State& stato) {
  misura::cartella c(misura::descrizioni_di(stato.range(0)));
  for (auto _ : stato) {
    const compilatore::compilato fatto = compilatore::compila(c.fs, c.file, c.o);
    benchmark::DoNotOptimize(fatto.errore.codice_errore);
  }
}
BENCHMARK(BM_Compila)->Apply(lunghezze);

// The post-processing alone, on a fresh copy of a parsed grid each time.
void BM_PostElabora(benchmark::State& stato) {
  misura::cartella c(misura::descrizioni_di(stato.range(0)));
  compilatore::modello analizzato;
  compilatore::errore_compilazione errore_analisi;
  analizzato.calcola_tracciato = false;  // the pass reads only the grid
  analizzato.svuota_tabella();
  compilatore::memorizza_dati(c.fs, c.file, c.o, analizzato, errore_analisi);
  for (auto _ : stato) {
    stato.PauseTiming();
    compilatore::modello m = analizzato;
    compilatore::errore_compilazione e;
    stato.ResumeTiming();
    compilatore::post_elabora(m, e);
    benchmark::DoNotOptimize(m.celle.data());
  }
}
BENCHMARK(BM_PostElabora)->Apply(lunghezze);

}  // namespace
