#include "tools/compila/nuovo_scenario.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/piattaforma.h"
#include "tools/compila/esegui_compila.h"
#include "tools/compila/scenario_iniziale.h"

namespace strumento_compila {
namespace {

constexpr const char* programma = "compila_scenario";

// Why `nome` cannot be part of a file name on every system the scenario may
// travel to; nothing when it can.
std::optional<std::string> nome_non_valido(std::string_view cosa, std::string_view nome) {
  if (nome.empty()) return std::string(cosa) + " e' vuoto";
  for (const char c : nome) {
    const bool controllo = static_cast<unsigned char>(c) < 0x20;
    if (controllo || std::string_view("/\\<>:\"|?*").find(c) != std::string_view::npos) {
      return std::string(cosa) + " '" + std::string(nome) + "' non puo' stare nel nome di un file";
    }
  }
  return std::nullopt;
}

// The folder as given, without the separators at its end, so that names join cleanly.
std::string senza_separatore_finale(std::string cartella) {
  while (cartella.size() > 1 && (cartella.back() == '/' || cartella.back() == piattaforma::separatore)) {
    cartella.pop_back();
  }
  return cartella;
}

}  // namespace

int scrivi_scenario_nuovo(piattaforma::file_system& fs, const scenario_nuovo& n, std::ostream& uscita,
                          std::ostream& errori) {
  for (const auto& motivo :
       {nome_non_valido("il nome base", n.nome_base), nome_non_valido("il codice del treno", n.codice_treno)}) {
    if (motivo) {
      errori << programma << ": " << *motivo << "\n";
      return uscita_uso;
    }
  }
  const std::string cartella = senza_separatore_finale(n.cartella);
  const std::string linea = piattaforma::unisci_percorso(cartella, n.nome_base + "_linea.txt");
  const std::string treno = piattaforma::unisci_percorso(cartella, n.nome_base + "_" + n.codice_treno + "-.txt");
  if (!n.sovrascrivi) {
    for (const std::string* percorso : {&linea, &treno}) {
      if (fs.esiste(*percorso)) {
        errori << programma << ": " << *percorso << " c'e' gia': nessun file scritto (--sovrascrivi per sostituirlo)\n";
        return uscita_errori;
      }
    }
  }
  const scenario_iniziale testi = testi_iniziali(n.nome_base, n.codice_treno);
  piattaforma::esito scritto = fs.crea_cartella(cartella);
  if (scritto.riuscito()) scritto = piattaforma::sostituisci_file(fs, linea, testi.linea);
  if (scritto.riuscito()) scritto = piattaforma::sostituisci_file(fs, treno, testi.treno);
  if (!scritto.riuscito()) {
    errori << programma << ": " << scritto.messaggio() << "\n";
    return uscita_errori;
  }
  uscita << "scritti " << linea << " e " << treno << "\n"
         << "per compilarli: " << programma << " " << linea << " " << treno << "\n";
  return uscita_riuscita;
}

}  // namespace strumento_compila
