#include "compila_esempio.h"

#include <sstream>
#include <vector>

#include "compiler/compilatore.h"
#include "platform/file_system_memoria.h"
#include "tools/compila/catalogo_errori.h"
#include "tools/compila/esegui_compila.h"
#include "tools/compila/scenario_iniziale.h"

namespace documentazione {
namespace {

const strumento_compila::scenario_iniziale& base() {
  static const strumento_compila::scenario_iniziale testi =
      strumento_compila::testi_iniziali(strumento_compila::base_esempi, strumento_compila::codice_esempi);
  return testi;
}

}  // namespace

const std::string& linea_base() { return base().linea; }
const std::string& treno_base() { return base().treno; }

esito_esempio compila_esempio(const std::optional<std::string>& linea, const std::string& treno) {
  const std::string base_nome(strumento_compila::base_esempi);
  const std::string codice(strumento_compila::codice_esempi);
  const std::string nome_linea = base_nome + "_linea.txt";
  const std::string nome_treno = base_nome + "_" + codice + "-.txt";
  piattaforma::file_system_memoria fs;
  if (linea) fs.file[nome_linea] = *linea;
  fs.file[nome_treno] = treno;

  compilatore::opzioni o;
  o.nome_base = base_nome;
  o.codice_treno = codice;
  o.elimina_descrizioni = false;
  esito_esempio e;
  e.errore = compilatore::compila(fs, {nome_linea, nome_treno}, o).errore;

  std::ostringstream uscita;
  std::ostringstream errori;
  const std::vector<std::string> argomenti = {nome_linea, nome_treno, "--check"};
  e.stato = strumento_compila::esegui_compila(argomenti, fs, uscita, errori);
  e.diagnostica = errori.str();
  return e;
}

}  // namespace documentazione
