#include "esempio_scenario.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "formato/nomi_file.h"
#include "formato/scrivi_binari.h"
#include "formato/voci.h"
#include "platform/piattaforma.h"
#include "scenario_text/nomi_scenario.h"

namespace esempio {
namespace {

namespace cm = compilatore;
namespace nomi = testo_scenario::nomi;

void riempi_tabella(cm::modello& m) {
  auto& t = m.tabella;
  t[1] = cm::voce{.tipo_stazione = 8, .inizio = -500, .fine = 500, .progressiva = 0, .capolinea = 1,
                  .nome = std::string(nomi::stazioni[0]), .orario = 61500};
  t[2] = cm::voce{.tipo_stazione = 12, .inizio = 1300, .fine = 1700, .progressiva = 1500,
                  .nome = std::string(nomi::stazioni[1]), .sosta = 30, .orario = 61830};
  t[3] = cm::voce{.tipo_stazione = 8, .inizio = 2600, .fine = 3400, .progressiva = 3000, .capolinea = 1,
                  .nome = std::string(nomi::stazioni[21]), .orario = 62100};
  t[formato::voce_primo_cartello].nome = "(Km 10.000)";
  t[formato::voce_primo_cartello - 1].nome = "(Km 12.400) (" + std::string(nomi::torrente_uno) + ", citt\xE0)";
  const auto tre_numeri = [&](int voce, std::int32_t inizio, std::int32_t fine, std::int32_t progressiva) {
    t[static_cast<std::size_t>(voce)].inizio = inizio;
    t[static_cast<std::size_t>(voce)].fine = fine;
    t[static_cast<std::size_t>(voce)].progressiva = progressiva;
  };
  tre_numeri(formato::voce_progressiva_tre, 2000, 12000, 0);
  tre_numeri(formato::voce_progressiva_due, 1000, 11000, 1);
  tre_numeri(formato::voce_progressiva_uno, 0, 10000, 0);
  tre_numeri(formato::voce_lunghezza, 120, 3000, 6);  // braked mass, line length, cars
  t[formato::voce_nome_base] = cm::voce{.inizio = 1, .fine = 3, .progressiva = 2,
                                        .nome = std::string(nomi::nome_base), .gruppo_a1 = 610, .orario = 32595};
  t[formato::voce_ripetizione] = cm::voce{.inizio = 500, .fine = 1500, .progressiva = 4,
                                          .nome = std::string(nomi::codice_treno), .gruppo_a1 = 80,
                                          .gruppo_b1 = 17, .gruppo_b2 = 4, .gruppo_b3 = 30};
}

void evento(cm::modello& m, int cella, std::uint8_t codice, std::int16_t d1 = 0, std::int16_t d2 = 0,
            std::int16_t d3 = 0, std::int16_t d4 = 0) {
  auto& c = m.celle.at(static_cast<std::size_t>(cella));
  c.evento = codice;
  c.dato1 = d1;
  c.dato2 = d2;
  c.dato3 = d3;
  c.dato4 = d4;
}

void riempi_eventi(cm::modello& m) {
  namespace ev = cm::evento;
  m.celle[1].dato1 = 5121;
  m.celle[1].dato2 = 2344;
  evento(m, 3, ev::cartello_indicatore, formato::voce_primo_cartello);
  evento(m, 9, ev::fermata, 1);
  // Signal at 1000 m: s1 4 d1 1, s2 0 d2 0, s3 2 d3 3, rapp 1, sx 2, dx 1, tempo 50.
  evento(m, 21, ev::segnale, 41, 0, 23, 17);
  m.celle[21].tempo_segnale = 101;
  for (int k = 1; k <= 4; ++k) m.celle[static_cast<std::size_t>(21 - 2 * k)].preavviso = static_cast<std::uint8_t>(70 + k);
  // Slowdown at 2000 m, v 60, l 200, f_tt 1, f_ta 1, d_v 30.
  for (int j = 0; j < 4; ++j) evento(m, 16 - j, ev::prima_avviso, static_cast<std::int16_t>(j + 1), static_cast<std::int16_t>(j + 1));
  evento(m, 17, ev::avviso_rallentamento, 60, 30);
  evento(m, 41, ev::inizio_rallentamento, 60, 30, 1);
  evento(m, 45, ev::fine_rallentamento, 60, 30, 1);
  evento(m, 33, ev::fermata, 2);
  evento(m, 49, ev::cartello_indicatore, formato::voce_primo_cartello - 1);
  evento(m, 50, ev::abbattimento, 30);
  // Speed board at 2700 m: vas 100 vbs 110 vcs 115 strisces 1, vad 60 vbd 0 vcd 75 strisced 2.
  evento(m, 55, ev::indicatore_v_max, 2012, 2200, 2315, 12);
  evento(m, 56, ev::abbattimento_senza_valore);
  for (int i = 58; i <= 66; ++i) m.celle[static_cast<std::size_t>(i)].tipo_montagna = 1;
  evento(m, 60, ev::segno_montagna);
  evento(m, 64, ev::segno_montagna);
  evento(m, 67, ev::fermata, 3);
}

void riempi_profili(cm::modello& m) {
  for (std::size_t i = 0; i < m.celle.size(); ++i) {
    auto& c = m.celle[i];
    const bool completata = i + 3 < m.celle.size();  // the last three cells keep 0
    c.vel_limite = !completata ? 0 : i < 39 ? 20 : 28;
    c.aderenza = !completata ? 0 : i < 100 ? 100 : 80;
    c.pendenza = i < 60 ? 100 : i < 120 ? 92 : 105;
  }
}

// Straight north to 1000 m, a right-hand curve of radius 1000 m for 600 m, straight again.
void riempi_tracciato(cm::modello& m) {
  auto& p = m.punti;
  p.y[1] = 1.0;
  double direzione = 0.0;
  for (std::int32_t q = 2; q <= m.lunghezza_estesa - 2; ++q) {
    if (q > 1000 && q <= 1600) direzione += 1.0 / 1000.0;
    const auto i = static_cast<std::size_t>(q);
    p.x[i] = p.x[i - 1] + std::sin(direzione);
    p.y[i] = p.y[i - 1] + std::cos(direzione);
  }
  p.assegnati = m.lunghezza_estesa - 1;
}

}  // namespace

compilatore::modello modello_esempio() {
  cm::modello m;
  m.calcola_tracciato = true;
  m.dimensiona(3000);
  riempi_tabella(m);
  riempi_eventi(m);
  riempi_profili(m);
  riempi_tracciato(m);
  return m;
}

// A model built by hand is no clean compile: its files are written one by one.
void scrivi_esempio(const std::string& cartella, const compilatore::modello& m) {
  const auto nomi_file = formato::forma_nomi(cartella, nomi::nome_base, nomi::codice_treno);
  const std::pair<std::string, std::string> file[] = {
      {nomi_file.tracciato_dat, formato::contenuto_tracciato(m.punti)},
      {nomi_file.tabella_sim, formato::contenuto_tabella(m.tabella)},
      {nomi_file.celle_dat, formato::contenuto_celle(m.celle)},
  };
  for (const auto& [percorso, contenuto] : file) {
    const auto esito = piattaforma::sostituisci_file(piattaforma::sistema_reale().file(), percorso, contenuto);
    if (!esito.riuscito()) throw std::runtime_error(esito.messaggio());
  }
}

}  // namespace esempio
