#pragma once

#include <string>

#include "formato/nomi_file.h"
#include "tools/esamina/resoconto.h"

namespace strumenti {

// The dump's content as a JSON document (UTF-8, indented), for scripts.
std::string componi_json(const formato::nomi_file& nomi, const resoconto& r);

}  // namespace strumenti
