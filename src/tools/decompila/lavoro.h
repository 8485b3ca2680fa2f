#pragma once

// What the steps of the decompile share; not part of its interface.

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "formato/strutture.h"
#include "tools/decompila/anomalie.h"
#include "tools/decompila/compilato_letto.h"
#include "tools/decompila/descrizione.h"

namespace decompila {

struct lavoro {
  lavoro(const compilato_letto& l, anomalie& an) : letto(l), a(an) {}

  const compilato_letto& letto;
  anomalie& a;
  // The table and the grid as the parse left them: the identification
  // stamps taken out again. Zeros where a file could not be read.
  std::array<formato::voce, formato::voci_tabella> tabella{};
  std::vector<formato::cella> celle;
  // Cells whose event a record of the description accounts for.
  std::vector<bool> spiegata;
  descrizione d;
  // Stop cells whose leftover fields a record written before the station gives back.
  std::set<std::int32_t> coperte_usate;

  std::int32_t n_celle() const { return static_cast<std::int32_t>(celle.size()) - 1; }
  bool in_griglia(std::int64_t i) const { return i >= 0 && i < static_cast<std::int64_t>(celle.size()); }
  formato::cella& cella(std::int32_t i) { return celle[static_cast<std::size_t>(i)]; }
  void spiega(std::int32_t i) { spiegata[static_cast<std::size_t>(i)] = true; }
  bool gia_spiegata(std::int32_t i) const { return spiegata[static_cast<std::size_t>(i)]; }

  // A station's stop cell that keeps, in the fields the stop does not write,
  // values of an event the stop covered.
  bool fermata_con_resto(std::int32_t i) const {
    const formato::cella& c = celle[static_cast<std::size_t>(i)];
    return c.evento == formato::evento::fermata && gia_spiegata(i) &&
           (c.dato2 != 0 || c.dato3 != 0 || c.dato4 != 0 || c.tempo_segnale != 0);
  }

  // A fault of a cell of the grid file.
  void anomalia_cella(std::int32_t i, const std::string& testo) { a.in_cella(letto.nomi.celle_dat, i, testo); }
};

// A cell's index and the position an author writes for the records placed
// at round(p / 50 + 1) (signals, boards, slowdowns) and at round(p / 50)
// (abbattimento): the multiple of 50 that lands there.
inline std::int32_t posizione_dopo(std::int32_t cella) { return (cella - 1) * 50; }
inline std::int32_t posizione_in(std::int32_t cella) { return cella * 50; }

// The steps, in the order decompila runs them.
void ricava_generale(lavoro& w);
void ricava_stazioni(lavoro& w);
void ricava_rallentamenti(lavoro& w);
void ricava_segnali(lavoro& w);
void ricava_indicatori(lavoro& w);
void ricava_cartelli(lavoro& w);
void ricava_elenchi(lavoro& w);
void ricava_montagne(lavoro& w);
void ricava_abbattimenti(lavoro& w);
void ricava_curve(lavoro& w);

}  // namespace decompila
