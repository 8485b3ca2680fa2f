#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "compiler/memorizza_dati.h"
#include "compiler/modello.h"
#include "formato/arrotonda.h"
#include "formato/voci.h"
#include "tools/decompila/lavoro.h"

namespace decompila {
namespace {

constexpr std::size_t voce(int indice) { return static_cast<std::size_t>(indice); }

// The record as the line file gives it: a flagged value had 100 added by the compile.
bool come_scritta(const formato::voce& v, progressiva& p) {
  p = {v.inizio, v.fine, v.progressiva};
  if (v.progressiva != 1) return true;
  if (v.fine < std::numeric_limits<std::int32_t>::min() + 100) return false;
  p.valore -= 100;
  return true;
}

// Whether records written as `uno`, `due`, `tre` are put by the compile's
// ordering exactly where the table has them.
bool riordinate_come(const std::array<progressiva, 3>& scritte,
                     const std::array<formato::voce, formato::voci_tabella>& t) {
  compilatore::modello m;
  const int voci[3] = {formato::voce_progressiva_uno, formato::voce_progressiva_due, formato::voce_progressiva_tre};
  for (int i = 0; i < 3; ++i) {
    formato::voce& v = m.tabella[voce(voci[i])];
    v.inizio = scritte[static_cast<std::size_t>(i)].posizione;
    v.fine = scritte[static_cast<std::size_t>(i)].valore;
    v.progressiva = scritte[static_cast<std::size_t>(i)].flag;
  }
  try {
    compilatore::progressive_ordina(m);
  } catch (const std::overflow_error&) {
    return false;
  }
  for (int i = formato::voce_progressiva_tre; i <= formato::voce_progressiva_uno; ++i) {
    const formato::voce& a = m.tabella[voce(i)];
    const formato::voce& b = t[voce(i)];
    if (a.inizio != b.inizio || a.fine != b.fine || a.progressiva != b.progressiva) return false;
  }
  return true;
}

// The three chainage records as the line file must give them. The compile
// sorts them (entry 81 gets the one that applies from the farthest point)
// and raises a flagged value by 100. Of the ways to write them that sort
// back into the table, the first tried is a person's: "uno" the first
// record along the line, then "due", then "tre", the empty ones last.
void ricava_progressive(lavoro& w) {
  std::array<progressiva, 3> lette{};
  for (int i = 0; i < 3; ++i) {
    if (!come_scritta(w.tabella[voce(formato::voce_progressiva_tre + i)], lette[static_cast<std::size_t>(i)])) {
      return;  // no value less 100 fits: the comparison names the entry
    }
  }
  const auto vuota = [](const progressiva& p) { return p.posizione == 0 && p.valore == 0 && p.flag == 0; };
  std::array<progressiva, 3> in_linea = lette;
  std::stable_sort(in_linea.begin(), in_linea.end(), [&](const progressiva& a, const progressiva& b) {
    if (vuota(a) != vuota(b)) return vuota(b);
    return a.posizione < b.posizione;
  });
  if (riordinate_come(in_linea, w.tabella)) {
    w.d.linea.progressive = in_linea;
    return;
  }
  std::array<int, 3> prova = {0, 1, 2};
  do {
    std::array<progressiva, 3> scritte{};
    for (std::size_t i = 0; i < 3; ++i) scritte[i] = lette[static_cast<std::size_t>(prova[i])];
    if (riordinate_come(scritte, w.tabella)) {
      w.d.linea.progressive = scritte;
      return;
    }
  } while (std::next_permutation(prova.begin(), prova.end()));
  // No order of them sorts back: written as found, the comparison shows the entries.
  w.d.linea.progressive = {lette[2], lette[1], lette[0]};
}

// The line length, and the grid and geometry it sizes, checked against each other.
void ricava_lunghezza(lavoro& w) {
  const compilato_letto& l = w.letto;
  std::int64_t lunghezza = 0;
  if (l.tabella) {
    lunghezza = (*l.tabella)[voce(formato::voce_lunghezza)].fine;
  } else if (l.punti) {
    lunghezza = std::int64_t{l.punti->ultimo_indice()} - compilatore::estensione_linea;
  } else if (l.celle) {
    lunghezza = static_cast<std::int64_t>(l.celle->size() - 1) * 50 - compilatore::estensione_linea;
  }
  w.d.linea.lunghezza =
      static_cast<std::int32_t>(std::clamp<std::int64_t>(lunghezza, 0, compilatore::lunghezza_massima));
  const std::string fonte = l.tabella ? "la lunghezza della linea nella tabella" : "la lunghezza ricavata";
  const std::int64_t estesa = lunghezza + compilatore::estensione_linea;
  if (l.celle) {
    const auto attese = static_cast<std::int64_t>(formato::arrotonda(static_cast<double>(estesa) / 50)) + 1;
    if (static_cast<std::int64_t>(l.celle->size()) != attese) {
      w.a.aggiungi(l.nomi.celle_dat, std::to_string(l.celle->size()) + " celle, ma " + fonte + " (" +
                                         std::to_string(lunghezza) + " m) ne vuole " + std::to_string(attese));
    }
  }
  if (l.punti && std::int64_t{l.punti->ultimo_indice()} != estesa) {
    w.a.aggiungi(l.nomi.tracciato_dat, std::to_string(l.punti->x.size()) + " punti, ma " + fonte + " (" +
                                           std::to_string(lunghezza) + " m) ne vuole " + std::to_string(estesa + 1));
  }
}

// The compile stamps the names a scenario's files are known by into the
// table and derives both identification codes from them: files renamed
// since compile to new names and codes.
void nomi_del_file(lavoro& w) {
  if (!w.letto.tabella) return;
  const auto& t = *w.letto.tabella;
  const std::string& base = t[voce(formato::voce_nome_base)].nome;
  const std::string& treno = t[voce(formato::voce_ripetizione)].nome;
  if (base == w.letto.nome_base && treno == w.letto.codice_treno) return;
  w.a.in_voce(w.letto.nomi.tabella_sim, formato::voce_nome_base,
              "lo scenario si chiama '" + base + "', treno '" + treno + "', i file '" + w.letto.nome_base +
                  "', treno '" + w.letto.codice_treno +
                  "': la descrizione compilata prende i nomi dei file, e con essi codici di identificazione nuovi");
  // The other places the names reach.
  w.a.gia_detta_voce(formato::voce_ripetizione);
  w.a.gia_detta_cella(1);
}

}  // namespace

void ricava_generale(lavoro& w) {
  if (w.letto.tabella) w.tabella = *w.letto.tabella;
  if (w.letto.celle) w.celle = *w.letto.celle;
  w.spiegata.assign(w.celle.size(), false);
  // The identification stamps are the compile's own: the places were empty before them.
  w.tabella[voce(formato::voce_nome_base)].gruppo_a1 = 0;
  w.tabella[voce(formato::voce_nome_base)].orario = 0;
  if (w.celle.size() > 1) {
    w.celle[1].dato1 = 0;
    w.celle[1].dato2 = 0;
  }
  ricava_lunghezza(w);
  nomi_del_file(w);

  const formato::voce& sfondi = w.tabella[voce(formato::voce_nome_base)];
  const formato::voce& ripetizione = w.tabella[voce(formato::voce_ripetizione)];
  const formato::voce& treno = w.tabella[voce(formato::voce_lunghezza)];
  descrizione_linea& d = w.d.linea;
  ricava_progressive(w);
  d.sfondo_uno = sfondi.inizio;
  d.sfondo_due = sfondi.progressiva;
  d.sfondo_tre = sfondi.fine;
  d.ripetizione_inizio = ripetizione.inizio;
  d.ripetizione_fine = ripetizione.fine;
  // A repetition that ends at 0 has the count 0 whatever its keyword says.
  d.ripetizione_codici = ripetizione.progressiva == 9 ? 9 : 4;

  descrizione_treno& t = w.d.treno;
  t.vetture = treno.progressiva;
  t.massa_frenata = treno.inizio;
  t.sabbia = ripetizione.gruppo_a1;
  t.ore = ripetizione.gruppo_b1;
  t.minuti = ripetizione.gruppo_b2;
  t.secondi = ripetizione.gruppo_b3;
}

}  // namespace decompila
