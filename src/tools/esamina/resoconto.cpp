#include "tools/esamina/resoconto.h"

#include <cstdio>
#include <cstdlib>

#include "formato/voci.h"

namespace strumenti {
namespace {

namespace cm = formato;

const cm::voce& voce_di(const scenario_letto& s, int indice) { return s.tabella[static_cast<std::size_t>(indice)]; }

intestazione leggi_intestazione(const scenario_letto& s) {
  intestazione t;
  const cm::voce& treno = voce_di(s, formato::voce_lunghezza);
  t.lunghezza_linea = treno.fine;
  t.vetture = treno.progressiva;
  t.massa_frenata = treno.inizio;
  for (std::size_t i = 0; i < t.progressive.size(); ++i) {
    const int indice = formato::voce_progressiva_tre + static_cast<int>(i);
    const cm::voce& v = voce_di(s, indice);
    t.progressive[i] = {indice, v.inizio, v.fine, v.progressiva};
  }
  const cm::voce& sfondi = voce_di(s, formato::voce_nome_base);
  t.nome_base = sfondi.nome;
  t.sfondo_uno = sfondi.inizio;
  t.sfondo_due = sfondi.progressiva;
  t.sfondo_tre = sfondi.fine;
  t.tabella = {sfondi.gruppo_a1, sfondi.orario};
  const cm::voce& ripetizione = voce_di(s, formato::voce_ripetizione);
  t.codice_treno = ripetizione.nome;
  t.ripetizione_inizio = ripetizione.inizio;
  t.ripetizione_fine = ripetizione.fine;
  t.ripetizione_codici = ripetizione.progressiva;
  t.sabbia = ripetizione.gruppo_a1;
  t.ore = ripetizione.gruppo_b1;
  t.minuti = ripetizione.gruppo_b2;
  t.secondi = ripetizione.gruppo_b3;
  if (s.celle.size() > 1) t.celle = identificazione{s.celle[1].dato1, s.celle[1].dato2};
  return t;
}

std::vector<stazione_letta> leggi_stazioni(const scenario_letto& s) {
  std::vector<stazione_letta> stazioni;
  // Stations and boards share the entries up to the first board's, from opposite ends.
  for (int i = formato::voce_prima_stazione; i <= formato::voce_primo_cartello && !voce_di(s, i).nome.empty();
       ++i) {
    const cm::voce& v = voce_di(s, i);
    stazioni.push_back({i, v.nome, v.tipo_stazione, v.progressiva, v.inizio, v.fine, v.sosta, v.orario, v.capolinea});
  }
  return stazioni;
}

std::vector<cartello_letto> leggi_cartelli(const scenario_letto& s) {
  std::vector<cartello_letto> cartelli;
  for (int i = formato::voce_primo_cartello; i >= formato::voce_prima_stazione && !voce_di(s, i).nome.empty();
       --i) {
    cartelli.push_back({i, voce_di(s, i).nome});
  }
  return cartelli;
}

std::vector<evento_letto> leggi_eventi(const scenario_letto& s) {
  std::vector<evento_letto> eventi;
  for (std::size_t i = 0; i < s.celle.size(); ++i) {
    if (s.celle[i].evento == cm::evento::nessuno) continue;
    eventi.push_back(decodifica_evento(static_cast<std::int32_t>(i), s.celle[i], s.tabella));
  }
  return eventi;
}

// Runs of cells whose `valore_di` is equal.
template <typename F>
std::vector<tratto> raggruppa(const std::vector<cm::cella>& celle, F valore_di) {
  std::vector<tratto> tratti;
  for (std::size_t i = 0; i < celle.size(); ++i) {
    const auto indice = static_cast<std::int32_t>(i);
    const std::int32_t valore = valore_di(celle[i]);
    if (tratti.empty() || tratti.back().valore != valore) {
      tratti.push_back({indice, indice, std::int64_t{indice} * 50, 0, valore});
    }
    tratti.back().ultima_cella = indice;
    tratti.back().a = (std::int64_t{indice} + 1) * 50;
  }
  return tratti;
}

}  // namespace

resoconto componi_resoconto(const scenario_letto& s) {
  resoconto r;
  r.testa = leggi_intestazione(s);
  r.stazioni = leggi_stazioni(s);
  r.cartelli = leggi_cartelli(s);
  r.eventi = leggi_eventi(s);
  r.velocita = raggruppa(s.celle, [](const cm::cella& c) { return c.vel_limite * 5; });
  r.pendenze = raggruppa(s.celle, [](const cm::cella& c) { return c.pendenza - 100; });
  r.aderenze = raggruppa(s.celle, [](const cm::cella& c) { return static_cast<std::int32_t>(c.aderenza); });
  r.montagne = raggruppa(s.celle, [](const cm::cella& c) { return static_cast<std::int32_t>(c.tipo_montagna); });
  r.n_celle = static_cast<std::int32_t>(s.celle.size());
  r.con_tracciato = s.con_tracciato;
  r.punti_tracciato = static_cast<std::int32_t>(s.punti.x.size());
  r.punti_assegnati = s.punti.assegnati;
  return r;
}

std::string ora_del_giorno(std::int32_t secondi) {
  const long long tutti = std::llabs(static_cast<long long>(secondi));
  char testo[32];
  std::snprintf(testo, sizeof testo, "%s%02lld:%02lld:%02lld", secondi < 0 ? "-" : "", tutti / 3600, tutti / 60 % 60,
                tutti % 60);
  return testo;
}

}  // namespace strumenti
