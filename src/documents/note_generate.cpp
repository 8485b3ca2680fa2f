#include "documents/note_generate.h"

#include "documents/maiuscole.h"
#include "documents/percorso_treno.h"
#include "formato/voci.h"

namespace documenti {
namespace {

std::string prima_riga(const compilatore::modello& m, const dati_autore& autore) {
  std::string riga = "Simulazione del treno ";
  if (!autore.classificazione.empty()) riga += in_minuscolo(autore.classificazione) + " ";
  riga += m.tabella[formato::voce_ripetizione].nome;
  const std::vector<stazione_percorso> stazioni = stazioni_di(m);
  if (!stazioni.empty()) {
    riga +=
        " nel tratto " + iniziali_maiuscole(stazioni.front().nome) + " - " + iniziali_maiuscole(stazioni.back().nome);
  }
  return riga + ".";
}

}  // namespace

testo_scenario::tabella_righe note_generate(const compilatore::modello& m, const dati_autore& autore) {
  testo_scenario::tabella_righe tabella;
  tabella.aggiungi(prima_riga(m, autore));
  for (const std::string& riga : autore.descrizione) tabella.aggiungi(riga);
  tabella.aggiungi(std::string(10, ' '));
  tabella.aggiungi(std::string(18, ' ') + "Buon divertimento");
  if (!autore.autore.empty()) tabella.aggiungi(std::string(26, ' ') + autore.autore);
  if (!autore.contatto.empty()) tabella.aggiungi(std::string(25, ' ') + "(" + autore.contatto + ")");
  if (!autore.orario.empty()) tabella.aggiungi("Orario " + autore.orario);
  if (!autore.sigla.empty()) tabella.aggiungi(autore.sigla);
  return tabella;
}

}  // namespace documenti
