#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "compiler/errori.h"
#include "compiler/parole_chiave.h"

// A compile that goes on after errors (opzioni::errori): each record is read
// as a small transaction, undone when it fails, so that a mistake does not
// cascade into errors on every later line.
namespace compilatore::lettura {
namespace {

using testo_scenario::errore_lettura;
using testo_scenario::lettore_voci;

// What a record may change besides the cells, which the cell register keeps.
struct stato_salvato {
  explicit stato_salvato(const contesto& c)
      : tabella(c.m.tabella),
        montagne_inizio(c.m.montagne_inizio),
        montagne_fine(c.m.montagne_fine),
        n_montagne(c.m.n_montagne),
        n_stazioni(c.m.n_stazioni),
        n_cartelli(c.m.n_cartelli),
        n_segnali(c.m.n_segnali),
        rallentamenti(c.m.rallentamenti.size()),
        origine_riservati(c.m.origine_riservati),
        assegnati(c.m.punti.assegnati),
        prossimo_cartello(c.prossimo_cartello),
        lunghezza_letta(c.lunghezza_letta),
        pendenze(c.pendenze),
        velocita(c.velocita),
        aderenze(c.aderenze),
        q(c.q),
        fine_curve(c.fine_curve),
        n_stazione(c.n_stazione),
        progressive_lette(c.progressive_lette),
        indicatori(c.indicatori.size()),
        orario_precedente(c.orario_precedente),
        origine_orario_precedente(c.origine_orario_precedente),
        avvisi(c.avvisi() ? c.o.avvisi->size() : 0) {}

  void ripristina(contesto& c) const {
    c.m.tabella = tabella;
    c.m.montagne_inizio = montagne_inizio;
    c.m.montagne_fine = montagne_fine;
    c.m.n_montagne = n_montagne;
    c.m.n_stazioni = n_stazioni;
    c.m.n_cartelli = n_cartelli;
    c.m.n_segnali = n_segnali;
    c.m.rallentamenti.resize(rallentamenti);
    c.m.origine_riservati = origine_riservati;
    c.m.punti.assegnati = assegnati;
    c.prossimo_cartello = prossimo_cartello;
    c.lunghezza_letta = lunghezza_letta;
    c.pendenze = pendenze;
    c.velocita = velocita;
    c.aderenze = aderenze;
    c.q = q;
    c.fine_curve = fine_curve;
    c.n_stazione = n_stazione;
    c.progressive_lette = progressive_lette;
    c.indicatori.resize(indicatori);
    c.orario_precedente = orario_precedente;
    c.origine_orario_precedente = origine_orario_precedente;
    if (c.avvisi()) c.o.avvisi->resize(avvisi);
  }

  std::array<voce, voci_tabella> tabella;
  std::array<std::int32_t, massimo_montagne + 1> montagne_inizio;
  std::array<std::int32_t, massimo_montagne + 1> montagne_fine;
  std::int32_t n_montagne;
  std::int32_t n_stazioni;
  std::int32_t n_cartelli;
  std::int32_t n_segnali;
  std::size_t rallentamenti;
  origine origine_riservati;
  std::int32_t assegnati;
  std::int32_t prossimo_cartello;
  std::int64_t lunghezza_letta;
  elenco_corrente pendenze;
  elenco_corrente velocita;
  elenco_corrente aderenze;
  std::int64_t q;
  std::optional<std::int32_t> fine_curve;
  std::int32_t n_stazione;
  std::array<progressiva_letta, 3> progressive_lette;
  std::size_t indicatori;
  std::optional<std::int32_t> orario_precedente;
  origine origine_orario_precedente;
  std::size_t avvisi;
};

// Puts back every cell the record touched, the earliest copy last.
void annulla_celle(modello& m, const registro_celle& r) {
  for (auto i = r.voci.rbegin(); i != r.voci.rend(); ++i) {
    const auto indice = static_cast<std::size_t>(i->indice);
    m.celle[indice] = i->prima;
    if (indice < m.occupanti.size()) m.occupanti[indice] = i->occupanti_prima;
  }
}

// Errors after which nothing more can be checked: the line's length sizes
// everything, and a full table or list would fail every later record alike.
bool ferma_la_lettura(std::int32_t codice) {
  switch (codice) {
    case errore::lunghezza_eccessiva:
    case errore::lunghezza_negativa:
    case errore::lunghezza_mancante:
    case errore::troppe_stazioni:
    case errore::troppe_montagne:
    case errore::troppi_cartelli:
    case errore::linea_mancante:
    case errore::generale_mancante: return true;
    default: return false;
  }
}

// Where to go on after a record that failed: from the next line when the
// record's own line is not over, from the item that failed when it stood on
// a later line (it may be the next record's keyword).
void riallinea(contesto& c, lettore_voci& l, std::optional<std::int32_t> riga_fallita) {
  if (riga_fallita && *riga_fallita > c.voce_chiave.riga) {
    l.riprendi_dalla_voce();
  } else if (l.qui().riga == c.voce_chiave.riga) {
    l.salta_riga();
  }
}

}  // namespace

seguito leggi_voce(tabella_chiavi tabella, contesto& c, lettore_voci& l, const std::string& chiave) {
  if (c.o.errori == nullptr) return leggi_record(tabella, c, l, chiave);

  // Each error is told on its own: nothing of an earlier one stays in the record.
  c.errore = errore_compilazione{};
  const stato_salvato prima(c);
  registro_celle registro;
  c.m.registro = &registro;
  seguito esito = seguito::prosegui;
  std::optional<std::int32_t> riga_fallita;
  bool fallito = false;
  try {
    esito = leggi_record(tabella, c, l, chiave);
    fallito = esito == seguito::fermati || esito == seguito::fuori_griglia;
  } catch (const errore_lettura& e) {
    c.m.registro = nullptr;
    if (e.alla_fine()) throw;  // nothing is left to read
    registra_generico(c, e, &e);
    riga_fallita = e.dove().riga;
    fallito = true;
  } catch (const guasto& g) {
    c.m.registro = nullptr;
    registra_generico(c, g, nullptr);
    fallito = true;
  }
  c.m.registro = nullptr;
  if (!fallito) return esito;

  const bool finale = ferma_la_lettura(c.errore.codice_errore);
  if (!finale) {
    annulla_celle(c.m, registro);
    prima.ripristina(c);
  }
  raccogli(c, finale);
  if (finale) return seguito::fermati;
  riallinea(c, l, riga_fallita);
  return seguito::prosegui;
}

}  // namespace compilatore::lettura
