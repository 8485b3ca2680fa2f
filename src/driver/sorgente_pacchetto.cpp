#include "driver/sorgente_pacchetto.h"

#include <exception>

#include "driver/pacchetto.h"

namespace guida {
namespace {

bool finisce_con_exe(std::string_view nome) {
  if (nome.size() < 4) return false;
  std::string coda(nome.substr(nome.size() - 4));
  for (char& c : coda) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return coda == ".exe";
}

}  // namespace

std::string sorgente_pacchetto::titolo(piattaforma::sistema& sistema) {
  std::string nome;
  try {
    nome = sistema.percorso_programma();
  } catch (const std::exception&) {
    return "installatore_scenario";  // the box must still say whose it is
  }
  nome.erase(0, nome.find_last_of(std::string("/") + piattaforma::separatore) + 1);
  if (finisce_con_exe(nome)) nome.resize(nome.size() - 4);
  return nome;
}

piattaforma::esito sorgente_pacchetto::leggi(piattaforma::sistema& sistema, testi_scenario& testi) {
  const std::string percorso = sistema.percorso_programma();
  std::string installatore;
  piattaforma::esito letto = sistema.file().leggi(percorso, installatore);
  if (!letto.riuscito()) return letto;
  letto = estrai_scenario(installatore, testi);
  if (!letto.riuscito()) return piattaforma::esito::errore(percorso, letto.ragione());
  return letto;
}

}  // namespace guida
