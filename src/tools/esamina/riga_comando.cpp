#include "tools/esamina/riga_comando.h"

#include <optional>
#include <vector>

#include "formato/nomi_file.h"
#include "tools/esamina/json_resoconto.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/scenario_letto.h"
#include "tools/esamina/svg_scenario.h"
#include "tools/esamina/testo_resoconto.h"

namespace strumenti {
namespace {

constexpr const char* uso = "uso: esamina_scenario CARTELLA BASE TRENO [--json] [--svg FILE]\n";

constexpr const char* aiuto =
    "Mostra uno scenario compilato: legge BASE_linea.dat (se c'\xE8), BASE_TRENO.sim e\n"
    "BASE_TRENO.dat dalla CARTELLA e ne stampa intestazione, stazioni, cartelli,\n"
    "eventi delle celle e tratti di velocit\xE0 limite, pendenza e aderenza.\n"
    "\n"
    "  --json      lo stesso contenuto in JSON (UTF-8)\n"
    "  --svg FILE  scrive anche un disegno: pianta del tracciato con stazioni e\n"
    "              segnali, profili di pendenza e velocit\xE0 limite\n"
    "  --help      questo aiuto\n"
    "  --version   la versione\n"
    "\n"
    "Uscita: 0 riuscito, 1 file mancante o malformato, 2 riga di comando errata.\n";

struct richiesta {
  std::vector<std::string> posizionali;
  bool json = false;
  std::optional<std::string> svg;
  bool aiuto = false;
  bool versione = false;
};

// Reads the arguments; the text of the first fault, or nothing.
std::optional<std::string> interpreta(std::span<const std::string> argomenti, richiesta& r) {
  for (std::size_t i = 0; i < argomenti.size(); ++i) {
    const std::string& a = argomenti[i];
    if (a == "--help") {
      r.aiuto = true;
    } else if (a == "--version") {
      r.versione = true;
    } else if (a == "--json") {
      r.json = true;
    } else if (a == "--svg") {
      if (r.svg) return "--svg dato due volte";
      if (i + 1 >= argomenti.size()) return "--svg vuole il nome del file";
      r.svg = argomenti[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      return "opzione sconosciuta " + a;
    } else {
      r.posizionali.push_back(a);
    }
  }
  if (r.aiuto || r.versione) return std::nullopt;
  if (r.posizionali.size() != 3) {
    return "servono CARTELLA, BASE e TRENO, ricevuti " + std::to_string(r.posizionali.size()) + " argomenti";
  }
  return std::nullopt;
}

int esamina(const richiesta& r, piattaforma::file_system& fs, std::ostream& out, std::ostream& err) {
  const formato::nomi_file nomi = formato::forma_nomi(r.posizionali[0], r.posizionali[1], r.posizionali[2]);
  scenario_letto letto;
  const auto caricato = carica_scenario(fs, nomi, letto);
  if (!caricato.riuscito()) {
    err << "esamina_scenario: " << caricato.messaggio() << '\n';
    return uscita_file;
  }
  const resoconto resoconto = componi_resoconto(letto);
  if (r.json) {
    out << componi_json(nomi, resoconto);
  } else {
    scrivi_testo(out, nomi, resoconto);
  }
  if (r.svg) {
    const auto scritto = piattaforma::sostituisci_file(fs, *r.svg, componi_svg(resoconto, letto.punti));
    if (!scritto.riuscito()) {
      err << "esamina_scenario: " << scritto.messaggio() << '\n';
      return uscita_file;
    }
  }
  return out.flush() ? uscita_riuscita : uscita_file;
}

}  // namespace

int esegui_esamina(std::span<const std::string> argomenti, piattaforma::file_system& fs, std::ostream& out,
                   std::ostream& err) {
  richiesta r;
  if (const auto errore = interpreta(argomenti, r)) {
    err << "esamina_scenario: " << *errore << '\n' << uso;
    return uscita_uso;
  }
  if (r.aiuto) {
    out << uso << aiuto;
    return uscita_riuscita;
  }
  if (r.versione) {
    out << "esamina_scenario " << VERSIONE_PROGETTO << '\n';
    return uscita_riuscita;
  }
  return esamina(r, fs, out, err);
}

}  // namespace strumenti
