#include "documents/scheda_generata.h"

#include <algorithm>
#include <cstdio>

#include "documents/intestazione_generata.h"
#include "documents/maiuscole.h"
#include "documents/pagina_scheda.h"
#include "documents/progressiva_km.h"
#include "formato/voci.h"

namespace documenti {
namespace {

constexpr std::string_view nome_documento = "scheda treno";
constexpr std::size_t larghezza_luogo = 27;

// A row before it is laid out. At one position a station comes first, then a
// board, then a bare change of speed.
struct riga_percorso {
  std::int32_t posizione = 0;
  int ordine = 0;
  std::int32_t velocita = 0;
  std::string luogo;
  std::string orario;
};

std::string orario_stazione(const std::vector<stazione_percorso>& stazioni, std::size_t i) {
  const stazione_percorso& s = stazioni[i];
  if (i == 0) return orario_partenza(ora_stampata(s.orario));
  if (i + 1 == stazioni.size()) return orario_arrivo(ora_stampata(s.orario));
  if (s.sosta > 0) return orario_fermata(ora_stampata(s.orario - s.sosta), ora_stampata(s.orario));
  // A station passed without stopping shows its time only when the description gives one.
  if (s.orario != 0) return orario_transito(ora_stampata(s.orario));
  return senza_orario();
}

std::vector<riga_percorso> righe_percorso(const compilatore::modello& m, avvisi_documenti& avvisi) {
  const std::vector<stazione_percorso> stazioni = stazioni_di(m);
  const std::int32_t da = stazioni.empty() ? 0 : stazioni.front().posizione;
  const std::int32_t a = stazioni.empty() ? m.tabella[formato::voce_lunghezza].fine : stazioni.back().posizione;

  std::vector<riga_percorso> righe;
  for (std::size_t i = 0; i < stazioni.size(); ++i) {
    const std::string nome = avvisi.adatta(in_maiuscolo(stazioni[i].nome), larghezza_luogo, nome_documento);
    righe.push_back({stazioni[i].posizione, 0, 0, nome, orario_stazione(stazioni, i)});
  }
  for (const cartello_percorso& c : cartelli_di(m)) {
    if (c.posizione < da || c.posizione > a) continue;
    const std::string luogo = avvisi.adatta(luogo_cartello(c.testo), larghezza_luogo, nome_documento);
    righe.push_back({c.posizione, 1, 0, luogo, senza_orario()});
  }
  const auto in_ordine = [](const riga_percorso& x, const riga_percorso& y) {
    return x.posizione != y.posizione ? x.posizione < y.posizione : x.ordine < y.ordine;
  };
  std::stable_sort(righe.begin(), righe.end(), in_ordine);

  for (const cambio_velocita& c : cambi_velocita(m, da, a)) {
    const auto stessa =
        std::find_if(righe.begin(), righe.end(), [&](const riga_percorso& r) { return r.posizione == c.posizione; });
    if (stessa != righe.end()) {
      stessa->velocita = c.velocita;
    } else {
      righe.push_back({c.posizione, 2, c.velocita, "", senza_orario()});
    }
  }
  std::stable_sort(righe.begin(), righe.end(), in_ordine);
  if (!righe.empty()) righe.front().velocita = velocita_a(m, righe.front().posizione);
  return righe;
}

void controlla_spazio(const std::string& testo, std::size_t larghezza, std::string_view che_cosa) {
  if (testo.size() > larghezza) {
    throw errore_documento(std::string(che_cosa) + " '" + testo + "' non sta nel suo riquadro della scheda treno (" +
                           std::to_string(larghezza) + " caratteri)");
  }
}

testata_scheda testata(const compilatore::modello& m, const dati_autore& autore, avvisi_documenti& avvisi) {
  const std::vector<stazione_percorso> stazioni = stazioni_di(m);
  testata_scheda t;
  t.codice_treno = avvisi.adatta(m.tabella[formato::voce_ripetizione].nome, 7, nome_documento);
  if (!stazioni.empty()) {
    t.da = avvisi.adatta(iniziali_maiuscole(stazioni.front().nome), 22, nome_documento);
    t.a = avvisi.adatta(iniziali_maiuscole(stazioni.back().nome), 22, nome_documento);
  }
  // Appended, not `"V" + ...`: GCC 12 flags that with a spurious -Wrestrict at -O2.
  t.classe = std::string("V").append(std::to_string(velocita_massima(m)));
  if (!autore.rango.empty()) t.classe += " " + autore.rango;
  controlla_spazio(t.classe, 14, "la classe di velocita'");
  t.massa_frenata = std::to_string(m.tabella[formato::voce_lunghezza].inizio) + "%";
  controlla_spazio(t.massa_frenata, 14, "la percentuale di massa frenata");
  t.classificazione = in_maiuscolo(autore.classificazione);
  controlla_spazio(t.classificazione, 18, "la classificazione");
  if (!autore.massa_bloccata.empty()) t.massa_bloccata = autore.massa_bloccata + "T";
  controlla_spazio(t.massa_bloccata, 18, "la massa bloccata");
  return t;
}

}  // namespace

std::string ora_stampata(std::int32_t secondi) {
  constexpr std::int64_t giorno = std::int64_t{24} * 3600;
  const std::int64_t del_giorno = ((std::int64_t{secondi} % giorno) + giorno) % giorno;
  char testo[6];
  std::snprintf(testo, sizeof testo, "%02d.%02d", static_cast<int>(del_giorno / 3600),
                static_cast<int>(del_giorno % 3600 / 60));
  return testo;
}

std::string luogo_cartello(std::string_view testo) {
  std::vector<std::string> pezzi;
  std::vector<std::string> chilometri;
  std::size_t da = 0;
  while (da < testo.size()) {
    const std::size_t fine = testo.find_first_of("()", da);
    std::string_view pezzo = testo.substr(da, fine == std::string_view::npos ? std::string_view::npos : fine - da);
    while (!pezzo.empty() && pezzo.front() == ' ') pezzo.remove_prefix(1);
    while (!pezzo.empty() && pezzo.back() == ' ') pezzo.remove_suffix(1);
    const bool km = pezzo.size() > 3 && (pezzo[0] == 'K' || pezzo[0] == 'k') && (pezzo[1] == 'm' || pezzo[1] == 'M') &&
                    pezzo[2] == ' ' && pezzo.find('+') != std::string_view::npos;
    if (km) {
      std::string scritto = "Km" + std::string(pezzo.substr(2));
      scritto[scritto.find('+')] = '.';
      chilometri.push_back(scritto);
    } else if (!pezzo.empty()) {
      pezzi.emplace_back(pezzo);
    }
    if (fine == std::string_view::npos) break;
    da = fine + 1;
  }
  const std::vector<std::string>& scelti = pezzi.empty() ? chilometri : pezzi;
  std::string luogo;
  for (const std::string& p : scelti) luogo += (luogo.empty() ? "" : " ") + p;
  return luogo;
}

testo_scenario::tabella_righe scheda_generata(const compilatore::modello& m, const dati_autore& autore,
                                              avvisi_documenti& avvisi) {
  const progressive_km progressive(m.tabella);
  const std::vector<riga_percorso> righe = righe_percorso(m, avvisi);
  std::vector<std::string> km;
  km.reserve(righe.size());
  for (const riga_percorso& r : righe) km.push_back(km_stampato(progressive, r.posizione));
  std::vector<voce_scheda> voci;
  voci.reserve(righe.size());
  for (std::size_t i = 0; i < righe.size(); ++i) {
    voci.push_back({righe[i].velocita, km[i], righe[i].luogo, righe[i].orario, ""});
  }
  const testata_scheda t = testata(m, autore, avvisi);
  return impagina_scheda(voci, [&](std::string_view pagina) { return intestazione_generata(t, pagina); });
}

}  // namespace documenti
