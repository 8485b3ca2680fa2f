#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/compilatore.h"
#include "modifiche_casuali.h"
#include "platform/file_system_memoria.h"
#include "scenario_compilato.h"
#include "tools/genera_linea/genera_linea.h"

// compile -> decompile -> compile gives the same bytes, on generated
// scenarios that random edits have taken away from the generator's habits.

namespace {

using prova_decompila::descrizioni;

bool compila_pulito(const descrizioni& d) {
  piattaforma::file_system_memoria fs;
  fs.file["l"] = d.linea;
  fs.file["t"] = d.treno;
  const compilatore::opzioni o{
      .nome_base = std::string("Prova"), .codice_treno = std::string("1"), .elimina_descrizioni = false};
  return !compilatore::compila(fs, {"l", "t"}, o).errore.presente();
}

// Up to `quante` edits, each one kept only if the files still compile.
std::vector<std::string> modifica(descrizioni& d, std::uint64_t seme, std::int32_t lunghezza, int quante) {
  prova_decompila::modifiche_casuali m(seme, lunghezza);
  std::vector<std::string> fatte;
  for (int i = 0; i < quante; ++i) {
    for (int prova = 0; prova < 30; ++prova) {
      descrizioni nuova = d;
      const std::string fatto = m.modifica(nuova);
      if (!compila_pulito(nuova)) continue;
      d = std::move(nuova);
      fatte.push_back(fatto);
      break;
    }
  }
  return fatte;
}

std::string elenco(const std::vector<std::string>& fatte) {
  std::string testo;
  for (const std::string& f : fatte) testo += "  " + f + "\n";
  return testo;
}

TEST(DecompilaProprieta, EditedScenariosCompileBackToTheirBytes) {
  constexpr int casi = 150;
  for (int caso = 0; caso < casi; ++caso) {
    const std::int32_t lunghezza = 10000 + 50 * ((caso * 7919) % 700);
    const genera_linea::scenario_prova s = genera_linea::genera(lunghezza);
    descrizioni d{s.linea, s.treno};
    const std::vector<std::string> fatte = modifica(d, static_cast<std::uint64_t>(caso), lunghezza, caso % 30);
    const bool con_tracciato = caso % 5 != 4;

    piattaforma::file_system_memoria fs;
    fs.file["s" SEPARATORE_PROVA "Prova_linea.txt"] = d.linea;
    fs.file["s" SEPARATORE_PROVA "Prova_1-.txt"] = d.treno;
    ASSERT_EQ(prova_decompila::compila(fs, "s", "Prova", "1", "c", con_tracciato).stato, 0);
    const auto decompilato = prova_decompila::decompila(fs, {"c", "Prova", "1", "--output", "o"});
    const auto ricompilato = prova_decompila::compila(fs, "o", "Prova", "1", "r", con_tracciato);

    SCOPED_TRACE("caso " + std::to_string(caso) + ", " + std::to_string(lunghezza) + " m, modifiche:\n" +
                 elenco(fatte) + decompilato.errori);
    EXPECT_EQ(decompilato.stato, 0);
    EXPECT_EQ(ricompilato.stato, 0) << ricompilato.errori;
    EXPECT_EQ(prova_decompila::differenze(prova_decompila::binari(fs, "c", "Prova", "1"),
                                          prova_decompila::binari(fs, "r", "Prova", "1")),
              "");
    if (HasFailure()) return;
  }
}

}  // namespace
