#include "tools/compila/catalogo_errori.h"

#include <vector>

#include "compiler/errori.h"

namespace strumento_compila {
namespace {

using compilatore::forma_esempio;
using compilatore::spiegazione_errore;

constexpr std::size_t larghezza = 78;

// The words of a paragraph, a code span in backticks kept whole so that no
// line break falls inside it.
std::vector<std::string> parole(const std::string& testo) {
  std::vector<std::string> unite;
  bool nel_codice = false;
  std::size_t inizio = 0;
  while (inizio < testo.size()) {
    std::size_t fine = testo.find(' ', inizio);
    if (fine == std::string::npos) fine = testo.size();
    const std::string parola = testo.substr(inizio, fine - inizio);
    if (nel_codice) {
      unite.back() += " " + parola;
    } else {
      unite.push_back(parola);
    }
    for (const char c : parola) {
      if (c == '`') nel_codice = !nel_codice;
    }
    inizio = fine + 1;
  }
  return unite;
}

// A paragraph broken into lines of at most `larghezza` characters where it can be.
std::string paragrafo(const std::string& testo) {
  std::string righe;
  std::size_t in_riga = 0;
  for (const std::string& parola : parole(testo)) {
    if (in_riga > 0 && in_riga + 1 + parola.size() > larghezza) {
      righe += "\n";
      in_riga = 0;
    } else if (in_riga > 0) {
      righe += " ";
      ++in_riga;
    }
    righe += parola;
    in_riga += parola.size();
  }
  return righe + "\n";
}

// The fenced block's info string: the file the lines go to and what they must give.
std::string attributi(const spiegazione_errore& s) {
  std::string info = s.forma == forma_esempio::aggiunta_linea ? "linea" : "treno";
  info += " errore=" + std::to_string(s.numero);
  if (s.posizione) info += " posizione=" + std::to_string(*s.posizione);
  return info;
}

// The lines of an example that are not section headers.
long righe_di_dati(const std::string& esempio) {
  long righe = 0;
  for (std::size_t inizio = 0; inizio < esempio.size(); inizio = esempio.find('\n', inizio) + 1) {
    if (esempio[inizio] != '[') ++righe;
  }
  return righe;
}

std::string dove(const spiegazione_errore& s) {
  if (!s.posizione) return "";
  return " at " + std::to_string(*s.posizione) + " m";
}

std::string esempio(const spiegazione_errore& s) {
  const std::string errore = "error " + std::to_string(s.numero) + dove(s);
  switch (s.forma) {
    case forma_esempio::aggiunta_linea:
    case forma_esempio::aggiunta_treno: {
      const char* file = s.forma == forma_esempio::aggiunta_linea ? "line" : "service";
      const char* righe = righe_di_dati(s.esempio) == 1 ? " file, this line gives " : " file, these lines give ";
      return paragrafo(std::string("Added to the starter scenario's ") + file + righe + errore + ":") + "\n```" +
             attributi(s) + "\n" + s.esempio + "```\n";
    }
    case forma_esempio::linea_intera:
      return paragrafo("This line file, with the starter scenario's service file, gives " + errore + ":") +
             "\n```text\n" + s.esempio + "```\n";
    case forma_esempio::senza_linea:
      return paragrafo(
                 "In a folder that holds the starter scenario's service file but not its line file, this "
                 "command gives " +
                 errore + ":") +
             "\n```text\ncompila_scenario " + std::string(base_esempi) + "_linea.txt " + std::string(base_esempi) +
             "_" + std::string(codice_esempi) + "-.txt\n```\n";
  }
  return "";
}

const char* const introduzione =
    "# Error catalogue\n"
    "\n"
    "`compila_scenario` stops at the first error in a scenario and shows its\n"
    "number (`errore N`), the file, line and column, and, for the errors that\n"
    "have one, the position in metres; `compila_scenario --spiega N` prints the\n"
    "entry of this catalogue for N. `genera_scenario` and the installers show the\n"
    "same numbers in their message box. No binary file is written after an error.\n"
    "Warnings say what the compile read its own way and wrote anyway; `--strict`\n"
    "makes them errors, and [avvisi.md](avvisi.md) tells each of them. The format\n"
    "itself is in\n"
    "[formato_descrizioni.md](formato_descrizioni.md).\n"
    "\n"
    "Each example is added to the starter scenario that\n"
    "`compila_scenario --nuovo FOLDER Prova 1` writes, which\n"
    "[formato_descrizioni.md](formato_descrizioni.md) shows whole: lines under a\n"
    "section header go at the end of that section of the file, lines before any\n"
    "header at the end of `[generale]`. The test suite compiles every example and\n"
    "checks that it gives its error, at its position.\n"
    "\n"
    "This file is generated from the catalogue in\n"
    "`src/compiler/spiegazioni_errori.cpp`: change the entries there, then run\n"
    "`cmake --build --preset predefinito --target catalogo_errori`.\n";

const char* const errore_interno =
    "## errore interno del programma\n"
    "\n"
    "Not a fault of the scenario: `compila_scenario` met a fault of its own, and\n"
    "says what it ran into after `errore interno del programma:`. It has no\n"
    "number; the exit status is 3. Nothing was written and the description files\n"
    "are untouched. Please report it, with the two description files.\n";

}  // namespace

std::string voce_catalogo(const spiegazione_errore& s) {
  std::string voce = "## errore ";
  voce.append(std::to_string(s.numero)).append(": ").append(compilatore::descrizione_errore(s.numero));
  voce.append("\n\n").append(paragrafo(s.significato)).append("\n").append(esempio(s)).append("\n");
  return voce.append(paragrafo("Fix: " + s.correzione));
}

std::string catalogo_markdown() {
  std::string testo = introduzione;
  for (const spiegazione_errore& s : compilatore::spiegazioni_errori()) testo.append("\n").append(voce_catalogo(s));
  return testo.append("\n").append(errore_interno);
}

std::string elenco_numeri() {
  const std::vector<std::int32_t> numeri = compilatore::numeri_errore();
  std::string elenco;
  for (std::size_t i = 0; i < numeri.size();) {
    std::size_t fine = i;
    while (fine + 1 < numeri.size() && numeri[fine + 1] == numeri[fine] + 1) ++fine;
    // Two numbers in a row are two numbers; three or more, a run.
    if (fine == i + 1) fine = i;
    if (!elenco.empty()) elenco += ", ";
    elenco += std::to_string(numeri[i]);
    if (fine > i) elenco.append("-").append(std::to_string(numeri[fine]));
    i = fine + 1;
  }
  return elenco;
}

}  // namespace strumento_compila
