#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "bench/scenari_misura.h"
#include "compiler/compilatore.h"
#include "platform/file_system_memoria.h"
#include "tools/compila/esegui_compila.h"

// What the checks of compila_scenario cost: the compile with every warning
// looked for, against BM_Compila without (the main program's), and the
// diagnostics of a file that gives a warning on every line.
namespace {

void lunghezze(benchmark::internal::Benchmark* b) {
  b->Arg(0)->Arg(152)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
}

// The whole compile with the warnings wanted: a clean scenario gives none,
// and the model is the same; only the checks cost.
void BM_CompilaConAvvisi(benchmark::State& stato) {
  misura::cartella c(misura::descrizioni_di(stato.range(0)));
  for (auto _ : stato) {
    std::vector<compilatore::avviso> avvisi;
    compilatore::opzioni o = c.o;
    o.avvisi = &avvisi;
    const compilatore::compilato fatto = compilatore::compila(c.fs, c.file, o);
    benchmark::DoNotOptimize(fatto.errore.codice_errore);
    if (!avvisi.empty()) stato.SkipWithError("a generated scenario gave a warning");
  }
}
BENCHMARK(BM_CompilaConAvvisi)->Apply(lunghezze);

// compila_scenario --check on a line file of N unknown keywords: N warnings,
// each with its line and caret, and with --sarif the log of them.
void BM_MoltiAvvisi(benchmark::State& stato) {
  const auto n = static_cast<std::size_t>(stato.range(0));
  std::string corpo;
  for (std::size_t i = 0; i < n; ++i) corpo += "tunnel, " + std::to_string(i) + "\r\n";
  piattaforma::file_system_memoria fs;
  fs.file["m/Val_linea.txt"] = "[generale]\r\nlunghezza percorso, 20000\r\n[curve]\r\n" + corpo + "[fine]\r\n";
  fs.file["m/Val_9-.txt"] =
      "[generale]\r\nvelocita, 0, 160\r\naderenza, 0, 100\r\n"
      "stazione, 0, 28, 400, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Origine\r\n[fine]\r\n";
  std::vector<std::string> argomenti = {"m/Val_linea.txt", "m/Val_9-.txt", "--check"};
  if (stato.range(1) != 0) argomenti.emplace_back("--sarif=m/log.sarif");
  for (auto _ : stato) {
    std::ostringstream uscita;
    std::ostringstream errori;
    benchmark::DoNotOptimize(strumento_compila::esegui_compila(argomenti, fs, uscita, errori));
  }
  stato.SetItemsProcessed(static_cast<std::int64_t>(stato.iterations() * n));
}
BENCHMARK(BM_MoltiAvvisi)
    ->ArgsProduct({{1000, 250000}, {0, 1}})
    ->ArgNames({"avvisi", "sarif"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
