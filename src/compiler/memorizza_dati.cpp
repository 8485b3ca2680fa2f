#include "compiler/memorizza_dati.h"

#include <exception>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"

namespace compilatore {
namespace {

// The generic failure: the parse ends, every description file still on disk goes.
void fallimento_generico(lettura::contesto& c, const std::exception& causa) {
  c.m.codice_errore = errore::generico;
  c.m.origine_errore = {c.in_file, c.voce_chiave.riga, c.voce_chiave.colonna};
  c.m.causa_errore = causa.what();
  // A bad item is pinned more precisely by the reader than by its record.
  if (const auto* lettura_fallita = dynamic_cast<const testo_scenario::errore_lettura*>(&causa)) {
    c.m.origine_errore.riga = lettura_fallita->dove().riga;
    c.m.origine_errore.colonna = lettura_fallita->dove().colonna;
  }
  if (!c.o.elimina_descrizioni) return;
  for (const std::string* percorso : {&c.file.linea, &c.file.treno}) {
    // Already failing: a file that will not go is left for the next run to replace.
    if (c.fs.esiste(*percorso)) static_cast<void>(c.fs.elimina(*percorso));
  }
}

}  // namespace

void memorizza_dati(piattaforma::file_system& fs, const sorgenti& file, const opzioni& o, modello& m) {
  lettura::contesto c{fs, file, o, m, origine::file::nessuno, {}, formato::voce_primo_cartello, {}};
  try {
    m.tabella[formato::voce_nome_base].nome = o.nome_base;
    m.tabella[formato::voce_ripetizione].nome = o.codice_treno;
    if (!fs.esiste(file.linea)) {
      m.codice_errore = errore::linea_mancante;
      m.origine_errore = {};
      return;
    }
    if (!lettura::compila_linea(c)) return;
    lettura::compila_treno(c);
  } catch (const std::exception& causa) {
    fallimento_generico(c, causa);
  }
}

}  // namespace compilatore
