#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "formato/nomi_file.h"
#include "platform/file_system.h"
#include "tools/esamina/scenario_letto.h"

namespace strumenti {

// One group of differences, as the dump groups a scenario: its title and
// one line a difference, "before -> after".
struct sezione_confronto {
  std::string titolo;
  std::vector<std::string> righe;
};

// Every difference between two compiled scenarios, field by field: header
// entries, stations and boards, events by position, approach codes, runs of
// speed limit, gradient, adhesion and mountain kind, the geometry. Empty
// only when the files hold the same values.
struct confronto {
  std::vector<sezione_confronto> sezioni;

  std::size_t differenze() const;
};

confronto confronta(const scenario_letto& prima, const scenario_letto& dopo);

// Exit statuses of --confronta, as diff and cmp have them.
inline constexpr int confronto_uguali = 0;
inline constexpr int confronto_diversi = 1;
inline constexpr int confronto_impossibile = 2;  // a file missing, unreadable or malformed

// Reads both scenarios, writes their differences to `out`, failures to `err`.
int esegui_confronto(const formato::nomi_file& prima, const formato::nomi_file& dopo, piattaforma::file_system& fs,
                     std::ostream& out, std::ostream& err);

void scrivi_confronto(std::ostream& out, const formato::nomi_file& prima, const formato::nomi_file& dopo,
                      const confronto& c);

}  // namespace strumenti
