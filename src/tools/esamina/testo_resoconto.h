#pragma once

#include <ostream>

#include "formato/nomi_file.h"
#include "tools/esamina/resoconto.h"

namespace strumenti {

// The readable dump: header, stations, boards, events by position, and the
// runs of speed limit, gradient and adhesion. Texts stay single-byte.
void scrivi_testo(std::ostream& out, const formato::nomi_file& nomi, const resoconto& r);

}  // namespace strumenti
