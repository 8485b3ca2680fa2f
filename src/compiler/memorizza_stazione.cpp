#include <cstdint>
#include <string>

#include "compiler/avvisi_lettura.h"
#include "compiler/errori.h"
#include "compiler/lettura_dati.h"

namespace compilatore::lettura {
namespace {

using testo_scenario::lettore_voci;

// Kinds 25 and above are stations without cells of their own.
constexpr std::uint8_t tipo_senza_celle = 25;
// The area of a station must end at least this far before the next one begins.
constexpr std::int64_t distanza_minima = 350;

// The time as written, for the warnings.
struct orario_scritto {
  std::int32_t ore;
  std::int32_t minuti;
  std::int32_t secondi;
};

orario_scritto leggi_campi(lettore_voci& l, voce& v) {
  v.capolinea = l.leggi_byte();
  v.flag_lunghezza = l.leggi_byte();
  v.prolunga = l.leggi_byte();
  v.gruppo_a1 = l.leggi_corto();
  v.gruppo_a2 = l.leggi_corto();
  v.gruppo_a3 = l.leggi_byte();
  v.gruppo_b1 = l.leggi_corto();
  v.gruppo_b2 = l.leggi_corto();
  v.gruppo_b3 = l.leggi_corto();
  v.sosta = l.leggi_byte();
  const std::int32_t ore = l.leggi_numero();
  const std::int32_t minuti = l.leggi_numero();
  const std::int32_t secondi = l.leggi_numero();
  v.nome = l.leggi_testo();
  verifica_testo(v.nome);
  v.orario = converti_numero(static_cast<double>(std::int64_t{ore} * 3600 + std::int64_t{minuti} * 60 + secondi));
  return {ore, minuti, secondi};
}

// The stretch of line the station occupies, by kind.
void calcola_area(voce& v, std::int32_t p, std::int32_t lunghezza) {
  const double pp = p;
  const double ll = lunghezza;
  switch (v.tipo_stazione) {
    case 5:
    case 6:
      v.inizio = converti_numero(pp - ll);
      v.fine = converti_numero(pp + 150);
      v.prolunga = 0;
      break;
    case 7:
    case 8:
      v.inizio = converti_numero(pp - ll);
      v.fine = converti_numero(pp + ll);
      v.prolunga = 0;
      break;
    default:
      v.inizio = converti_numero(pp - ll / 2);
      v.fine = converti_numero(static_cast<double>(converti_numero(pp + ll / 2)) + (v.prolunga != 0 ? 50 : 0));
      break;
  }
}

bool oltre_fine_griglia(const modello& m, const voce& v) {
  const std::int64_t limite = (std::int64_t{m.n_celle} + 1) * 50;
  return v.inizio > limite || v.fine > limite;
}

void scrivi_preavvisi(contesto& c, const voce& v) {
  for (std::int32_t k = 1; k <= 4; ++k) {
    const double cella_preavviso = v.fine / 50.0 - k - 1;
    if (cella_preavviso > 1) {
      const std::int64_t i = indice_cella(cella_preavviso);
      cella_in(c.m, i).preavviso = formato::preavviso_fermata(k);
      annota_preavviso(c, i, occupante::tipo::preavviso_fermata);
    }
  }
}

// The stop point overwrites whatever the cell held: say what it erases.
void avverti_se_cancella(contesto& c, const voce& v, std::int64_t i) {
  if (!c.avvisi()) return;
  const cella& cl = c.m.celle[static_cast<std::size_t>(i)];
  if (libera(cl)) return;
  std::string chi = descrivi_occupante(c, c.m.occupanti[static_cast<std::size_t>(i)].evento);
  if (chi.empty()) chi = "l'evento " + std::to_string(cl.evento);
  avverti(c, avviso::genere::voce_sovrascritta,
          "la fermata della stazione " + citazione(v.nome) + " nella cella " + std::to_string(i) + " cancella " + chi);
}

}  // namespace

seguito memorizza_stazione(contesto& c, lettore_voci& l, const std::string& chiave) {
  std::int32_t& n = c.n_stazione;
  // Stations fill the table upward, boards downward: an entry holding a board is never overwritten.
  if (n >= c.prossimo_cartello) return ferma(c, errore::troppe_stazioni);
  voce& v = c.m.tabella[static_cast<std::size_t>(n)];
  const std::int32_t p = l.leggi_numero();
  v.progressiva = p;
  if (oltre_la_griglia(c.m, p, 800)) return fuori_griglia(c, p);
  if (p % 50 != 0) return ferma_al_valore(c, errore::stazione_non_multipla, p, 0);
  v.tipo_stazione = l.leggi_byte();
  const std::int32_t lunghezza = l.leggi_numero();
  if (lunghezza % 100 != 0) return ferma_al_valore(c, errore::marciapiede_non_multiplo, p, 2);
  c.valore_in_esame = al_valore(c, 13);  // the time, which must fit its field
  const orario_scritto orario = leggi_campi(l, v);
  c.valore_in_esame.reset();
  if (l.alla_fine()) {
    v = voce{};  // dropped whole: the entry was empty before
    return seguito::fine_file;
  }

  calcola_area(v, p, lunghezza);
  if (lunghezza < 600) v.flag_lunghezza = 0;
  if (n == 1) {
    v.prolunga = 0;
    v.flag_lunghezza = 0;
  }
  if (oltre_fine_griglia(c.m, v)) return ferma(c, errore::stazione_oltre_griglia, p);

  const std::uint8_t tipo = v.tipo_stazione;
  if (tipo < tipo_senza_celle && tipo != 5 && tipo != 6) scrivi_preavvisi(c, v);
  if (tipo < tipo_senza_celle) {
    const double fermata = v.fine / 50.0 - 1;
    if (fermata <= 1) return ferma(c, errore::fermata_troppo_vicina);
    // The stop point overwrites whatever the cell held.
    const std::int64_t i = indice_cella(fermata);
    cella& cl = cella_in(c.m, i);
    avverti_se_cancella(c, v, i);
    cl.evento = evento::fermata;
    cl.dato1 = bassi_16(n);
    annota_evento(c, i, occupante::tipo::fermata);
  }
  if (n > 1 && std::int64_t{v.inizio} - distanza_minima < c.m.tabella[static_cast<std::size_t>(n - 1)].fine) {
    const seguito s = ferma(c, errore::stazioni_troppo_vicine, p);
    c.errore.dettaglio = "l'area della stazione comincia a " + std::to_string(v.inizio) +
                         " m, quella della precedente finisce a " +
                         std::to_string(c.m.tabella[static_cast<std::size_t>(n - 1)].fine) + " m";
    return s;
  }
  ++n;
  c.m.n_stazioni = n - 1;
  if (c.avvisi()) {
    avverti_se_oltre(c, chiave, p);
    avverti_se_utf8(c, v.nome, 16);
    avverti_orario_stazione(c, v, orario.ore, orario.minuti, orario.secondi);
  }
  if (n >= c.prossimo_cartello) return ferma(c, errore::troppe_stazioni);
  return seguito::prosegui;
}

}  // namespace compilatore::lettura
