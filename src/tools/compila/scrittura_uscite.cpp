#include "tools/compila/scrittura_uscite.h"

#include <utility>

#include "compiler/scrivi_binari.h"

namespace strumento_compila {

std::vector<std::string> uscite_di(const richiesta& r, const formato::nomi_file& nomi) {
  std::vector<std::string> uscite{nomi.tabella_sim, nomi.celle_dat};
  if (!r.senza_tracciato) uscite.push_back(nomi.tracciato_dat);
  if (r.documenti) uscite.insert(uscite.end(), {nomi.scheda_txt, nomi.rallentamenti_txt, nomi.note_txt});
  return uscite;
}

piattaforma::esito scrivi_uscite(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                 const compilatore::modello_pulito& pulito, const documenti::documenti_generati* d) {
  piattaforma::sostituzioni s(fs);
  piattaforma::esito scritto =
      compilatore::prepara_compilato(s, {nomi.tracciato_dat, nomi.tabella_sim, nomi.celle_dat}, pulito);
  if (d != nullptr) {
    for (const auto& [percorso, testo] :
         {std::pair{&nomi.scheda_txt, &d->scheda}, std::pair{&nomi.rallentamenti_txt, &d->rallentamenti},
          std::pair{&nomi.note_txt, &d->note}}) {
      if (scritto.riuscito()) scritto = s.prepara(*percorso, *testo);
    }
  }
  return scritto.riuscito() ? s.conferma() : scritto;
}

}  // namespace strumento_compila
