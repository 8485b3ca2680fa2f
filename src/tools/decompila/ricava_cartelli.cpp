#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "formato/voci.h"
#include "tools/decompila/lavoro.h"
#include "tools/decompila/testi.h"

namespace decompila {
namespace {

bool solo_testo(const formato::voce& v) {
  return v.tipo_stazione == 0 && v.inizio == 0 && v.fine == 0 && v.progressiva == 0 && v.capolinea == 0 &&
         v.gruppo_a1 == 0 && v.gruppo_a2 == 0 && v.gruppo_b1 == 0 && v.gruppo_b2 == 0 && v.gruppo_b3 == 0 &&
         v.gruppo_a3 == 0 && v.sosta == 0 && v.prolunga == 0 && v.flag_lunghezza == 0 && v.orario == 0;
}

// The entry a board takes is its place among the boards of the line file,
// counted down from the first board's entry.
bool voce_di_cartello(std::int32_t e, std::size_t stazioni) {
  return e <= formato::voce_primo_cartello && e > static_cast<std::int32_t>(stazioni);
}

std::string testo_di(lavoro& w, std::int32_t e) {
  return testo_per_descrizione(w.a, w.letto.nomi.tabella_sim, e, "il testo del cartello",
                               w.tabella[static_cast<std::size_t>(e)].nome);
}

// A board whose cell a station's stop point took over: any stop cell that
// nothing else was under gives the same bytes.
std::int32_t sotto_una_fermata(lavoro& w, std::set<std::int32_t>& occupate) {
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    const bool fermata = w.cella(i).evento == formato::evento::fermata && w.gia_spiegata(i);
    if (fermata && !w.fermata_con_resto(i) && occupate.insert(i).second) return i;
  }
  return -1;
}

// A board no cell shows and no stop covers: written at the first empty cell,
// where the comparison would show it, so that the boards after it keep their entries.
std::int32_t fuori_posto(lavoro& w, std::int32_t e, std::set<std::int32_t>& occupate) {
  for (std::int32_t i = 2; i < w.n_celle(); ++i) {
    if (w.cella(i).evento != formato::evento::nessuno || !occupate.insert(i).second) continue;
    w.anomalia_cella(i, "qui \xE8 scritto il cartello della voce " + std::to_string(e) +
                            ", il cui testo nessuna cella mostra e nessuna fermata copre");
    return i;
  }
  return -1;
}

// Cells of every board, by the entry that holds its text; a board that
// points elsewhere is a fault.
std::map<std::int32_t, std::vector<std::int32_t>, std::greater<>> celle_per_voce(lavoro& w, std::size_t stazioni) {
  std::map<std::int32_t, std::vector<std::int32_t>, std::greater<>> per_voce;
  for (std::int32_t i = 0; i <= w.n_celle(); ++i) {
    const formato::cella& c = w.cella(i);
    if (c.evento != formato::evento::cartello_indicatore) continue;
    if (!voce_di_cartello(c.dato1, stazioni) || !solo_testo(w.tabella[static_cast<std::size_t>(c.dato1)])) {
      w.anomalia_cella(i, "cartello indicatore che rimanda alla voce " + std::to_string(c.dato1) +
                              " della tabella, che non \xE8 un testo di cartello: tralasciato");
      continue;
    }
    per_voce[c.dato1].push_back(i);
  }
  return per_voce;
}

// The lowest board entry: the last one a cell shows, or the last with a text.
std::int32_t ultima_voce(const lavoro& w, std::size_t stazioni, std::int32_t ultima_mostrata) {
  std::int32_t ultima = ultima_mostrata;
  for (std::int32_t e = formato::voce_primo_cartello; voce_di_cartello(e, stazioni); --e) {
    const formato::voce& v = w.tabella[static_cast<std::size_t>(e)];
    if (!v.nome.empty() && solo_testo(v)) ultima = std::min(ultima, e);
  }
  return ultima;
}

}  // namespace

void ricava_cartelli(lavoro& w) {
  const std::size_t stazioni = w.d.treno.stazioni.size();
  const auto per_voce = celle_per_voce(w, stazioni);
  const std::int32_t ultima =
      ultima_voce(w, stazioni, per_voce.empty() ? formato::voce_primo_cartello + 1 : per_voce.rbegin()->first);

  std::set<std::int32_t> occupate;
  for (const indicatore& i : w.d.linea.indicatori) occupate.insert(i.posizione / 50 + 1);
  for (std::int32_t e = formato::voce_primo_cartello; e >= ultima; --e) {
    const auto trovate = per_voce.find(e);
    std::int32_t cella = -1;
    if (trovate != per_voce.end()) {
      cella = trovate->second.front();
      for (std::size_t k = 1; k < trovate->second.size(); ++k) {
        w.anomalia_cella(trovate->second[k], "secondo cartello con il testo della voce " + std::to_string(e) +
                                                 ": ogni cartello ha la sua voce; tralasciato");
      }
    } else {
      cella = sotto_una_fermata(w, occupate);
      if (cella < 0) cella = fuori_posto(w, e, occupate);
    }
    if (cella >= 0) {
      w.spiega(cella);
      occupate.insert(cella);
    }
    w.d.linea.cartelli.push_back({cella >= 0 ? posizione_dopo(cella) : 0, testo_di(w, e)});
  }
}

}  // namespace decompila
