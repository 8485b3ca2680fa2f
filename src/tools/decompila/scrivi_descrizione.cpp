#include "tools/decompila/scrivi_descrizione.h"

#include <cstdint>
#include <vector>

#include "tools/decompila/sezione_testo.h"

namespace decompila {
namespace {

void elenco(std::string& testo, const char* intestazione, const char* chiave, const std::vector<voce_elenco>& voci) {
  sezione_testo s(intestazione);
  for (const voce_elenco& v : voci) s.riga(chiave, {v.posizione, v.valore});
  s.aggiungi_a(testo);
}

void generale_linea(std::string& testo, const descrizione_linea& d) {
  sezione_testo s("[generale]");
  s.riga("lunghezza percorso", {d.lunghezza});
  const char* nomi[3] = {"progressiva chilometrica uno", "progressiva chilometrica due",
                         "progressiva chilometrica tre"};
  for (std::size_t i = 0; i < 3; ++i) {
    const progressiva& p = d.progressive[i];
    s.riga(nomi[i], {p.posizione, p.valore, p.flag});
  }
  s.riga("sfondo uno", {d.sfondo_uno});
  s.riga("sfondo due", {d.sfondo_due});
  s.riga("sfondo tre", {d.sfondo_tre});
  s.riga(d.ripetizione_codici == 9 ? "ripetizione segnali 9 codici" : "ripetizione segnali 4 codici",
         {d.ripetizione_inizio, d.ripetizione_fine});
  s.aggiungi_a(testo);
}

void curve(std::string& testo, const descrizione_linea& d) {
  sezione_testo s("[curve]");
  if (d.tracciato_guasto) {
    s.commento("tracciato compilato illeggibile: le curve non si ricavano");
  } else if (!d.con_tracciato) {
    s.commento("nessun tracciato compilato: le curve non si ricavano");
  }
  for (const curva& c : d.curve) {
    s.riga(std::string("curva") + (c.sinistra ? 's' : 'd') + std::to_string(c.classe), {c.posizione, c.lunghezza});
  }
  s.aggiungi_a(testo);
}

void montagne(std::string& testo, const descrizione_linea& d) {
  sezione_testo s("[montagne]");
  for (const montagna& m : d.montagne) {
    if (m.separatore) s.commento("montagna senza celle: quella dopo resta del suo tipo anche vicina all'altra");
    s.riga("montagna", {m.inizio, m.fine, m.tipo});
  }
  s.aggiungi_a(testo);
}

void indicatori(std::string& testo, const descrizione_linea& d) {
  sezione_testo s("[cartelli]");
  for (const indicatore& i : d.indicatori) {
    const formato::valori_indicatore& v = i.v;
    s.riga("indicatori_vmax", {i.posizione, v.vas, v.vbs, v.vcs, v.strisces, v.vad, v.vbd, v.vcd, v.strisced});
  }
  s.aggiungi_a(testo);
}

void cartelli(std::string& testo, const descrizione_linea& d) {
  sezione_testo s("[indicazioni]");
  for (const cartello& c : d.cartelli) s.riga("cartello_indicatore", {c.posizione}, c.testo);
  s.aggiungi_a(testo);
}

void generale_treno(std::string& testo, const descrizione_treno& d) {
  sezione_testo s("[generale]");
  s.riga("numero vetture", {d.vetture});
  s.riga("percentuale massa frenata", {d.massa_frenata});
  s.riga("sabbia", {d.sabbia});
  s.riga_spaziata("orologio", {d.ore, d.minuti, d.secondi});
  s.aggiungi_a(testo);
}

void stazioni(std::string& testo, const descrizione_treno& d) {
  sezione_testo s("[stazioni]");
  for (const stazione& t : d.stazioni) {
    s.riga("stazione",
           {t.posizione, t.tipo, t.marciapiede, t.capolinea, t.flag_lunghezza, t.prolunga, t.gruppo_a1, t.gruppo_a2,
            t.gruppo_a3, t.gruppo_b1, t.gruppo_b2, t.gruppo_b3, t.sosta, t.ore, t.minuti, t.secondi},
           t.nome);
  }
  s.aggiungi_a(testo);
}

// The slowdowns under the stations' stop points go before the stations, which then cover them.
void rallentamenti(std::string& testo, const descrizione_treno& d, bool sotto_fermate) {
  sezione_testo s(sotto_fermate ? "[rallentamenti sotto le fermate]" : "[rallentamenti]");
  bool qualcuno = false;
  for (const rallentamento& r : d.rallentamenti) {
    if (r.sotto_fermata != sotto_fermate) continue;
    s.riga("rallentamento", {r.x, r.v, r.l, r.f_tt, r.f_ta, r.d_v});
    qualcuno = true;
  }
  if (qualcuno || !sotto_fermate) s.aggiungi_a(testo);
}

// The signals whose approach codes the stations overwrite go before the stations.
void segnali(std::string& testo, const descrizione_treno& d, bool prima_delle_stazioni) {
  sezione_testo s(prima_delle_stazioni ? "[segnali prima delle stazioni]" : "[segnali]");
  bool qualcuno = false;
  for (const segnale& g : d.segnali) {
    if (g.prima_delle_stazioni != prima_delle_stazioni) continue;
    const formato::valori_segnale& v = g.v;
    s.riga("segnale", {g.posizione, v.sx, v.s1, v.s2, v.s3, v.rapp, v.dx, v.d1, v.d2, v.d3, v.tempo});
    qualcuno = true;
  }
  if (qualcuno || !prima_delle_stazioni) s.aggiungi_a(testo);
}

void abbattimenti(std::string& testo, const descrizione_treno& d) {
  sezione_testo s("[codici]");
  for (const abbattimento& a : d.abbattimenti) s.riga("abbattimento", {a.posizione, a.valore});
  s.aggiungi_a(testo);
}

}  // namespace

std::string testo_linea(const descrizione_linea& d) {
  std::string testo;
  generale_linea(testo, d);
  curve(testo, d);
  elenco(testo, "[pendenze]", "pendenza", d.pendenze);
  montagne(testo, d);
  indicatori(testo, d);
  cartelli(testo, d);
  testo += "[fine]\r\n";
  return testo;
}

std::string testo_treno(const descrizione_treno& d) {
  std::string testo;
  generale_treno(testo, d);
  elenco(testo, "[aderenze]", "aderenza", d.aderenze);
  elenco(testo, "[vel_limite]", "velocita", d.velocita);
  rallentamenti(testo, d, true);
  segnali(testo, d, true);
  stazioni(testo, d);
  rallentamenti(testo, d, false);
  segnali(testo, d, false);
  abbattimenti(testo, d);
  testo += "[fine]\r\n";
  return testo;
}

}  // namespace decompila
