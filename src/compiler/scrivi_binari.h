#pragma once

#include <string>

#include "compiler/modello.h"

namespace compilatore {

// The three files the simulator loads, each built whole in memory: packed
// little-endian records, no header, no padding. The run writes the geometry
// through pezzi_tracciato instead.
std::string contenuto_tracciato(const tracciato& punti);         // <base>_linea.dat
std::string contenuto_tabella(const std::array<voce, voci_tabella>& tabella);  // <base>_<treno>.sim
std::string contenuto_celle(const std::vector<cella>& celle);    // <base>_<treno>.dat

inline constexpr std::size_t byte_cella = 15;
inline constexpr std::size_t byte_voce_senza_nome = 34;

}  // namespace compilatore

#include "compiler/compilatore.h"
#include "platform/file_system.h"

namespace compilatore {

// The geometry file in pieces of about 128 KiB, the same bytes as
// contenuto_tracciato: at 1000 km the file is 20 MB, which the run then never
// holds whole. `punti` must outlive the pieces.
class pezzi_tracciato : public piattaforma::pezzi_contenuto {
 public:
  explicit pezzi_tracciato(const tracciato& punti);
  std::string_view prossimo() override;

 private:
  static constexpr std::size_t byte_pezzo = 128 * 1024;
  static constexpr std::size_t byte_elemento_massimo = 10;

  const tracciato& punti_;
  int coordinata_ = 0;  // 0 = x, 1 = y; 2 when both are written
  std::int32_t metro_ = 0;
  std::string pezzo_;
};

// Where the compiled scenario goes.
struct file_binari {
  std::string tracciato;  // written only when the model has a geometry
  std::string tabella;
  std::string celle;
};

// Writes the geometry (when built), the table and the cell grid, in that
// order, each by the safe replace; stops at the first failure. Only a clean
// compile gives a model to write.
piattaforma::esito scrivi_compilato(piattaforma::file_system& fs, const file_binari& file,
                                    const modello_pulito& pulito);

}  // namespace compilatore
