#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The scenario text the handbook shows, as the docs test reads it: fenced
// blocks whose info string starts with `linea` (the line file) or `treno`
// (the service file), then what compiling them must give.
namespace documentazione {

enum class file_scenario : std::uint8_t { linea, treno };

struct blocco_scenario {
  std::string documento;  // the Markdown file's name
  int riga = 0;           // the line of its opening fence, from 1
  file_scenario file = file_scenario::linea;
  // A whole file, paired with the nearest whole file of the other kind;
  // otherwise lines added to the starter scenario.
  bool completo = false;
  std::optional<std::int32_t> errore;     // errore=N
  std::optional<std::int32_t> posizione;  // posizione=P
  std::optional<std::string> avviso;      // avviso=name
  std::string testo;                      // the block's lines, each ended by "\n"
};

// How a test names a block when it fails: its document and line.
inline void PrintTo(const blocco_scenario& b, std::ostream* os) { *os << b.documento << ":" << b.riga; }

struct lettura_blocchi {
  std::vector<blocco_scenario> blocchi;
  std::vector<std::string> errori;  // "doc.md:LINE: what is wrong with the info string"
};

// Every scenario block of a Markdown document, in order.
lettura_blocchi blocchi_scenario(std::string_view markdown, const std::string& documento);

// The base file with the excerpt's lines added: the lines under a section
// header go at the end of that section, lines before any header at the end
// of [generale]; a section the base lacks is added before [fine]. Lines end
// in CR LF, as the description files' do.
std::string applica_estratto(std::string_view base, std::string_view estratto);

}  // namespace documentazione
