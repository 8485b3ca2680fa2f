#include "tools/esamina/riga_comando.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "formato/nomi_file.h"
#include "tools/esamina/confronto.h"
#include "tools/esamina/dati_pagina.h"
#include "tools/esamina/html_scenario.h"
#include "tools/esamina/json_resoconto.h"
#include "tools/esamina/progressiva_linea.h"
#include "tools/esamina/resoconto.h"
#include "tools/esamina/scenario_letto.h"
#include "tools/esamina/svg_scenario.h"
#include "tools/esamina/testo_resoconto.h"
#include "tools/esamina/uscite_vietate.h"

namespace strumenti {
namespace {

constexpr const char* uso =
    "uso: esamina_scenario CARTELLA BASE TRENO [--json] [--svg FILE] [--html FILE] [--da KM --a KM]\n"
    "     esamina_scenario CARTELLA BASE TRENO --confronta CARTELLA2 BASE2 TRENO2\n";

constexpr const char* aiuto =
    "Mostra uno scenario compilato: legge BASE_linea.dat (se c'\xE8), BASE_TRENO.sim e\n"
    "BASE_TRENO.dat dalla CARTELLA e ne stampa intestazione, stazioni, cartelli,\n"
    "eventi delle celle e tratti di velocit\xE0 limite, pendenza e aderenza.\n"
    "\n"
    "  --json      lo stesso contenuto in JSON (UTF-8)\n"
    "  --svg FILE  scrive anche un disegno: pianta del tracciato con stazioni,\n"
    "              segnali, cartelli e gallerie, profili di pendenza e velocit\xE0\n"
    "              limite con i rallentamenti\n"
    "  --html FILE scrive anche una pagina da aprire nel browser, senza rete:\n"
    "              pianta e profili da ingrandire e spostare, ogni evento con i\n"
    "              suoi valori, ricerca per stazione o km\n"
    "  --da KM --a KM  disegna (o apre la pagina su) il tratto fra i due km\n"
    "              della linea, scritti come 345.5 o 345+500\n"
    "  --confronta CARTELLA2 BASE2 TRENO2\n"
    "              le differenze con un altro scenario compilato: intestazione,\n"
    "              stazioni e cartelli, eventi per posizione, codici di preavviso,\n"
    "              tratti di velocit\xE0, pendenza, aderenza e montagne, tracciato;\n"
    "              uscita 0 uguali, 1 diversi, 2 file mancante o malformato\n"
    "  --help      questo aiuto\n"
    "  --version   la versione\n"
    "\n"
    "Uscita: 0 riuscito, 1 file mancante o malformato, 2 riga di comando errata.\n";

struct richiesta {
  std::vector<std::string> posizionali;
  bool json = false;
  std::optional<std::string> svg;
  std::optional<std::string> html;
  std::optional<std::string> da_km;
  std::optional<std::string> a_km;
  std::vector<std::string> confronta;  // CARTELLA2 BASE2 TRENO2
  bool aiuto = false;
  bool versione = false;
};

// --svg, --html, --da or --a at `i`, with its value; the fault, or nothing.
std::optional<std::string> opzione_con_valore(std::span<const std::string> argomenti, std::size_t& i, richiesta& r) {
  const std::string& a = argomenti[i];
  std::optional<std::string>& valore = a == "--svg" ? r.svg : a == "--html" ? r.html : a == "--da" ? r.da_km : r.a_km;
  if (valore) return a + " dato due volte";
  if (i + 1 >= argomenti.size()) return a + (a == "--da" || a == "--a" ? " vuole un km" : " vuole il nome del file");
  valore = argomenti[++i];
  return std::nullopt;
}

// --confronta at `i` and the three names of the other scenario after it.
std::optional<std::string> opzione_confronta(std::span<const std::string> argomenti, std::size_t& i, richiesta& r) {
  if (!r.confronta.empty()) return "--confronta dato due volte";
  if (i + 3 >= argomenti.size()) return "--confronta vuole CARTELLA2, BASE2 e TRENO2";
  r.confronta.assign(argomenti.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                     argomenti.begin() + static_cast<std::ptrdiff_t>(i) + 4);
  i += 3;
  return std::nullopt;
}

// Whether the options read make one request together.
std::optional<std::string> coerente(const richiesta& r) {
  if (r.aiuto || r.versione) return std::nullopt;
  if (r.posizionali.size() != 3) {
    return "servono CARTELLA, BASE e TRENO, ricevuti " + std::to_string(r.posizionali.size()) + " argomenti";
  }
  if (r.da_km.has_value() != r.a_km.has_value()) return "--da e --a vanno date insieme";
  if (r.da_km && !r.svg && !r.html) return "--da e --a valgono per --svg o --html";
  if (!r.confronta.empty() && (r.json || r.svg || r.html)) return "--confronta scrive solo testo";
  return std::nullopt;
}

// Reads the arguments; the text of the first fault, or nothing.
std::optional<std::string> interpreta(std::span<const std::string> argomenti, richiesta& r) {
  for (std::size_t i = 0; i < argomenti.size(); ++i) {
    const std::string& a = argomenti[i];
    std::optional<std::string> errore;
    if (a == "--help") {
      r.aiuto = true;
    } else if (a == "--version") {
      r.versione = true;
    } else if (a == "--json") {
      r.json = true;
    } else if (a == "--svg" || a == "--html" || a == "--da" || a == "--a") {
      errore = opzione_con_valore(argomenti, i, r);
    } else if (a == "--confronta") {
      errore = opzione_confronta(argomenti, i, r);
    } else if (a.size() > 1 && a[0] == '-') {
      errore = "opzione sconosciuta " + a;
    } else {
      r.posizionali.push_back(a);
    }
    if (errore) return errore;
  }
  return coerente(r);
}

// A kilometre as an author writes it: "345", "345.5", "345,5" or "345+500";
// the chainage in metres.
std::optional<double> leggi_km(const std::string& testo) {
  const auto piu = testo.find('+');
  if (piu != std::string::npos) {
    long km = 0, metri = 0;
    const auto [f1, e1] = std::from_chars(testo.data(), testo.data() + piu, km);
    const auto [f2, e2] = std::from_chars(testo.data() + piu + 1, testo.data() + testo.size(), metri);
    if (e1 != std::errc() || e2 != std::errc() || f1 != testo.data() + piu || f2 != testo.data() + testo.size() ||
        piu + 1 == testo.size() || metri < 0 || metri >= 1000) {
      return std::nullopt;
    }
    return km * 1000.0 + (km < 0 ? -metri : metri);
  }
  std::string punto = testo;
  for (char& c : punto) {
    if (c == ',') c = '.';
  }
  double km = 0;
  const auto [fine, errore] = std::from_chars(punto.data(), punto.data() + punto.size(), km);
  if (errore != std::errc() || fine != punto.data() + punto.size() || punto.empty() || !std::isfinite(km)) {
    return std::nullopt;
  }
  return km * 1000.0;
}

// The stretch between the two kilometres given, or why there is none.
std::optional<std::string> trova_vista(const richiesta& r, const resoconto& s, std::optional<vista_linea>& vista) {
  if (!r.da_km) return std::nullopt;
  const progressiva_linea progressiva(s.testa.progressive);
  const double lunghezza = lunghezza_mostrata(s);
  double posizioni[2] = {};
  const std::string* testi[2] = {&*r.da_km, &*r.a_km};
  for (int i = 0; i < 2; ++i) {
    const std::optional<double> km = leggi_km(*testi[i]);
    if (!km) return "km non valido: " + *testi[i];
    const std::optional<double> p = progressiva.posizione(*km, lunghezza);
    if (!p) {
      return "il km " + *testi[i] + " non \xE8 sulla linea, che va dal km " + scrivi_progressiva(progressiva.a_metri(0)) +
             " al km " + scrivi_progressiva(progressiva.a_metri(lunghezza));
    }
    posizioni[i] = *p;
  }
  if (posizioni[0] == posizioni[1]) return "--da e --a sono lo stesso punto della linea";
  vista = vista_linea{std::min(posizioni[0], posizioni[1]), std::max(posizioni[0], posizioni[1])};
  return std::nullopt;
}

piattaforma::esito scrivi_disegni(const richiesta& r, piattaforma::file_system& fs, const resoconto& s,
                                  const formato::tracciato& punti, const std::optional<vista_linea>& vista) {
  if (r.svg) {
    const auto scritto = piattaforma::sostituisci_file(fs, *r.svg, componi_svg(s, punti, vista));
    if (!scritto.riuscito()) return scritto;
  }
  if (r.html) return piattaforma::sostituisci_file(fs, *r.html, componi_html(s, punti, vista));
  return piattaforma::esito::ok();
}

int esamina(const richiesta& r, piattaforma::file_system& fs, std::ostream& out, std::ostream& err) {
  const formato::nomi_file nomi = formato::forma_nomi(r.posizionali[0], r.posizionali[1], r.posizionali[2]);
  if (const auto vietate = uscite_vietate(fs, nomi, r.svg, r.html)) {
    err << "esamina_scenario: " << *vietate << '\n';
    return uscita_uso;
  }
  scenario_letto letto;
  const auto caricato = carica_scenario(fs, nomi, letto);
  if (!caricato.riuscito()) {
    err << "esamina_scenario: " << caricato.messaggio() << '\n';
    return uscita_file;
  }
  const resoconto resoconto = componi_resoconto(letto);
  std::optional<vista_linea> vista;
  if (const auto errore = trova_vista(r, resoconto, vista)) {
    err << "esamina_scenario: " << *errore << '\n';
    return uscita_uso;
  }
  if (r.json) {
    out << componi_json(nomi, resoconto);
  } else {
    scrivi_testo(out, nomi, resoconto);
  }
  const auto scritto = scrivi_disegni(r, fs, resoconto, letto.punti, vista);
  if (!scritto.riuscito()) {
    err << "esamina_scenario: " << scritto.messaggio() << '\n';
    return uscita_file;
  }
  // A full disk or a closed pipe behind standard output is a failure too.
  if (!out.flush()) {
    err << "esamina_scenario: scrittura sull'uscita standard non riuscita\n";
    return uscita_file;
  }
  return uscita_riuscita;
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
  if (!r.confronta.empty()) {
    return esegui_confronto(formato::forma_nomi(r.posizionali[0], r.posizionali[1], r.posizionali[2]),
                            formato::forma_nomi(r.confronta[0], r.confronta[1], r.confronta[2]), fs, out, err);
  }
  return esamina(r, fs, out, err);
}

}  // namespace strumenti
