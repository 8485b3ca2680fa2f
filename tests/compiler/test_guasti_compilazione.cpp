#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "file_system_guasto.h"
#include "platform/file_system_memoria.h"
#include "prova_parser.h"

namespace {

using guasto = file_system_guasto::guasto;

const compilatore::sorgenti file{"p/Ostrale_Fiorna_linea.txt", "p/Ostrale_Fiorna_40817-.txt"};
// The run's own mode: the description files are intermediates and go once read.
const compilatore::opzioni opzioni{"Ostrale_Fiorna", "40817", 1, true};

// The input's failures and the platform's are the generic error 25, which
// takes the description files with it; a fault of the program is not an
// outcome of the compile: it goes up as it is, and deletes nothing.
TEST(GuastiCompilazione, OnlyTheInputsAndThePlatformsFailuresAreTheGenericError) {
  struct caso {
    const char* nome;
    guasto tipo;
    std::string causa;  // of error 25; empty: the fault goes up
  };
  const caso casi[] = {
      {"the platform cannot read it", guasto::lettura_fallita,
       file.linea + ": " + std::string(file_system_guasto::ragione_lettura)},
      {"too large for memory", guasto::memoria_esaurita, file.linea + ": file troppo grande per la memoria"},
      {"a fault of the program", guasto::difetto_interno, ""},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    piattaforma::file_system_memoria memoria;
    memoria.file[file.linea] = file_linea("");
    memoria.file[file.treno] = file_treno("");
    file_system_guasto fs(memoria, k.tipo, file.linea);
    if (k.causa.empty()) {
      EXPECT_THROW(static_cast<void>(compilatore::compila(fs, file, opzioni)), std::logic_error);
      EXPECT_EQ(memoria.file.size(), 2u) << "a fault of the program deleted a description file";
    } else {
      const compilatore::compilato fatto = compilatore::compila(fs, file, opzioni);
      EXPECT_EQ(fatto.errore.codice_errore, compilatore::errore::generico);
      EXPECT_EQ(fatto.errore.causa_errore, k.causa);
      EXPECT_FALSE(fatto.pulito());
      EXPECT_TRUE(memoria.file.empty());
    }
    EXPECT_EQ(fs.guasti_iniettati, 1);
  }
}

// Only a clean compile gives a model to write; any recorded error withholds it.
TEST(GuastiCompilazione, OnlyACleanCompileGivesAModelToWrite) {
  struct caso {
    const char* nome;
    std::string linea;
    std::string treno;
    std::int32_t codice;
  };
  const caso casi[] = {
      {"clean", file_linea(""), file_treno(""), 0},
      {"missing line file", "", file_treno(""), compilatore::errore::linea_mancante},
      {"parse error", file_linea(""), file_treno("velocita, 0, 1280\r\n"), compilatore::errore::generico},
      {"reserved places taken", file_linea("indicatori_vmax, 0, 100, 110, 115, 0, 100, 110, 115, 0\r\n"),
       file_treno(""), compilatore::errore::segnaposto_occupati},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    piattaforma::file_system_memoria fs;
    if (!k.linea.empty()) fs.file[file.linea] = k.linea;
    fs.file[file.treno] = k.treno;
    const compilatore::compilato fatto = compilatore::compila(fs, file, opzioni);
    EXPECT_EQ(fatto.errore.codice_errore, k.codice);
    const auto pulito = fatto.pulito();
    EXPECT_EQ(pulito.has_value(), k.codice == 0);
    if (pulito) {
      EXPECT_EQ(&pulito->m(), &fatto.m);
    }
  }
}

}  // namespace
