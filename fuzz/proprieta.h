#pragma once

// What must hold of the compiled files' readers and writers for any input:
// the fuzz targets stop on the first fault, the regression tests check the
// kept inputs with the same words.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/modello.h"
#include "compiler/scrivi_binari.h"
#include "formato/leggi_binari.h"
#include "formato/scrivi_binari.h"
#include "platform/file_system_memoria.h"

namespace proprieta {

// Any bytes as each of the three files: a reader that takes them reads a
// model that writes back as the same bytes (the format spells each model one
// way), with finite coordinates only. Empty when all holds, else the fault.
inline std::string difetto_lettura(std::string_view byte) {
  std::array<formato::voce, formato::voci_tabella> tabella{};
  if (formato::leggi_tabella(byte, "t", tabella).riuscito()) {
    if (formato::contenuto_tabella(tabella) != byte) return "tabella riscritta diversa";
  }
  std::vector<formato::cella> celle;
  if (formato::leggi_celle(byte, "c", celle).riuscito()) {
    if (celle.empty()) return "file di celle vuoto accettato";
    if (formato::contenuto_celle(celle) != byte) return "celle riscritte diverse";
  }
  formato::tracciato punti;
  if (formato::leggi_tracciato(byte, "g", punti).riuscito()) {
    if (punti.x.empty()) return "tracciato vuoto accettato";
    for (std::size_t m = 0; m < punti.x.size(); ++m) {
      if (!std::isfinite(punti.x[m]) || !std::isfinite(punti.y[m])) return "coordinata non finita accettata";
    }
    if (formato::contenuto_tracciato(punti) != byte) return "tracciato riscritto diverso";
  }
  return {};
}

// A compile's files, as written to `fs`, read back into the same model, and
// of the sizes the table's line length gives.
inline std::string difetto_ritorno(piattaforma::file_system_memoria& fs, const compilatore::file_binari& file,
                                   const compilatore::modello& m) {
  std::array<formato::voce, formato::voci_tabella> tabella{};
  if (!formato::leggi_tabella(fs.file[file.tabella], file.tabella, tabella).riuscito()) return "tabella illeggibile";
  if (tabella != m.tabella) return "tabella riletta diversa";
  std::int32_t lunghezza = 0;
  if (!formato::leggi_lunghezza(tabella, file.tabella, lunghezza).riuscito())
    return "lunghezza della tabella rifiutata";
  std::vector<formato::cella> celle;
  if (!formato::leggi_celle(fs.file[file.celle], file.celle, celle).riuscito()) return "celle illeggibili";
  if (celle != m.celle) return "celle rilette diverse";
  if (!formato::verifica_celle(celle, lunghezza, file.celle).riuscito()) return "celle rifiutate per la lunghezza";
  if (!fs.esiste(file.tracciato)) return m.calcola_tracciato ? "tracciato non scritto" : "";
  formato::tracciato punti;
  const auto letto = formato::leggi_tracciato(fs.file[file.tracciato], file.tracciato, punti);
  if (!letto.riuscito()) return "tracciato illeggibile: " + letto.messaggio();
  if (punti.x != m.punti.x || punti.y != m.punti.y || punti.assegnati != m.punti.assegnati) {
    return "tracciato riletto diverso";
  }
  if (!formato::verifica_tracciato(punti, lunghezza, file.tracciato).riuscito()) {
    return "tracciato rifiutato per la lunghezza";
  }
  return {};
}

}  // namespace proprieta
