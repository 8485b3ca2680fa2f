#include "documents/generazione.h"

#include "documents/maiuscole.h"

namespace documenti {

std::string avvisi_documenti::adatta(std::string_view testo, std::size_t larghezza, std::string_view documento) {
  if (testo.size() <= larghezza) return std::string(testo);
  std::string tagliato(testo.substr(0, larghezza));
  elenco.push_back(std::string(documento) + ": '" + std::string(testo) + "' tagliato a " + std::to_string(larghezza) +
                   " caratteri: '" + tagliato + "'");
  return tagliato;
}

std::string km_stampato(const progressive_km& progressive, std::int32_t posizione) {
  const std::int64_t metri = progressive.in_metri(posizione);
  const auto testo = testo_km(metri);
  if (!testo) {
    throw errore_documento("a " + std::to_string(posizione) + " m la progressiva chilometrica vale " +
                           std::to_string(metri) + " m, fuori dalla colonna dei documenti (da 0 a 999.999 km)");
  }
  return *testo;
}

std::string stazioni_del_rallentamento(const std::vector<stazione_percorso>& stazioni,
                                       const rallentamento_percorso& r) {
  if (stazioni.empty()) return {};
  const std::int64_t fine = std::int64_t{r.posizione} + r.lunghezza;
  for (const stazione_percorso& s : stazioni) {
    if (r.posizione >= s.inizio && fine <= s.fine) return in_maiuscolo(s.nome);
  }
  const stazione_percorso* prima = &stazioni.front();
  for (const stazione_percorso& s : stazioni) {
    if (s.posizione <= r.posizione) prima = &s;
  }
  const stazione_percorso* dopo = &stazioni.back();
  for (auto s = stazioni.rbegin(); s != stazioni.rend(); ++s) {
    if (s->posizione >= fine) dopo = &*s;
  }
  if (prima == dopo) return in_maiuscolo(prima->nome);
  return in_maiuscolo(prima->nome) + " - " + in_maiuscolo(dopo->nome);
}

}  // namespace documenti
