#include "tools/esamina/uscite_vietate.h"

#include <utility>

namespace strumenti {

std::optional<std::string> uscite_vietate(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                          const std::optional<std::string>& svg,
                                          const std::optional<std::string>& html) {
  for (const auto& [opzione, uscita] : {std::pair{"--svg", &svg}, std::pair{"--html", &html}}) {
    if (!*uscita) continue;
    for (const std::string* ingresso : {&nomi.tabella_sim, &nomi.celle_dat, &nomi.tracciato_dat}) {
      if (fs.stesso_file(**uscita, *ingresso)) {
        return std::string(opzione) + " " + **uscita + " \xE8 un file dello scenario da esaminare: " + *ingresso;
      }
    }
  }
  if (svg && html && fs.stesso_file(*svg, *html)) return "--svg e --html nominano lo stesso file: " + *svg;
  return std::nullopt;
}

}  // namespace strumenti
