#include "tools/esamina/svg_scenario.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "tools/esamina/disegno_svg.h"

namespace strumenti {
namespace {

constexpr double larghezza = 1000.0;
constexpr double margine = 60.0;
constexpr double utile = larghezza - 2 * margine;
constexpr double alto_pianta_massimo = 380.0;  // the whole picture fits a 900-pixel window
constexpr double alto_profilo = 140.0;
constexpr double spazio = 50.0;
constexpr std::int32_t passo_pianta = 50;  // one point every 50 m is plenty at this scale

// The plan view: world metres to pixels with one scale for both axes, north up.
struct pianta {
  std::int32_t ultimo = 0;       // last metre drawn
  std::vector<punto_svg> mondo;  // sampled track points
  double min_x = 0, max_y = 0, scala = 1, sinistra = 0, alto = 0, altezza = 0;

  punto_svg schermo(punto_svg p) const { return {sinistra + (p.x - min_x) * scala, alto + (max_y - p.y) * scala}; }
};

// The line itself, not the 7000 m the geometry runs on past its end; all the
// computed points when the line length is unknown.
std::int32_t ultimo_punto(const compilatore::tracciato& punti, std::int32_t lunghezza_linea) {
  const std::int32_t calcolati = punti.assegnati - 1;
  return lunghezza_linea > 0 ? std::min(lunghezza_linea, calcolati) : calcolati;
}

punto_svg punto_a(const compilatore::tracciato& punti, std::int32_t metro, std::int32_t ultimo) {
  const auto m = static_cast<std::size_t>(std::clamp(metro, 0, ultimo));
  return {punti.x[m], punti.y[m]};
}

pianta prepara_pianta(const compilatore::tracciato& punti, std::int32_t lunghezza_linea, double alto) {
  pianta p;
  p.alto = alto;
  p.ultimo = ultimo_punto(punti, lunghezza_linea);
  for (std::int32_t m = 0; m <= p.ultimo; m += passo_pianta) p.mondo.push_back(punto_a(punti, m, p.ultimo));
  if (p.ultimo % passo_pianta != 0) p.mondo.push_back(punto_a(punti, p.ultimo, p.ultimo));
  double max_x = p.mondo.front().x, min_y = p.mondo.front().y;
  p.min_x = max_x;
  p.max_y = min_y;
  for (const punto_svg& q : p.mondo) {
    p.min_x = std::min(p.min_x, q.x);
    max_x = std::max(max_x, q.x);
    min_y = std::min(min_y, q.y);
    p.max_y = std::max(p.max_y, q.y);
  }
  const double largo = std::max(max_x - p.min_x, 1.0);
  const double lungo = std::max(p.max_y - min_y, 1.0);
  p.scala = std::min(utile / largo, alto_pianta_massimo / lungo);
  p.sinistra = margine + (utile - largo * p.scala) / 2;
  p.altezza = lungo * p.scala;
  return p;
}

void disegna_pianta(disegno_svg& d, const pianta& p, const resoconto& r, const compilatore::tracciato& punti) {
  std::vector<punto_svg> linea;
  for (const punto_svg& q : p.mondo) linea.push_back(p.schermo(q));
  d.polilinea(linea, "fill:none;stroke:#222;stroke-width:2");
  for (const evento_letto& e : r.eventi) {
    if (e.codice != compilatore::evento::segnale) continue;
    const punto_svg s = p.schermo(punto_a(punti, e.metri, p.ultimo));
    d.rettangolo(s.x - 2, s.y - 2, 4, 4, "fill:#c00");
  }
  for (std::size_t i = 0; i < r.stazioni.size(); ++i) {
    const punto_svg s = p.schermo(punto_a(punti, r.stazioni[i].progressiva, p.ultimo));
    d.cerchio(s, 5, "fill:#06c;stroke:white;stroke-width:1");
    // Alternate sides so that neighbouring names overlap less.
    if (i % 2 == 0) {
      d.testo({s.x + 9, s.y + 4}, r.stazioni[i].nome, "font-size:11px;fill:#036");
    } else {
      d.testo({s.x - 9, s.y + 4}, r.stazioni[i].nome, "font-size:11px;fill:#036;text-anchor:end");
    }
  }
}

// Where each profile is drawn and how metres map to pixels across it.
struct asse_linea {
  double lunghezza = 1;
  double x(double metri) const { return margine + std::clamp(metri / lunghezza, 0.0, 1.0) * utile; }
};

// Steps of the runs that lie on the line, with `y` mapping a value to pixels.
template <typename F>
std::vector<punto_svg> gradini(const std::vector<tratto>& tratti, const asse_linea& asse, F y) {
  std::vector<punto_svg> punti;
  for (const tratto& t : tratti) {
    if (t.da >= asse.lunghezza) break;
    punti.push_back({asse.x(t.da), y(t.valore)});
    punti.push_back({asse.x(std::min<double>(t.a, asse.lunghezza)), y(t.valore)});
  }
  return punti;
}

std::int32_t massimo_assoluto(const std::vector<tratto>& tratti, const asse_linea& asse, std::int32_t almeno) {
  std::int32_t m = almeno;
  for (const tratto& t : tratti) {
    if (t.da < asse.lunghezza) m = std::max(m, std::abs(t.valore));
  }
  return m;
}

void cornice(disegno_svg& d, const resoconto& r, const asse_linea& asse, double alto, const std::string& titolo) {
  d.rettangolo(margine, alto, utile, alto_profilo, "fill:#f7f7f7;stroke:#999");
  for (const stazione_letta& s : r.stazioni) {
    if (s.progressiva < 0 || s.progressiva > asse.lunghezza) continue;
    d.linea({asse.x(s.progressiva), alto}, {asse.x(s.progressiva), alto + alto_profilo},
            "stroke:#bbb;stroke-dasharray:3,3");
  }
  d.testo({margine, alto - 6}, titolo, "font-size:12px");
}

void disegna_pendenze(disegno_svg& d, const resoconto& r, const asse_linea& asse, double alto) {
  cornice(d, r, asse, alto, "pendenza (per mille)");
  const double mezzo = alto + alto_profilo / 2;
  const std::int32_t limite = massimo_assoluto(r.pendenze, asse, 5);
  const double scala = (alto_profilo / 2 - 8) / limite;
  d.linea({margine, mezzo}, {margine + utile, mezzo}, "stroke:#666");
  d.polilinea(gradini(r.pendenze, asse, [&](std::int32_t v) { return mezzo - v * scala; }),
              "fill:none;stroke:#a60;stroke-width:1.5");
  d.testo({margine - 6, mezzo + 4}, "0", "font-size:10px;text-anchor:end");
  d.testo({margine - 6, mezzo - limite * scala + 4}, std::to_string(limite), "font-size:10px;text-anchor:end");
  d.testo({margine - 6, mezzo + limite * scala + 4}, std::to_string(-limite), "font-size:10px;text-anchor:end");
}

void disegna_velocita(disegno_svg& d, const resoconto& r, const asse_linea& asse, double alto) {
  cornice(d, r, asse, alto, "velocit\xE0 limite (km/h)");
  const double base = alto + alto_profilo;
  const std::int32_t massima = massimo_assoluto(r.velocita, asse, 50);
  const double scala = (alto_profilo - 10) / massima;
  d.polilinea(gradini(r.velocita, asse, [&](std::int32_t v) { return base - v * scala; }),
              "fill:none;stroke:#070;stroke-width:1.5");
  d.testo({margine - 6, base + 4}, "0", "font-size:10px;text-anchor:end");
  d.testo({margine - 6, base - massima * scala + 4}, std::to_string(massima), "font-size:10px;text-anchor:end");
}

// Ticks at a round number of kilometres, ten or fewer along the line.
void disegna_chilometri(disegno_svg& d, const asse_linea& asse, double alto) {
  constexpr std::array<double, 11> passi = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000};
  double passo = passi.back();
  for (const double p : passi) {
    if (asse.lunghezza / 1000.0 / p <= 10) {
      passo = p;
      break;
    }
  }
  d.linea({margine, alto}, {margine + utile, alto}, "stroke:#333");
  for (double km = 0; km * 1000 <= asse.lunghezza; km += passo) {
    const double x = asse.x(km * 1000);
    d.linea({x, alto}, {x, alto + 6}, "stroke:#333");
    d.testo({x, alto + 20}, std::to_string(static_cast<long>(km)) + " km", "font-size:11px;text-anchor:middle");
  }
}

}  // namespace

std::string componi_svg(const resoconto& r, const compilatore::tracciato& punti,
                        const std::optional<vista_linea>& vista) {
  (void)vista;
  const double alto_pianta = 60;
  const bool con_pianta = r.con_tracciato && punti.assegnati >= 2;
  pianta p;
  if (con_pianta) p = prepara_pianta(punti, r.testa.lunghezza_linea, alto_pianta);
  const double fine_pianta = alto_pianta + (con_pianta ? p.altezza : 20.0);
  const double alto_pendenze = fine_pianta + spazio + 20;
  const double alto_velocita = alto_pendenze + alto_profilo + spazio;
  const double alto_asse = alto_velocita + alto_profilo;
  disegno_svg d(larghezza, alto_asse + 50);

  d.testo({margine, 28}, "Scenario " + r.testa.nome_base + ", treno " + r.testa.codice_treno,
          "font-size:16px;font-weight:bold");
  if (con_pianta) {
    disegna_pianta(d, p, r, punti);
  } else {
    d.testo({margine, alto_pianta + 14}, "tracciato assente", "font-size:12px;fill:#666");
  }
  d.testo({margine, fine_pianta + 30}, "pianta: stazioni in blu, segnali in rosso", "font-size:11px;fill:#666");

  const asse_linea asse{r.testa.lunghezza_linea > 0 ? r.testa.lunghezza_linea : r.n_celle * 50.0};
  if (asse.lunghezza > 0) {
    disegna_pendenze(d, r, asse, alto_pendenze);
    disegna_velocita(d, r, asse, alto_velocita);
    disegna_chilometri(d, asse, alto_asse);
  }
  return d.chiudi();
}

}  // namespace strumenti
