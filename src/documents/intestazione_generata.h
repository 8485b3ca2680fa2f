#pragma once

#include <string>
#include <string_view>
#include <vector>

// The train sheet's boxed header filled with a scenario's own values.
namespace documenti {

struct testata_scheda {
  std::string codice_treno;  // at most 7 characters after "TRENO n. "
  std::string da;            // origin and destination, at most 22 characters each
  std::string a;
  std::string classe;           // "V140 B", at most 14 characters
  std::string massa_frenata;    // "105%", at most 14 characters
  std::string classificazione;  // at most 18 characters
  std::string massa_bloccata;   // "180T", at most 18 characters
};

// The nine header lines of a filled page, `pagina` being "k/n": the frame of
// the embedded sheet with these values in it. A value too long for its box
// is refused, since it would shift the frame.
std::vector<std::string> intestazione_generata(const testata_scheda& t, std::string_view pagina);

}  // namespace documenti
