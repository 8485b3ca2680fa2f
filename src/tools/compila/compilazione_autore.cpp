#include "tools/compila/compilazione_autore.h"

#include <algorithm>

#include "compiler/errori.h"

namespace strumento_compila {
namespace {

using compilatore::errore_compilazione;
using compilatore::errore_raccolto;
using compilatore::origine;

const std::string& nome_file(const scenario_autore& s, origine::file f) {
  return f == origine::file::treno ? s.treno : s.linea;
}

// The file an error with no place in a file concerns.
origine::file file_senza_posto(std::int32_t numero) {
  // The reserved places are taken, when no record of the files did it, by a
  // point the post-processing placed for a slowdown.
  if (numero == compilatore::errore::segnaposto_occupati || numero == compilatore::errore::codici_occupati) {
    return origine::file::treno;
  }
  return origine::file::linea;
}

diagnostico di_errore(const scenario_autore& s, const errore_compilazione& e) {
  diagnostico d;
  d.tipo = diagnostico::livello::errore;
  d.regola = std::to_string(e.codice_errore);
  d.testo = testo_errore(e.codice_errore, e.posizione_errore, e.causa_errore, e.dettaglio);
  if (e.origine_errore.nota()) {
    d.file = nome_file(s, e.origine_errore.in_file);
    d.posto = punto_sorgente{e.origine_errore.riga, e.origine_errore.colonna};
  } else {
    d.file = nome_file(s, file_senza_posto(e.codice_errore));
  }
  return d;
}

diagnostico di_avviso(const scenario_autore& s, const compilatore::avviso& a) {
  diagnostico d;
  d.tipo = diagnostico::livello::avviso;
  d.regola = std::string(compilatore::nome_avviso(a.tipo));
  d.testo = a.testo;
  d.file = nome_file(s, a.dove.in_file);
  d.posto = punto_sorgente{a.dove.riga, a.dove.colonna};
  return d;
}

bool stesso_errore(const errore_compilazione& a, const errore_compilazione& b) {
  const bool posizione = !compilatore::ha_posizione(a.codice_errore) || a.posizione_errore == b.posizione_errore;
  return a.codice_errore == b.codice_errore && posizione && a.origine_errore.in_file == b.origine_errore.in_file &&
         a.origine_errore.riga == b.origine_errore.riga;
}

compilatore::opzioni opzioni_di(const scenario_autore& s, std::vector<compilatore::avviso>& avvisi) {
  compilatore::opzioni o;
  o.nome_base = s.nome_base;
  o.codice_treno = s.codice_treno;
  o.calcola_tracciato = s.calcola_tracciato;
  o.elimina_descrizioni = false;  // the author's own files
  o.avvisi = &avvisi;
  return o;
}

// The errors in the order to show them: the main program's first, the
// others in the order the compile met them, each once.
std::vector<errore_raccolto> in_ordine(const errore_compilazione& principale, std::vector<errore_raccolto> raccolti) {
  const auto uguale = std::find_if(raccolti.begin(), raccolti.end(), [&principale](const errore_raccolto& r) {
    return stesso_errore(r.errore, principale);
  });
  const std::size_t primo_avvisi = raccolti.empty() ? 0 : raccolti.front().avvisi_prima;
  if (uguale != raccolti.end()) {
    // Where the main program's error differs from the first met, it moves up to the first place.
    errore_raccolto r = *uguale;
    raccolti.erase(uguale);
    r.errore = principale;
    r.avvisi_prima = primo_avvisi;
    raccolti.insert(raccolti.begin(), r);
  } else {
    raccolti.insert(raccolti.begin(), {principale, primo_avvisi, false});
  }
  return raccolti;
}

// Warnings and errors interleaved in the order met; past the limit, errors are only counted.
void intreccia(compilazione_autore& c, const scenario_autore& s, const std::vector<compilatore::avviso>& avvisi,
               const std::vector<errore_raccolto>& errori) {
  std::size_t a = 0;
  for (const errore_raccolto& e : errori) {
    for (; a < avvisi.size() && a < e.avvisi_prima; ++a) c.diagnostiche.push_back(di_avviso(s, avvisi[a]));
    ++c.errori;
    if (c.errori > errori_mostrati) {
      ++c.errori_taciuti;
    } else {
      c.diagnostiche.push_back(di_errore(s, e.errore));
    }
  }
  for (; a < avvisi.size(); ++a) c.diagnostiche.push_back(di_avviso(s, avvisi[a]));
  c.avvisi = avvisi.size();
}

}  // namespace

std::string diagnostico::messaggio() const {
  // Under --strict a warning is an error, and says so, by its name.
  if (rigoroso) return "errore[" + regola + "]: " + testo;
  if (tipo == livello::avviso) return "avviso[" + regola + "]: " + testo;
  if (regola.empty()) return "errore: " + testo;
  return "errore " + regola + ": " + testo + suggerimento_spiega(std::stoi(regola));
}

compilazione_autore compila_autore(piattaforma::file_system& fs, const scenario_autore& s) {
  std::vector<compilatore::avviso> avvisi;
  compilazione_autore c{compilatore::compila(fs, {s.linea, s.treno}, opzioni_di(s, avvisi)), {}, 0, 0, 0};
  if (c.riuscita()) {
    intreccia(c, s, avvisi, {});
    return c;
  }
  // The main program stops at the first error; the author wants them all.
  std::vector<compilatore::avviso> avvisi_tutti;
  std::vector<errore_raccolto> errori_tutti;
  compilatore::opzioni o = opzioni_di(s, avvisi_tutti);
  o.errori = &errori_tutti;
  static_cast<void>(compilatore::compila(fs, {s.linea, s.treno}, o));
  intreccia(c, s, avvisi_tutti, in_ordine(c.esito.errore, std::move(errori_tutti)));
  return c;
}

}  // namespace strumento_compila
