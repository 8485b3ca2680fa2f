// Feeds arbitrary bytes to the whole compile, as a line file and a service file
// held in memory, writes the result out when it compiled, and reads it back:
// the readers must give the same model.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/compilatore.h"
#include "compiler/scrivi_binari.h"
#include "platform/file_system_memoria.h"
#include "proprieta.h"

namespace {

// Splits the input into the two files; without it everything is the line file.
constexpr std::string_view separatore_file = "%%%%";

const compilatore::sorgenti sorgenti{"p/Ostrale_Fiorna_linea.txt", "p/Ostrale_Fiorna_40817-.txt"};
const compilatore::file_binari binari{"p/Ostrale_Fiorna_linea.dat", "p/Ostrale_Fiorna_40817.sim",
                                      "p/Ostrale_Fiorna_40817.dat"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
  const std::string_view ingresso(reinterpret_cast<const char*>(dati), dimensione);
  const std::size_t taglio = ingresso.find(separatore_file);
  const std::string_view linea = ingresso.substr(0, taglio);
  const std::string_view treno =
      taglio == std::string_view::npos ? std::string_view() : ingresso.substr(taglio + separatore_file.size());

  piattaforma::file_system_memoria fs;
  fs.file[sorgenti.linea] = std::string(linea);
  fs.file[sorgenti.treno] = std::string(treno);
  const compilatore::opzioni opzioni{"Ostrale_Fiorna", "40817", true, true};
  const compilatore::compilato fatto = compilatore::compila(fs, sorgenti, opzioni);
  const auto pulito = fatto.pulito();
  if (!pulito) return 0;
  // The serialisers walk every cell, point and entry the compile left.
  const piattaforma::esito scritto = compilatore::scrivi_compilato(fs, binari, *pulito);
  if (!scritto.riuscito()) __builtin_trap();  // memory cannot fail: a failure here is a fault
  if (!proprieta::difetto_ritorno(fs, binari, pulito->m()).empty()) __builtin_trap();
  return 0;
}
