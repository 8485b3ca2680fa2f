#include "compiler/memorizza_dati.h"

#include <exception>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"

namespace compilatore {
namespace {

// The generic failure: the parse ends, every description file still on disk
// goes. `dove` is the bad item, when the reader pinned one.
void fallimento_generico(lettura::contesto& c, const std::exception& causa,
                         const testo_scenario::errore_lettura* lettura) {
  if (!c.generico_registrato) lettura::registra_generico(c, causa, lettura);
  lettura::raccogli(c, true);
  for (const std::string* percorso : {&c.file.linea, &c.file.treno}) lettura::elimina_descrizione(c, *percorso);
}

}  // namespace

void memorizza_dati(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o, modello& m,
                    errore_compilazione& e) {
  lettura::contesto c{fs, file, o, m, e};
  // Only the input's own failures and the platform's become the generic
  // error. Anything else is a fault of the program: it goes up as it is, and
  // deletes nothing.
  try {
    m.tabella[formato::voce_nome_base].nome = o.nome_base;
    m.tabella[formato::voce_ripetizione].nome = o.codice_treno;
    if (!lettura::compila_linea(c)) return;
    lettura::compila_treno(c);
  } catch (const testo_scenario::errore_lettura& causa) {
    fallimento_generico(c, causa, &causa);
  } catch (const lettura::guasto& causa) {
    fallimento_generico(c, causa, nullptr);
  }
  m.registro = nullptr;
}

}  // namespace compilatore
