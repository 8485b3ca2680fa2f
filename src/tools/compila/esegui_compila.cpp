#include "tools/compila/esegui_compila.h"

#include <exception>
#include <map>
#include <optional>
#include <vector>

#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "compiler/scrivi_binari.h"
#include "formato/nomi_file.h"
#include "tools/compila/argomenti.h"
#include "tools/compila/diagnostica.h"
#include "tools/compila/nomi_sorgenti.h"
#include "tools/compila/riepilogo.h"

namespace strumento_compila {
namespace {

constexpr const char* programma = "compila_scenario";

int errore_uso(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n" << testo_uso() << "\n";
  return uscita_uso;
}

// The author's two files, read once and only when a diagnostic shows a line of them.
class sorgenti_autore {
 public:
  sorgenti_autore(piattaforma::file_system& fs, const richiesta& r) : fs_(fs), r_(r) {}

  const std::string& nome(compilatore::origine::file f) const {
    return f == compilatore::origine::file::treno ? r_.treno : r_.linea;
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
  const richiesta& r_;
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

int compila(const richiesta& r, const nomi_sorgenti& n, piattaforma::file_system& fs, std::ostream& uscita,
            std::ostream& errori) {
  std::vector<compilatore::avviso> avvisi;
  compilatore::opzioni o;
  o.nome_base = n.nome_base;
  o.codice_treno = n.codice_treno;
  o.calcola_tracciato = !r.senza_tracciato;
  o.elimina_descrizioni = false;  // the author's own files
  o.avvisi = &avvisi;
  const compilatore::compilato c = compilatore::compila(fs, {r.linea, r.treno}, o);

  sorgenti_autore sorgenti(fs, r);
  for (const compilatore::avviso& a : avvisi) errori << sorgenti.diagnostica_in(a.dove, messaggio_avviso(a));
  const auto pulito = c.pulito();
  if (!pulito) {
    errori << rapporto_errore(sorgenti, c.errore);
    return uscita_errori;
  }
  if (r.rigoroso && !avvisi.empty()) {
    const std::string quanti = avvisi.size() == 1 ? "1 avviso" : std::to_string(avvisi.size()) + " avvisi";
    errori << programma << ": " << quanti << " con --strict: nessun file scritto\n";
    return uscita_errori;
  }
  if (!r.solo_verifica) {
    const formato::nomi_file nomi =
        formato::forma_nomi(r.cartella_uscita.value_or(n.cartella), n.nome_base, n.codice_treno);
    const piattaforma::esito scritto =
        compilatore::scrivi_compilato(fs, {nomi.tracciato_dat, nomi.tabella_sim, nomi.celle_dat}, *pulito);
    if (!scritto.riuscito()) {
      errori << programma << ": " << scritto.messaggio() << "\n";
      return uscita_errori;
    }
  }
  uscita << riepilogo(c.m);
  return uscita_riuscita;
}

int esegui(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
           std::ostream& errori) {
  const lettura_argomenti a = leggi_argomenti(argomenti);
  if (!a.valida) return errore_uso(errori, a.errore);
  const richiesta& r = *a.valida;
  if (r.cosa == richiesta::azione::aiuto) {
    uscita << testo_aiuto();
    return uscita_riuscita;
  }
  if (r.cosa == richiesta::azione::versione) {
    uscita << programma << " " << VERSIONE_COMPILA << "\n";
    return uscita_riuscita;
  }
  const lettura_nomi n = ricava_nomi(r.linea, r.treno);
  if (!n.validi) return errore_uso(errori, n.errore);
  return compila(r, *n.validi, fs, uscita, errori);
}

}  // namespace

int esegui_compila(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& uscita,
                   std::ostream& errori) {
  try {
    return esegui(argomenti, fs, uscita, errori);
  } catch (const std::exception& e) {
    // A fault of the program, not of the author's files, which it has not touched.
    errori << programma << ": errore interno del programma: " << e.what() << "\n";
    return uscita_interna;
  }
}

}  // namespace strumento_compila
