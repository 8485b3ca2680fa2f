#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/errori.h"
#include "compiler/lettura_dati.h"
#include "compiler/memorizza_dati.h"

namespace compilatore::lettura {
namespace {

using testo_scenario::contiene;
using testo_scenario::contiene_esatto;
using testo_scenario::lettore_voci;

// What lives only while the body of the line file is read.
struct stato_corpo {
  std::int64_t indice_pendenza = 0;
  std::int32_t pendenza_precedente = 0;
  std::int64_t q = 2;  // next geometry point to compute
  // Where each running list has got to, for the warnings.
  std::optional<std::int32_t> ultima_pendenza;
  std::optional<std::int32_t> fine_curve;
};

// The keywords a near miss is compared with: the writer's own.
constexpr std::string_view parole_generale[] = {
    "lunghezza percorso",  "progressiva chilometrica uno", "progressiva chilometrica due",
    "progressiva chilometrica tre", "sfondo uno", "sfondo due", "sfondo tre", "ripetizione segnali 4 codici",
    "ripetizione segnali 9 codici"};
constexpr std::string_view parole_corpo[] = {
    "pendenza", "curvas1", "curvas2", "curvas3", "curvas4", "curvas5", "curvas6", "curvad1", "curvad2", "curvad3",
    "curvad4", "curvad5", "curvad6", "montagna", "indicatori_vmax", "cartello_indicatore"};

// The record tests, shared by the reading and by the check for unknown keywords.
bool e_lunghezza(const std::string& k) { return contiene(k, "percorso") && contiene(k, "lunghezza"); }
bool e_esatta(const std::string& k, const char* a, const char* b) {
  return contiene_esatto(k, a) && contiene_esatto(k, b);
}
bool e_progressiva(const std::string& k, const char* quale) { return e_esatta(k, "progressiva", quale); }
bool e_sfondo(const std::string& k, const char* quale) { return e_esatta(k, "sfondo", quale); }
bool e_ripetizione(const std::string& k) { return e_esatta(k, "segnali", "ripetizione"); }
bool e_pendenza(const std::string& k) { return contiene(k, "pendenza"); }
bool e_curva(const std::string& k) { return contiene(k, "curva"); }
bool e_montagna(const std::string& k) { return contiene(k, "montagna"); }
bool e_indicatore(const std::string& k) { return contiene(k, "indicatori_v"); }
bool e_cartello(const std::string& k) { return contiene(k, "cartello") && contiene(k, "indicat"); }

bool nota_generale(const std::string& k) {
  for (const char* quale : {"uno", "due", "tre"}) {
    if (e_progressiva(k, quale) || e_sfondo(k, quale)) return true;
  }
  return e_lunghezza(k) || e_ripetizione(k);
}

// A curve keyword is known whether or not this compile builds the geometry.
bool nota_corpo(const std::string& k) {
  return e_pendenza(k) || e_curva(k) || e_montagna(k) || e_indicatore(k) || e_cartello(k);
}

seguito fuori_griglia(contesto& c, std::int32_t p) {
  registra(c, errore::oltre_la_griglia, p);
  return seguito::fuori_griglia;
}

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

seguito leggi_progressiva(lettore_voci& l, voce& v) {
  const std::int32_t inizio = l.leggi_numero();
  const std::int32_t fine = l.leggi_numero();
  const std::int32_t flag = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  v.inizio = inizio;
  v.fine = fine;
  v.progressiva = flag;
  return seguito::prosegui;
}

// One value into `campo`, unless it was the file's last item.
seguito leggi_in(lettore_voci& l, std::int32_t& campo) {
  const std::int32_t valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  campo = valore;
  return seguito::prosegui;
}

seguito leggi_lunghezza(contesto& c, lettore_voci& l) {
  const std::int32_t lunghezza = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  c.m.tabella[84].fine = lunghezza;
  if (lunghezza > lunghezza_massima) return ferma(c, errore::lunghezza_eccessiva);
  if (lunghezza < 0) return ferma(c, errore::lunghezza_negativa);
  // Sized once the section ends: nothing in it uses the grid, and a file
  // repeating the length line must not reallocate megabytes for every copy.
  c.lunghezza_letta = lunghezza;
  return seguito::prosegui;
}

seguito leggi_ripetizione(contesto& c, lettore_voci& l, const std::string& chiave) {
  voce& v = c.m.tabella[86];
  const std::int32_t inizio = l.leggi_numero();
  const std::int32_t fine = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  v.inizio = inizio;
  v.fine = fine;
  if (v.inizio % 50 != 0) return ferma(c, errore::ripetizione_inizio);
  if (v.fine % 50 != 0) return ferma(c, errore::ripetizione_fine);
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

seguito voce_generale(contesto& c, lettore_voci& l, const std::string& chiave) {
  auto& t = c.m.tabella;
  seguito esito = seguito::prosegui;
  const auto prosegui = [&] { return esito == seguito::prosegui; };
  if (e_lunghezza(chiave)) esito = leggi_lunghezza(c, l);
  if (prosegui() && e_progressiva(chiave, "tre")) esito = leggi_progressiva(l, t[81]);
  if (prosegui() && e_progressiva(chiave, "due")) esito = leggi_progressiva(l, t[82]);
  if (prosegui() && e_progressiva(chiave, "uno")) esito = leggi_progressiva(l, t[83]);
  if (prosegui() && e_sfondo(chiave, "uno")) esito = leggi_in(l, t[85].inizio);
  if (prosegui() && e_sfondo(chiave, "due")) esito = leggi_in(l, t[85].progressiva);
  if (prosegui() && e_sfondo(chiave, "tre")) esito = leggi_in(l, t[85].fine);
  if (prosegui() && e_ripetizione(chiave)) esito = leggi_ripetizione(c, l, chiave);
  return esito;
}

bool voci_generali(contesto& c, lettore_voci& l) {
  while (!l.alla_fine()) {
    std::string chiave = leggi_chiave(c, l);
    if (l.alla_fine()) break;
    // No end test here: a file that ends inside a run of comments fails the read.
    for (int volta = 0; volta < 10 && contiene(chiave, "-"); ++volta) chiave = leggi_chiave(c, l);
    if (!nota_generale(chiave) && !chiude_sezione(chiave)) avverti_se_sconosciuta(c, chiave, parole_generale);
    const seguito esito = voce_generale(c, l, chiave);
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
  if (c.lunghezza_letta >= 0) c.m.dimensiona(static_cast<std::int32_t>(c.lunghezza_letta));
  return prosegue;
}

// Writes the gradient in force from the running cell up to the cell before k, at least one cell.
void riempi_pendenza(modello& m, stato_corpo& s, std::int64_t k) {
  do {
    cella_in(m, s.indice_pendenza).pendenza = bassi_8(std::int64_t{s.pendenza_precedente} + 100);
    ++s.indice_pendenza;
  } while (s.indice_pendenza < k);
}

seguito pendenza(contesto& c, lettore_voci& l, stato_corpo& s, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t g = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t k = indice_cella(p / 50.0);
  if (k < 0) return ferma(c, errore::posizione_negativa, p);
  avverti_se_indietro(c, chiave, p, s.ultima_pendenza);
  if (k > 0) riempi_pendenza(c.m, s, k);
  s.pendenza_precedente = g;
  return seguito::prosegui;
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

seguito curva(contesto& c, lettore_voci& l, stato_corpo& s, const std::string& chiave) {
  const std::int32_t p = l.leggi_numero();
  const std::int32_t n = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  double k = curvatura(chiave);
  if (k == 0) return ferma(c, errore::curva_non_valida);
  if (contiene(chiave, "s")) k = -k;
  // The last two points of the geometry are never computed.
  if (std::int64_t{p} + n > std::int64_t{c.m.lunghezza_estesa} - 2) {
    return ferma(c, errore::curva_oltre_tracciato, p);
  }
  // A curve that starts inside the one before it is laid after it instead.
  avverti_se_indietro(c, chiave, p, s.fine_curve);
  s.fine_curve = std::max(*s.fine_curve, p + n);
  const std::int32_t esito_curva = estendi_curva(c.m, s.q, p, n, k);
  if (esito_curva != 0) return ferma(c, esito_curva);
  return seguito::prosegui;
}

seguito montagna(contesto& c, lettore_voci& l) {
  const std::int32_t a = l.leggi_numero();
  const std::int32_t b = l.leggi_numero();
  std::int32_t t = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, a, 100)) return fuori_griglia(c, a);
  const std::int32_t codice = memo_montagna(c.m, a, b, t);
  if (codice != 0) return ferma(c, codice, a);
  return seguito::prosegui;
}

seguito indicatore(contesto& c, lettore_voci& l) {
  std::int32_t v[9];
  for (auto& valore : v) valore = l.leggi_numero();
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, v[0], 100)) return fuori_griglia(c, v[0]);
  const std::int32_t codice = memo_indicatori_v_max(c.m, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
  if (codice != 0) return ferma(c, codice, v[0]);
  return seguito::prosegui;
}

seguito cartello(contesto& c, lettore_voci& l) {
  const std::int32_t p = l.leggi_numero();
  const std::string testo = l.leggi_testo();
  verifica_testo(testo);
  if (l.alla_fine()) return seguito::fine_file;
  if (oltre_la_griglia(c.m, p, 100)) return fuori_griglia(c, p);
  const std::int64_t i = indice_cella(p / 50.0 + 1);
  if (i < 0) return ferma(c, errore::posizione_negativa, p);
  if (c.prossimo_cartello < 1) return ferma(c, errore::troppi_cartelli, p);
  cella& cl = cella_in(c.m, i);
  if (!libera(cl)) return ferma(c, errore::cartello_su_cella_occupata, p);
  cl.evento = evento::cartello_indicatore;
  cl.dato1 = bassi_16(c.prossimo_cartello);
  c.m.tabella[static_cast<std::size_t>(c.prossimo_cartello)].nome = testo;
  --c.prossimo_cartello;
  ++c.m.n_cartelli;
  return seguito::prosegui;
}

seguito voce_corpo(contesto& c, lettore_voci& l, stato_corpo& s, const std::string& chiave) {
  seguito esito = seguito::prosegui;
  if (e_pendenza(chiave)) esito = pendenza(c, l, s, chiave);
  if (esito != seguito::prosegui) return esito;
  if (c.m.calcola_tracciato && e_curva(chiave)) esito = curva(c, l, s, chiave);
  if (esito != seguito::prosegui) return esito;
  if (e_montagna(chiave)) esito = montagna(c, l);
  if (esito != seguito::prosegui) return esito;
  if (e_indicatore(chiave)) esito = indicatore(c, l);
  if (esito != seguito::prosegui) return esito;
  if (e_cartello(chiave)) esito = cartello(c, l);
  return esito;
}

// Returns false when an error ends the parse; error 15 only ends the loop.
bool corpo(contesto& c, lettore_voci& l, stato_corpo& s) {
  std::string chiave;
  while (chiave_record(c, l, chiave)) {
    if (!nota_corpo(chiave)) avverti_se_sconosciuta(c, chiave, parole_corpo);
    // Without the geometry a curve's values are read as keywords in turn, by design.
    if (!c.m.calcola_tracciato && e_curva(chiave)) tace_riga(c);
    const seguito esito = voce_corpo(c, l, s, chiave);
    annota_riservati(c);
    if (esito == seguito::fine_file) avverti_record_perso(c, chiave);
    if (esito == seguito::fermati) return false;
    if (esito == seguito::fuori_griglia || esito == seguito::fine_file) break;
  }
  return true;
}

void prepara_corpo(contesto& c) {
  c.m.n_montagne = 0;
  c.prossimo_cartello = 80;
  if (c.m.punti.esiste()) {
    c.m.punti.x[0] = 0;
    c.m.punti.y[0] = 0;
    c.m.punti.x[1] = 0;
    c.m.punti.y[1] = 1;
    c.m.punti.assegnati = 2;
  }
}

void completa_linea(contesto& c, stato_corpo& s) {
  elimina_descrizione(c, c.file.linea);
  do {
    cella_in(c.m, s.indice_pendenza).pendenza = bassi_8(std::int64_t{s.pendenza_precedente} + 100);
    ++s.indice_pendenza;
  } while (s.indice_pendenza < std::int64_t{c.m.n_celle} - 2);
  if (c.m.punti.esiste()) estendi_rettilineo(c.m, s.q, std::int64_t{c.m.lunghezza_estesa} - 2);
}

}  // namespace

bool compila_linea(contesto& c) {
  c.in_file = origine::file::linea;
  const std::string testo = leggi_descrizione(c, c.file.linea);
  lettore_voci l(testo);
  if (!trova_generale(c, l)) {
    ferma(c, errore::generale_mancante);
    return false;
  }
  if (!sezione_generale(c, l)) return false;
  progressive_ordina(c.m);
  // Everything after the general section, the closing fill included, works on the grid.
  if (!c.m.ha_griglia()) {
    ferma(c, errore::lunghezza_mancante);
    return false;
  }
  prepara_corpo(c);
  stato_corpo s;
  if (!corpo(c, l, s)) return false;
  completa_linea(c, s);
  return true;
}

}  // namespace compilatore::lettura
