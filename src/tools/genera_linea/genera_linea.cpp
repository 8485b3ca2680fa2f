#include "tools/genera_linea/genera_linea.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "compiler/modello.h"
#include "scenario_text/nomi_scenario.h"
#include "tools/genera_linea/celle_occupate.h"
#include "tools/genera_linea/sorteggio.h"

namespace genera_linea {
namespace {

constexpr std::uint64_t seme = 40817;
// Kilometre boards take table entries that stations would otherwise use.
constexpr std::int32_t massimo_cartelli_km = 8;
constexpr std::int32_t posti_stazioni_e_cartelli = 78;
constexpr std::int32_t passo_stazioni = 6500;  // the mean of 5 to 8 km
constexpr std::int32_t passo_rallentamenti = 50000;
constexpr std::int32_t passo_gallerie = 25000;
// Curves must end before the geometry's 1000000 m limit and before the line's end.
constexpr std::int32_t margine_fine = 1000;

std::string riga(std::string_view parola, std::initializer_list<std::int32_t> valori) {
  std::string r(parola);
  for (std::int32_t v : valori) r.append(", ").append(std::to_string(v));
  return r.append("\r\n");
}

struct stazione {
  std::int32_t posizione;
  std::int32_t tipo;
  std::int32_t marciapiede;
  std::int32_t capolinea;
  std::int32_t sosta;
  std::int32_t orario;  // seconds after midnight, 0 when the train does not stop
  std::string nome;
};

// What every part of the plan shares: the length, the one random sequence
// (drawn in a fixed order) and the cells taken so far.
struct lavoro {
  std::int32_t lunghezza;
  sorteggio caso;
  celle_occupate occupate;
};

std::int32_t n_cartelli_km(std::int32_t lunghezza) {
  return std::min(massimo_cartelli_km, lunghezza / 20000 + 1);
}

// The scenario's own names, numbered on their second and later rounds.
std::string nome_stazione(std::size_t i) {
  const auto& nomi = testo_scenario::nomi::stazioni;
  std::string nome(nomi[i % nomi.size()]);
  if (i >= nomi.size()) nome.append(" ").append(std::to_string(i / nomi.size() + 1));
  return nome;
}

// Where the train stops: the cell the compiler marks for a station of this kind.
std::int32_t cella_fermata(const stazione& s) {
  const std::int32_t fine = (s.tipo == 8) ? s.posizione + s.marciapiede : s.posizione + s.marciapiede / 2;
  return fine / 50 - 1;
}

std::vector<stazione> piano_stazioni(lavoro& w) {
  // n stations in all, both terminals included.
  const std::int32_t n = std::min(w.lunghezza / passo_stazioni + 1,
                                  posti_stazioni_e_cartelli - n_cartelli_km(w.lunghezza));
  const std::int32_t capolinea_finale = (w.lunghezza - margine_fine) / 50 * 50;
  const std::int32_t passo = capolinea_finale / (n - 1);
  std::vector<stazione> stazioni;
  stazioni.push_back({0, 8, 500, 1, 60, 6 * 3600, nome_stazione(0)});
  for (std::int32_t i = 1; i < n - 1; ++i) {
    const std::int32_t centro = i * passo;
    const std::int32_t p = w.caso.tra_passo_50(centro - passo / 5, centro + passo / 5);
    const std::int32_t scelta = w.caso.tra(0, 9);
    const std::int32_t tipo = scelta < 7 ? 12 : (scelta < 8 ? 4 : (scelta < 9 ? 22 : 28));
    stazioni.push_back({p, tipo, tipo == 22 ? 200 : 600, 0, tipo >= 25 ? 0 : 30, 0, nome_stazione(stazioni.size())});
  }
  stazioni.push_back({capolinea_finale, 2, 800, 1, 0, 0, nome_stazione(stazioni.size())});
  // A timetable at 100 km/h on average, stops included.
  std::int32_t tempo = 6 * 3600;
  for (std::size_t i = 1; i < stazioni.size(); ++i) {
    tempo += (stazioni[i].posizione - stazioni[i - 1].posizione) * 36 / 1000 + stazioni[i - 1].sosta;
    stazioni[i].orario = stazioni[i].tipo >= 25 ? 0 : tempo;
  }
  for (const stazione& s : stazioni) {
    if (s.tipo < 25) w.occupate.occupa(cella_fermata(s));
  }
  return stazioni;
}

std::string righe_stazioni(const std::vector<stazione>& stazioni) {
  std::string righe;
  for (const stazione& s : stazioni) {
    const std::int32_t ore = s.orario / 3600;
    const std::int32_t minuti = s.orario / 60 % 60;
    const std::int32_t secondi = s.orario % 60;
    std::string r = riga("stazione", {s.posizione, s.tipo, s.marciapiede, s.capolinea, 0, 0, 1, 1, 0, 4, 1, 1,
                                      s.sosta, ore, minuti, secondi});
    r.insert(r.size() - 2, ", " + s.nome);
    righe.append(r);
  }
  return righe;
}

// The cells a slowdown at x of length l writes: the warning, the start, the
// end and the four cells before the warning.
std::array<std::int32_t, 7> celle_rallentamento(std::int32_t x, std::int32_t l) {
  const std::int32_t avviso = (x - 1200) / 50;
  return {avviso + 1, x / 50 + 1, (x + l) / 50 + 1, avviso, avviso - 1, avviso - 2, avviso - 3};
}

bool sgombre(const celle_occupate& occupate, const std::array<std::int32_t, 7>& celle) {
  return std::all_of(celle.begin(), celle.end(), [&](std::int32_t c) { return occupate.libera_intorno(c); });
}

// A slowdown every 50 km, away from the line's ends, moved clear of other events.
std::string piano_rallentamenti(lavoro& w) {
  std::string righe;
  for (std::int32_t x = passo_rallentamenti / 2; x + 3000 < w.lunghezza; x += passo_rallentamenti) {
    const std::int32_t l = w.caso.tra_passo_50(500, 2000);
    // Below the lowest limit piano_indicatori gives, so that it slows the train wherever it falls.
    const std::int32_t v = w.caso.tra(1, 4) * 20;
    const std::int32_t f_ta = w.caso.tra(0, 1);
    const std::int32_t d_v = w.caso.tra(0, 1) * v;
    std::int32_t inizio = x;
    while (!sgombre(w.occupate, celle_rallentamento(inizio, l))) inizio += 50;
    for (std::int32_t c : celle_rallentamento(inizio, l)) w.occupate.occupa(c);
    righe.append(riga("rallentamento", {inizio, v, l, 0, f_ta, d_v}));
  }
  return righe;
}

// Signals every 1.5 to 2 km from the start of the signal repetition.
std::string piano_segnali(lavoro& w) {
  // sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo: the scenario's own aspects.
  static constexpr std::int32_t aspetti[][10] = {
      {2, 4, 0, 0, 0, 2, 1, 0, 0, 0}, {2, 4, 1, 0, 0, 2, 3, 1, 0, 0}, {2, 3, 1, 1, 0, 2, 2, 1, 1, 0},
      {2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, {1, 3, 4, 0, 0, 0, 0, 0, 0, 0}};
  std::string righe;
  std::int32_t libera = w.occupate.prima_libera(1650, w.lunghezza);
  for (std::size_t i = 0; libera >= 0; ++i) {
    w.occupate.occupa(libera / 50 + 1);
    const auto& a = aspetti[i % std::size(aspetti)];
    righe.append(riga("segnale", {libera, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]}));
    const std::int32_t passo = w.caso.tra_passo_50(1500, 2000);
    libera = w.occupate.libera_vicina(libera + passo, libera + 1500, libera + 2000, w.lunghezza);
  }
  return righe;
}

// Speed boards every 2 to 5 km, each with the speed limit it announces.
struct indicatori {
  std::string cartelli;  // line file
  std::string limiti;    // service file
};

indicatori piano_indicatori(lavoro& w) {
  indicatori righe{{}, riga("velocita", {0, 100})};
  std::int32_t p = 700;
  while (p < w.lunghezza) {
    const std::int32_t libera = w.occupate.prima_libera(p, w.lunghezza);
    if (libera < 0) break;
    w.occupate.occupa(libera / 50 + 1);
    const std::int32_t v = w.caso.tra(8, 14) * 10;
    righe.cartelli.append(riga("indicatori_vmax", {libera, v, v + 10, v + 20, 0, v, v + 10, v + 20, 0}));
    righe.limiti.append(riga("velocita", {libera, v}));
    p = libera + w.caso.tra_passo_50(2000, 5000);
  }
  return righe;
}

// Kilometre boards spread evenly, reading a chainage that starts at km 100.
std::string piano_cartelli(lavoro& w) {
  std::string righe;
  const std::int32_t n = n_cartelli_km(w.lunghezza);
  const std::int32_t passo = w.lunghezza / (n + 1);
  for (std::int32_t i = 1; i <= n; ++i) {
    const std::int32_t p = w.occupate.prima_libera(i * passo / 50 * 50, w.lunghezza);
    if (p < 0) break;
    w.occupate.occupa(p / 50 + 1);
    const std::int32_t progressiva = 100000 + p;
    std::string metri = std::to_string(progressiva % 1000);
    metri.insert(0, 3 - metri.size(), '0');
    righe.append("cartello_indicatore, " + std::to_string(p) + ", (Km " + std::to_string(progressiva / 1000) + "+" +
                 metri + ")\r\n");
  }
  return righe;
}

// Curves of every class, 200 m to 2 km long, with straights between them.
std::string piano_curve(lavoro& w) {
  std::string righe;
  std::int32_t p = w.caso.tra_passo_50(1000, 3000);
  while (true) {
    const std::int32_t n = w.caso.tra_passo_50(200, 2000);
    if (p + n >= w.lunghezza - margine_fine) break;
    const std::int32_t classe = w.caso.tra(2, 6);
    const char lato = w.caso.tra(0, 1) == 0 ? 's' : 'd';
    righe.append(std::string("curva") + lato + std::to_string(classe) + ", " + std::to_string(p) + ", " +
                 std::to_string(n) + "\r\n");
    p += n + w.caso.tra_passo_50(500, 4000);
  }
  return righe;
}

std::string piano_pendenze(lavoro& w) {
  std::string righe = riga("pendenza", {0, 0});
  for (std::int32_t p = w.caso.tra_passo_50(1000, 6000); p < w.lunghezza; p += w.caso.tra_passo_50(1000, 6000)) {
    righe.append(riga("pendenza", {p, w.caso.tra(-12, 12)}));
  }
  return righe;
}

// Tunnels, kind 11 (markers every fourth cell), at most as many as the model keeps.
std::string piano_gallerie(lavoro& w) {
  std::string righe;
  std::int32_t n = 0;
  for (std::int32_t a = passo_gallerie / 2; a + 3000 < w.lunghezza && n < compilatore::massimo_montagne;
       a += passo_gallerie, ++n) {
    righe.append(riga("montagna", {a, a + w.caso.tra_passo_50(400, 2000), 11}));
  }
  return righe;
}

std::string piano_aderenze(lavoro& w) {
  std::string righe = riga("aderenza", {0, 100});
  for (std::int32_t p = 30000; p < w.lunghezza; p += 30000) {
    righe.append(riga("aderenza", {p, w.caso.tra(16, 20) * 5}));
  }
  return righe;
}

std::string testa_linea(std::int32_t lunghezza) {
  std::string t("[generale]\r\n");
  t.append(riga("lunghezza percorso", {lunghezza}));
  t.append(riga("progressiva chilometrica uno", {0, 100000, 0}));
  t.append(riga("progressiva chilometrica due", {0, 0, 0}));
  t.append(riga("progressiva chilometrica tre", {0, 0, 0}));
  t.append(riga("sfondo uno", {1}));
  t.append(riga("sfondo due", {0}));
  t.append(riga("sfondo tre", {0}));
  t.append(riga("ripetizione segnali 4 codici", {1650, lunghezza / 50 * 50}));
  return t;
}

std::string testa_treno() {
  return "[generale]\r\n" + riga("numero vetture", {5}) + riga("percentuale massa frenata", {110}) +
         riga("sabbia", {200}) + "orologio,    6  0  0\r\n";
}

}  // namespace

scenario_prova genera(std::int32_t lunghezza) {
  if (lunghezza < lunghezza_minima || lunghezza > compilatore::lunghezza_massima) {
    throw std::invalid_argument("lunghezza " + std::to_string(lunghezza) + " m: da " +
                                std::to_string(lunghezza_minima) + " a " +
                                std::to_string(compilatore::lunghezza_massima));
  }
  lavoro w{lunghezza, sorteggio{seme}, celle_occupate{(lunghezza + compilatore::estensione_linea) / 50 + 1}};

  // Stop points first: the compiler lets them overwrite any event, so the
  // others must keep clear of them. Then boards, slowdowns and signals, each
  // moved past what is already there.
  const std::vector<stazione> stazioni = piano_stazioni(w);
  const std::string curve = piano_curve(w);
  const std::string pendenze = piano_pendenze(w);
  const std::string gallerie = piano_gallerie(w);
  const std::string aderenze = piano_aderenze(w);
  const indicatori velocita = piano_indicatori(w);
  const std::string cartelli = piano_cartelli(w);
  const std::string rallentamenti = piano_rallentamenti(w);
  const std::string segnali = piano_segnali(w);

  scenario_prova s;
  s.linea = testa_linea(lunghezza) + "[curve]\r\n" + curve + "[pendenze]\r\n" + pendenze + "[montagne]\r\n" +
            gallerie + "[cartelli]\r\n" + velocita.cartelli + "[indicazioni]\r\n" + cartelli + "[fine]\r\n";
  s.treno = testa_treno() + "[aderenze]\r\n" + aderenze + "[vel_limite]\r\n" + velocita.limiti +
            "[stazioni]\r\n" + righe_stazioni(stazioni) + "[rallentamenti]\r\n" + rallentamenti +
            "[segnali]\r\n" + segnali + "[fine]\r\n";
  return s;
}

}  // namespace genera_linea
