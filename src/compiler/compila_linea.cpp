#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/avvisi_lettura.h"
#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"
#include "compiler/parole_chiave.h"

namespace compilatore::lettura {
namespace {

using testo_scenario::contiene;
using testo_scenario::lettore_voci;

bool trova_generale(contesto& c, lettore_voci& l) {
  while (!l.alla_fine()) {
    const std::string voce = leggi_chiave(c, l);
    if (l.alla_fine()) return false;
    if (contiene(voce, "[generale]")) return true;
  }
  return false;
}

// A bracketed header that is not a comment closes the general section.
bool chiude_sezione(const std::string& chiave) {
  if (chiave.find('[') == std::string::npos || chiave.find(']') == std::string::npos) return false;
  const auto primo = chiave.find_first_not_of(" \t");
  return primo == std::string::npos || chiave[primo] != '-';
}

// A chainage record, into table entry `indice`.
template <std::size_t indice>
seguito progressiva(contesto& c, lettore_voci& l, const std::string&) {
  voce& v = c.m.tabella[indice];
  const seguito s = leggi_in(l, v.inizio, v.fine, v.progressiva);
  if (s == seguito::prosegui) {
    // Error 2 is found once the records are in order: it points at the record as read.
    c.progressive_lette[indice - formato::voce_progressiva_tre] = {v.inizio, v.fine, qui(c), al_valore(c, 0),
                                                                   al_valore(c, 1)};
  }
  return s;
}

// A background value, into its field of entry 85.
template <std::int32_t voce::*campo>
seguito sfondo(contesto& c, lettore_voci& l, const std::string&) {
  return leggi_in(l, c.m.tabella[formato::voce_nome_base].*campo);
}

seguito lunghezza(contesto& c, lettore_voci& l, const std::string&) {
  std::int32_t& lunghezza = c.m.tabella[formato::voce_lunghezza].fine;
  if (leggi_in(l, lunghezza) == seguito::fine_file) return seguito::fine_file;
  if (lunghezza > lunghezza_massima) return ferma_al_valore(c, errore::lunghezza_eccessiva, 0);
  if (lunghezza < 0) return ferma_al_valore(c, errore::lunghezza_negativa, 0);
  // Sized once the section ends: nothing in it uses the grid, and a file
  // repeating the length line must not reallocate megabytes for every copy.
  c.lunghezza_letta = lunghezza;
  return seguito::prosegui;
}

seguito ripetizione(contesto& c, lettore_voci& l, const std::string& chiave) {
  voce& v = c.m.tabella[formato::voce_ripetizione];
  if (leggi_in(l, v.inizio, v.fine) == seguito::fine_file) return seguito::fine_file;
  if (v.inizio % 50 != 0) return ferma_al_valore(c, errore::ripetizione_inizio, 0);
  if (v.fine % 50 != 0) return ferma_al_valore(c, errore::ripetizione_fine, 1);
  if (contiene(chiave, "4")) {
    v.progressiva = 4;
  } else if (contiene(chiave, "9")) {
    v.progressiva = 9;
  } else {
    return ferma(c, errore::ripetizione_codici);
  }
  if (v.fine == 0) v.progressiva = 0;
  return seguito::prosegui;
}

// The general section's records, tested in this order on every keyword item.
constexpr parola_chiave chiavi_generale[] = {
    {{"lunghezza percorso"}, {"percorso", "lunghezza"}, lunghezza},
    {{"progressiva chilometrica tre"}, {"progressiva", "tre", maiuscole::contano}, progressiva<formato::voce_progressiva_tre>},
    {{"progressiva chilometrica due"}, {"progressiva", "due", maiuscole::contano}, progressiva<formato::voce_progressiva_due>},
    {{"progressiva chilometrica uno"}, {"progressiva", "uno", maiuscole::contano}, progressiva<formato::voce_progressiva_uno>},
    {{"sfondo uno"}, {"sfondo", "uno", maiuscole::contano}, sfondo<&voce::inizio>},
    {{"sfondo due"}, {"sfondo", "due", maiuscole::contano}, sfondo<&voce::progressiva>},
    {{"sfondo tre"}, {"sfondo", "tre", maiuscole::contano}, sfondo<&voce::fine>},
    {{"ripetizione segnali 4 codici", "ripetizione segnali 9 codici"},
     {"segnali", "ripetizione", maiuscole::contano},
     ripetizione},
};

bool voci_generali(contesto& c, lettore_voci& l) {
  std::string& chiave = c.chiave;
  while (!l.alla_fine()) {
    chiave = leggi_chiave(c, l);
    if (l.alla_fine()) break;
    // No end test here: a file that ends inside a run of comments fails the read.
    for (int volta = 0; volta < 10 && contiene(chiave, "-"); ++volta) chiave = leggi_chiave(c, l);
    if (!chiude_sezione(chiave)) avverti_se_sconosciuta(c, chiavi_generale, chiave);
    const seguito esito = leggi_voce(chiavi_generale, c, l, chiave);
    if (esito == seguito::fermati) return false;
    if (esito == seguito::fine_file) avverti_record_perso(c, chiave);
    if (esito == seguito::fine_file || chiude_sezione(chiave)) break;
  }
  return true;
}

// Returns false when the parse ends in the general section. The grid is sized
// by the last length read, as if each length line had resized it.
bool sezione_generale(contesto& c, lettore_voci& l) {
  const bool prosegue = voci_generali(c, l);
  if (c.lunghezza_letta >= 0) dimensiona_griglia(c, static_cast<std::int32_t>(c.lunghezza_letta));
  return prosegue;
}

seguito pendenza(contesto& c, lettore_voci& l, const std::string& chiave) {
  return voce_elenco(c, l, c.pendenze, chiave);
}

// The first class digit of the keyword, as a curvature per metre; 0 when there is none.
double curvatura(const std::string& chiave) {
  static constexpr struct {
    const char* cifra;
    double k;
  } classi[] = {{"1", 0.0001}, {"2", 0.0002}, {"3", 0.0004}, {"4", 0.001}, {"5", 0.002}, {"6", 0.003}};
  for (const auto& classe : classi) {
    if (contiene(chiave, classe.cifra)) return classe.k;
  }
  return 0;
}

// Only "curvas" and "curvad" say the side plainly; any other keyword is a
// curve to the left when it holds an "s" anywhere, else to the right.
void avverti_se_lato_incerto(contesto& c, const std::string& chiave, bool sinistra) {
  if (!c.avvisi()) return;
  if (contiene(chiave, "curvas") || (contiene(chiave, "curvad") && !sinistra)) return;
  std::string testo = citazione(chiave) + " e' letta come curva a ";
  testo += sinistra ? "sinistra, perche' contiene una 's'" : "destra, perche' non contiene 's'";
  testo += "; il lato si scrive curvas (sinistra) o curvad (destra)";
  avverti(c, avviso::genere::lato_curva, std::move(testo));
}

// A curve that starts inside the one before it turns only after it: say how much of it is left.
void avverti_se_sovrapposta(contesto& c, const std::string& chiave, std::int32_t p, std::int32_t n) {
  if (!c.fine_curve || p >= *c.fine_curve || !c.avvisi()) return;
  const std::int64_t fine = std::int64_t{p} + n;
  const std::int64_t da = c.q - 1;  // the last point laid: the curve turns from there
  std::string testo = citazione(chiave) + " a " + std::to_string(p) +
                      " m comincia prima della fine della curva precedente, a " + std::to_string(*c.fine_curve) +
                      " m: ";
  if (fine > da) {
    testo += "gira solo da " + std::to_string(da) + " m a " + std::to_string(fine) + " m";
  } else {
    testo += "non ha effetto, perche' finisce dentro la precedente";
  }
  avverti(c, avviso::genere::fuori_ordine, std::move(testo));
}

void avverti_se_curva_oltre(contesto& c, const std::string& chiave, std::int32_t p, std::int32_t n) {
  const std::int64_t fine = std::int64_t{p} + n;
  if (!c.avvisi() || fine <= lunghezza_linea(c.m)) return;
  avverti(c, avviso::genere::oltre_la_linea,
          citazione(chiave) + " da " + std::to_string(p) + " m a " + std::to_string(fine) +
              " m va oltre la fine della linea, a " + std::to_string(lunghezza_linea(c.m)) + " m");
}

seguito curva(contesto& c, lettore_voci& l, const std::string& chiave) {
  if (!c.m.calcola_tracciato) {
    // Without the geometry a curve's values are read as keywords in turn, by design.
    tace_riga(c);
    return seguito::prosegui;
  }
  const std::int32_t p = l.leggi_numero();
  const std::int32_t n = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  double k = curvatura(chiave);
  if (k == 0) {
    const seguito s = ferma(c, errore::curva_non_valida);
    c.errore.dettaglio =
        "la voce non ha la cifra della classe; le classi: 1 raggio 10000 m, 2 5000 m, 3 2500 m, "
        "4 1000 m, 5 500 m, 6 333 m (curvas1 ... curvas6 a sinistra, curvad1 ... curvad6 a destra)";
    return s;
  }
  const bool sinistra = contiene(chiave, "s");
  if (sinistra) k = -k;
  // The last two points of the geometry are never computed.
  if (std::int64_t{p} + n > std::int64_t{c.m.lunghezza_estesa} - 2) {
    return ferma(c, errore::curva_oltre_tracciato, p);
  }
  avverti_se_lato_incerto(c, chiave, sinistra);
  avverti_se_curva_oltre(c, chiave, p, n);
  // A curve that starts inside the one before it is laid after it instead.
  avverti_se_sovrapposta(c, chiave, p, n);
  c.fine_curve = std::max(c.fine_curve.value_or(p + n), p + n);
  const std::int32_t esito_curva = estendi_curva(c.m, c.q, p, n, k);
  if (esito_curva != 0) {
    const seguito s = ferma(c, esito_curva);
    c.errore.dettaglio = "il tracciato supera 1000000 punti";
    return s;
  }
  return seguito::prosegui;
}

seguito montagna(contesto& c, lettore_voci& l, const std::string& chiave) {
  const std::int32_t a = l.leggi_numero();
  const std::int32_t b = l.leggi_numero();
  std::int32_t t = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, a, 100)) return fuori_griglia(c, a);
  const std::int32_t scritto = t;
  const std::int32_t codice = memo_montagna(c.m, a, b, t);
  if (codice == errore::posizione_negativa) return ferma_al_valore(c, codice, a, 0);
  if (codice != 0) return ferma(c, codice, a);
  avverti_montagna(c, chiave, a, b, scritto, t);
  return seguito::prosegui;
}

seguito indicatore(contesto& c, lettore_voci& l, const std::string& chiave) {
  std::int32_t v[9];
  for (auto& valore : v) valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int32_t codice = memo_indicatori_v_max(c.m, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
  const std::int64_t i = indice_cella(v[0] / 50.0 + 1);
  if (codice == errore::posizione_negativa) return ferma_al_valore(c, codice, v[0], 0);
  if (codice != 0) return ferma_su_cella(c, codice, v[0], i);
  annota_evento(c, i, occupante::tipo::indicatore);
  if (c.avvisi()) {
    const formato::valori_indicatore scritti{.vas = v[1],
                                             .vbs = v[2],
                                             .vcs = v[3],
                                             .strisces = v[4],
                                             .vad = v[5],
                                             .vbd = v[6],
                                             .vcd = v[7],
                                             .strisced = v[8]};
    avverti_se_indicatore_troncato(c, chiave, scritti, c.m.celle[static_cast<std::size_t>(i)]);
    avverti_se_oltre(c, chiave, v[0]);
    c.indicatori.push_back({v[0], scritti, qui(c)});
  }
  return seguito::prosegui;
}

seguito cartello(contesto& c, lettore_voci& l, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::string testo = l.leggi_testo();
  c.valore_in_esame = al_valore(c, 1);
  verifica_testo(testo);
  c.valore_in_esame.reset();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t i = indice_cella(p / 50.0 + 1);
  if (i < 0) return ferma_al_valore(c, errore::posizione_negativa, p, 0);
  if (c.prossimo_cartello < 1) return ferma(c, errore::troppi_cartelli, p);
  cella& cl = cella_in(c.m, i);
  if (!libera(cl)) return ferma_su_cella(c, errore::cartello_su_cella_occupata, p, i);
  cl.evento = evento::cartello_indicatore;
  cl.dato1 = bassi_16(c.prossimo_cartello);
  c.m.tabella[static_cast<std::size_t>(c.prossimo_cartello)].nome = testo;
  --c.prossimo_cartello;
  ++c.m.n_cartelli;
  annota_evento(c, i, occupante::tipo::cartello);
  avverti_se_oltre(c, chiave, p);
  avverti_se_utf8(c, testo, 1);
  return seguito::prosegui;
}

// The body's records, tested in this order on every keyword item.
constexpr parola_chiave chiavi_corpo[] = {
    {{"pendenza"}, {"pendenza"}, pendenza},
    {{"curvas1", "curvas2", "curvas3", "curvas4", "curvas5", "curvas6", "curvad1", "curvad2", "curvad3", "curvad4",
      "curvad5", "curvad6"},
     {"curva"},
     curva},
    {{"montagna"}, {"montagna"}, montagna},
    {{"indicatori_vmax"}, {"indicatori_v"}, indicatore},
    {{"cartello_indicatore"}, {"cartello", "indicat"}, cartello},
};

// Returns false when an error ends the parse; error 15 only ends the loop.
bool corpo(contesto& c, lettore_voci& l) {
  std::string& chiave = c.chiave;
  while (chiave_record(c, l, chiave)) {
    avverti_se_sconosciuta(c, chiavi_corpo, chiave);
    const seguito esito = leggi_voce(chiavi_corpo, c, l, chiave);
    annota_riservati(c);
    if (esito == seguito::fine_file) avverti_record_perso(c, chiave);
    if (esito == seguito::fermati) return false;
    if (esito == seguito::fuori_griglia || esito == seguito::fine_file) break;
  }
  return true;
}

void prepara_corpo(contesto& c) {
  c.m.n_montagne = 0;
  c.prossimo_cartello = formato::voce_primo_cartello;
  if (c.m.punti.esiste()) {
    c.m.punti.x[0] = 0;
    c.m.punti.y[0] = 0;
    c.m.punti.x[1] = 0;
    c.m.punti.y[1] = 1;
    c.m.punti.assegnati = 2;
  }
}

void completa_linea(contesto& c) {
  elimina_descrizione(c, c.file.linea);
  riempi_elenco(c, c.pendenze, std::int64_t{c.m.n_celle} - 2);
  completa_avviso_sospeso(c, c.pendenze, true);
  if (c.m.punti.esiste()) estendi_rettilineo(c.m, c.q, std::int64_t{c.m.lunghezza_estesa} - 2);
}

bool leggi_linea(contesto& c, lettore_voci& l) {
  if (!trova_generale(c, l)) {
    ferma(c, errore::generale_mancante);
    raccogli(c, true);
    return false;
  }
  if (!sezione_generale(c, l)) return false;
  progressive_ordina(c.m);
  // Everything after the general section, the closing fill included, works on the grid.
  if (!c.m.ha_griglia()) {
    ferma(c, errore::lunghezza_mancante);
    raccogli(c, true);
    return false;
  }
  prepara_corpo(c);
  if (!corpo(c, l)) return false;
  completa_linea(c);
  return true;
}

}  // namespace

bool compila_linea(contesto& c) {
  c.in_file = origine::file::linea;
  const std::optional<std::string> testo = leggi_se_presente(c, c.file.linea);
  if (!testo) {
    // Nothing was read: the error has no place in a file.
    c.errore.codice_errore = errore::linea_mancante;
    c.errore.origine_errore = {};
    raccogli(c, true);
    return false;
  }
  lettore_voci l(*testo);
  return con_lettore(c, l, [&c, &l] { return leggi_linea(c, l); });
}

}  // namespace compilatore::lettura
