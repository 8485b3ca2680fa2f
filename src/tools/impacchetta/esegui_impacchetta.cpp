#include "tools/impacchetta/esegui_impacchetta.h"

#include <vector>

#include "documents/dati_autore.h"
#include "driver/pacchetto.h"
#include "formato/nomi_file.h"
#include "platform/cartella_riservata.h"
#include "platform/piattaforma.h"
#include "tools/compila/compilazione_autore.h"
#include "tools/compila/documenti_autore.h"
#include "tools/compila/rapporto.h"
#include "tools/impacchetta/argomenti_impacchetta.h"

namespace strumento_impacchetta {
namespace {

constexpr const char* programma = "impacchetta_scenario";

int errore_uso(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n" << testo_uso() << "\n";
  return uscita_uso;
}

int fallisci(std::ostream& errori, const std::string& motivo) {
  errori << programma << ": " << motivo << "\n";
  return uscita_errori;
}

std::string percorso_installatore(const std::string& cartella, piattaforma_installatore per) {
  const bool windows = per == piattaforma_installatore::windows;
  return piattaforma::unisci_percorso(cartella, std::string(nome_installatore) + (windows ? ".exe" : ""));
}

std::string come_averlo(piattaforma_installatore per) {
  if (per == piattaforma_installatore::windows) {
    return "la build per Linux lo costruisce quando trova MinGW-w64 (pacchetto g++-mingw-w64-x86-64); "
           "oppure va copiato qui da build/windows/ dopo `cmake --workflow --preset windows`";
  }
  return "si costruisce con il progetto per Linux, dove `cmake --install` lo mette accanto a impacchetta_scenario";
}

// One of the five files, and the generated document that stands in for it when it is missing.
struct file_scenario {
  const std::string& percorso;
  std::string& testo;
  std::string documenti::documenti_generati::*generato;  // none for a description
};

int impacchetta(const richiesta& r, piattaforma::file_system& fs, const std::string& cartella_programmi,
                std::ostream& uscita, std::ostream& errori) {
  const std::string base = percorso_installatore(cartella_programmi, r.per);
  const formato::nomi_file nomi = formato::forma_nomi(r.cartella, r.nome_base, r.codice_treno);
  const std::string dati_autore =
      piattaforma::unisci_percorso(r.cartella, documenti::nome_dati_autore(r.nome_base, r.codice_treno));
  // The installer must not take the place of what it is made from.
  for (const std::string* ingresso : {&nomi.linea_txt, &nomi.treno_txt, &nomi.note_txt, &nomi.rallentamenti_txt,
                                      &nomi.scheda_txt, &dati_autore, &base}) {
    if (fs.stesso_file(r.uscita, *ingresso)) {
      return errore_uso(errori, "--output " + r.uscita + " \xE8 uno dei file da impacchettare: " + *ingresso);
    }
  }
  // The installer's folder, held for the whole run as every run that writes there holds it.
  piattaforma::cartella_riservata riservata;
  const piattaforma::esito presa = riservata.prendi(fs, piattaforma::cartella_di(r.uscita), {&r.uscita, 1});
  if (!presa.riuscito()) return fallisci(errori, presa.messaggio());

  if (!fs.esiste(base)) return fallisci(errori, "manca " + base + ": " + come_averlo(r.per));

  const strumento_compila::scenario_autore scenario{nomi.linea_txt, nomi.treno_txt, r.nome_base, r.codice_treno, true};
  strumento_compila::compilazione_autore c = strumento_compila::compila_autore(fs, scenario);
  strumento_compila::mostra_diagnostiche(fs, c.diagnostiche, programma, errori);
  if (!c.riuscita()) return fallisci(errori, "lo scenario non si compila: nessun installatore scritto");

  guida::testi_scenario testi{r.nome_base, r.codice_treno, {}, {}, {}, {}, {}};
  using documenti::documenti_generati;
  const file_scenario file[] = {
      {nomi.linea_txt, testi.linea, nullptr},
      {nomi.treno_txt, testi.treno, nullptr},
      {nomi.note_txt, testi.note, &documenti_generati::note},
      {nomi.rallentamenti_txt, testi.rallentamenti, &documenti_generati::rallentamenti},
      {nomi.scheda_txt, testi.scheda, &documenti_generati::scheda},
  };
  std::vector<std::string> generati;
  strumento_compila::documenti_autore documenti;
  for (const file_scenario& f : file) {
    if (f.generato == nullptr || fs.esiste(f.percorso)) {
      const piattaforma::esito letto = fs.leggi(f.percorso, f.testo);
      if (!letto.riuscito()) return fallisci(errori, letto.messaggio());
      continue;
    }
    // Generated once, for the first document missing.
    if (!documenti.riusciti) {
      std::vector<strumento_compila::diagnostico> diagnostiche;
      documenti = strumento_compila::prepara_documenti(fs, r.cartella, c.m(), diagnostiche);
      strumento_compila::mostra_diagnostiche(fs, diagnostiche, programma, errori);
      if (!documenti.riusciti) return fallisci(errori, "nessun installatore scritto");
    }
    f.testo = documenti.documenti.*f.generato;
    generati.push_back(f.percorso);
  }

  std::string programma_base;
  const piattaforma::esito letto = fs.leggi(base, programma_base);
  if (!letto.riuscito()) return fallisci(errori, letto.messaggio());
  const std::string installatore = guida::componi_installatore(programma_base, testi);
  const piattaforma::esito scritto = piattaforma::sostituisci_eseguibile(fs, r.uscita, installatore);
  if (!scritto.riuscito()) return fallisci(errori, scritto.messaggio());

  // Said plainly: the generated document goes into the installer, not beside the descriptions.
  for (const std::string& g : generati) uscita << g << ": assente, impacchettato quello generato dalle descrizioni\n";
  const char* per = r.per == piattaforma_installatore::windows ? "Windows" : "Linux";
  uscita << "installatore per " << per << ": " << r.uscita << " (" << installatore.size() << " byte), scenario "
         << r.nome_base << ", treno " << r.codice_treno << "\n";
  return uscita_riuscita;
}

}  // namespace

int esegui_impacchetta(std::span<const std::string> argomenti, piattaforma::file_system& fs,
                       const std::string& cartella_programmi, std::ostream& uscita, std::ostream& errori) {
  const lettura_argomenti a = leggi_argomenti(argomenti);
  if (!a.da_mostrare.empty()) {
    uscita << a.da_mostrare;
    return uscita_riuscita;
  }
  if (!a.valida) return errore_uso(errori, a.errore);
  return impacchetta(*a.valida, fs, cartella_programmi, uscita, errori);
}

}  // namespace strumento_impacchetta
