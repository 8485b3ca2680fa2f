#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fixed pieces of every train-sheet page.
namespace documenti {

// The nine lines of the boxed header of a filled page; `pagina` is "1/2" or "2/2".
std::vector<std::string> intestazione_scheda(std::string_view pagina);

// The same header with the values left to be filled in by hand ("SCHEDA 0/0").
std::vector<std::string> intestazione_scheda_in_bianco();

// The four lines over the table; the last one also closes it.
std::vector<std::string> testata_colonne_scheda();
std::string chiusura_tabella_scheda();

std::string riga_vuota_scheda();

}  // namespace documenti
