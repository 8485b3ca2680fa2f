#include "tools/compila/compilazione_autore.h"

#include <map>
#include <optional>

#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "tools/compila/diagnostica.h"

namespace strumento_compila {
namespace {

// The author's two files, read once and only when a diagnostic shows a line of them.
class sorgenti_autore {
 public:
  sorgenti_autore(piattaforma::file_system& fs, const scenario_autore& s) : fs_(fs), s_(s) {}

  const std::string& nome(compilatore::origine::file f) const {
    return f == compilatore::origine::file::treno ? s_.treno : s_.linea;
  }

  const std::optional<std::string>& testo(compilatore::origine::file f) {
    auto trovato = letti_.find(f);
    if (trovato != letti_.end()) return trovato->second;
    std::string contenuto;
    std::optional<std::string> letto;
    if (fs_.leggi(nome(f), contenuto).riuscito()) letto = std::move(contenuto);
    return letti_.emplace(f, std::move(letto)).first->second;
  }

  std::string diagnostica_in(const compilatore::origine& o, std::string_view messaggio) {
    return diagnostica(nome(o.in_file), punto_sorgente{o.riga, o.colonna}, messaggio, testo(o.in_file));
  }

 private:
  piattaforma::file_system& fs_;
  const scenario_autore& s_;
  std::map<compilatore::origine::file, std::optional<std::string>> letti_;
};

// The file an error with no place in a file concerns.
compilatore::origine::file file_senza_posto(std::int32_t numero) {
  // The reserved places are taken, when no record of the files did it, by a
  // point the post-processing placed for a slowdown.
  if (numero == compilatore::errore::segnaposto_occupati || numero == compilatore::errore::codici_occupati) {
    return compilatore::origine::file::treno;
  }
  return compilatore::origine::file::linea;
}

std::string rapporto_errore(sorgenti_autore& s, const compilatore::errore_compilazione& e) {
  const std::string messaggio = messaggio_errore(e.codice_errore, e.posizione_errore, e.causa_errore);
  if (e.origine_errore.nota()) return s.diagnostica_in(e.origine_errore, messaggio);
  return diagnostica(s.nome(file_senza_posto(e.codice_errore)), std::nullopt, messaggio, std::nullopt);
}

}  // namespace

compilazione_autore compila_autore(piattaforma::file_system& fs, const scenario_autore& s, std::ostream& errori) {
  std::vector<compilatore::avviso> avvisi;
  compilatore::opzioni o;
  o.nome_base = s.nome_base;
  o.codice_treno = s.codice_treno;
  o.calcola_tracciato = s.calcola_tracciato;
  o.elimina_descrizioni = false;  // the author's own files
  o.avvisi = &avvisi;
  compilazione_autore c{compilatore::compila(fs, {s.linea, s.treno}, o), avvisi.size()};

  sorgenti_autore sorgenti(fs, s);
  for (const compilatore::avviso& a : avvisi) errori << sorgenti.diagnostica_in(a.dove, messaggio_avviso(a));
  if (!c.riuscita()) errori << rapporto_errore(sorgenti, c.esito.errore);
  return c;
}

}  // namespace strumento_compila
