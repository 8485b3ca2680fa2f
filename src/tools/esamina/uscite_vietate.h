#pragma once

#include <optional>
#include <string>

#include "formato/nomi_file.h"
#include "platform/file_system.h"

namespace strumenti {

// Why the picture and the page cannot be written where the command line
// asks: a path that names one of the scenario's three files (it would be
// replaced by the drawing of itself), or both naming one file. Nothing when
// they can. Links and "." or ".." do not hide a file.
std::optional<std::string> uscite_vietate(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                          const std::optional<std::string>& svg,
                                          const std::optional<std::string>& html);

}  // namespace strumenti
