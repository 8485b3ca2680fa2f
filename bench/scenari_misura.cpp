#include "bench/scenari_misura.h"

#include <map>
#include <stdexcept>

#include "compiler/compilatore.h"
#include "scenario_text/dati_linea.h"
#include "scenario_text/dati_treno.h"
#include "tools/genera_linea/genera_linea.h"

namespace misura {

const descrizioni& descrizioni_di(std::int64_t km) {
  static std::map<std::int64_t, descrizioni> fatte;
  auto trovata = fatte.find(km);
  if (trovata != fatte.end()) return trovata->second;
  descrizioni d;
  if (km == 0) {
    d = {testo_scenario::righe_dati_linea().contenuto(), testo_scenario::righe_dati_treno().contenuto()};
  } else {
    auto s = genera_linea::genera(static_cast<std::int32_t>(km * 1000));
    d = {std::move(s.linea), std::move(s.treno)};
  }
  return fatte.emplace(km, std::move(d)).first->second;
}

cartella::cartella(const descrizioni& d) {
  fs.file[file.linea] = d.linea;
  fs.file[file.treno] = d.treno;
}

const compilatore::modello& compilato_di(std::int64_t km) {
  static std::map<std::int64_t, compilatore::modello> fatti;
  auto trovato = fatti.find(km);
  if (trovato != fatti.end()) return trovato->second;
  cartella c(descrizioni_di(km));
  compilatore::compilato fatto = compilatore::compila(c.fs, c.file, c.o);
  if (fatto.errore.presente()) {
    throw std::runtime_error("lo scenario di " + std::to_string(km) + " km non compila: errore " +
                             std::to_string(fatto.errore.codice_errore));
  }
  return fatti.emplace(km, std::move(fatto.m)).first->second;
}

}  // namespace misura
