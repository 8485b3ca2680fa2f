#pragma once

#include <string>
#include <string_view>

namespace documenti {

// A name of the scenario as the documents' prose writes it: every word with
// its first letter upper case and the rest lower ("OSTRALE CENTRALE" becomes
// "Ostrale Centrale"). ASCII letters only change.
std::string nome_proprio(std::string_view nome);

}  // namespace documenti
