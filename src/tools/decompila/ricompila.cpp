#include "tools/decompila/ricompila.h"

#include "platform/file_system_memoria.h"

namespace decompila {

compilatore::compilato ricompila(const testi& t, const std::string& nome_base, const std::string& codice_treno,
                                 bool con_tracciato) {
  piattaforma::file_system_memoria fs;
  fs.file[t.percorso_linea] = t.linea;
  fs.file[t.percorso_treno] = t.treno;
  compilatore::opzioni o;
  o.nome_base = nome_base;
  o.codice_treno = codice_treno;
  o.calcola_tracciato = con_tracciato;
  o.elimina_descrizioni = false;
  return compilatore::compila(fs, {t.percorso_linea, t.percorso_treno}, o);
}

}  // namespace decompila
