#pragma once

// The keyword tables of the two description files: each record kind is named
// once, and the reading, the unknown-keyword warning and its suggestion all
// work from that one entry.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "compiler/lettura_dati.h"

namespace compilatore::lettura {

enum class maiuscole : bool { ignorate, contano };

// How a keyword item is recognised: it contains both words (an empty second
// word is always found), ignoring letter case unless the case counts.
struct prova_chiave {
  std::string_view prima;
  std::string_view seconda{};
  maiuscole lettere = maiuscole::ignorate;

  bool riconosce(std::string_view chiave) const;
};

// The most spellings one keyword has: a curve's two sides by its six classes.
inline constexpr std::size_t massimo_grafie = 12;

// One record kind: the writer's spellings of its keyword (a near miss is
// compared with them), the test a keyword item must pass, and what reads the
// record's values.
struct parola_chiave {
  std::array<std::string_view, massimo_grafie> grafie;
  prova_chiave prova;
  seguito (*leggi)(contesto& c, testo_scenario::lettore_voci& l, const std::string& chiave);
};

// A file's records in the order the format tests them.
using tabella_chiavi = std::span<const parola_chiave>;

// Every record whose test the keyword passes reads its values from the items
// that follow, in table order, as long as each lets the reading go on.
seguito leggi_record(tabella_chiavi tabella, contesto& c, testo_scenario::lettore_voci& l,
                     const std::string& chiave);

// The same for one keyword item as the loops read it: in a compile that goes
// on after errors a record that fails is reported, undone and skipped, and
// the reading goes on after it (prosegui) unless nothing more can be checked
// (fermati).
seguito leggi_voce(tabella_chiavi tabella, contesto& c, testo_scenario::lettore_voci& l, const std::string& chiave);

// Whether the keyword passes the test of any record of the table.
bool riconosciuta(tabella_chiavi tabella, std::string_view chiave);

// Warns about a keyword item that passes no test of the table, suggesting the
// one spelling near it.
void avverti_se_sconosciuta(contesto& c, tabella_chiavi tabella, const std::string& chiave);

}  // namespace compilatore::lettura
