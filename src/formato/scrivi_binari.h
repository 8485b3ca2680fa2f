#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formato/dimensioni.h"
#include "formato/strutture.h"
#include "platform/file_system.h"

namespace formato {

// The three files the simulator loads, each built whole in memory: packed
// little-endian records, no header, no padding. The run writes the geometry
// through pezzi_tracciato instead.
std::string contenuto_tracciato(const tracciato& punti);                       // <base>_linea.dat
std::string contenuto_tabella(const std::array<voce, voci_tabella>& tabella);  // <base>_<treno>.sim
std::string contenuto_celle(const std::vector<cella>& celle);                  // <base>_<treno>.dat

// The geometry file in pieces of about 128 KiB, the same bytes as
// contenuto_tracciato: at 1000 km the file is 20 MB, which the run then never
// holds whole. `punti` must outlive the pieces.
class pezzi_tracciato : public piattaforma::pezzi_contenuto {
 public:
  explicit pezzi_tracciato(const tracciato& punti);
  std::string_view prossimo() override;

 private:
  static constexpr std::size_t byte_pezzo = 128 * 1024;

  const tracciato& punti_;
  int coordinata_ = 0;  // 0 = x, 1 = y; 2 when both are written
  std::int32_t metro_ = 0;
  std::string pezzo_;
};

}  // namespace formato
