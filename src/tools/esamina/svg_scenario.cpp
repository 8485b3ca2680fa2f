#include "tools/esamina/svg_scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "tools/esamina/dati_pagina.h"
#include "tools/esamina/disegno_svg.h"
#include "tools/esamina/geometria_pianta.h"
#include "tools/esamina/posti_etichette.h"
#include "tools/esamina/progressiva_linea.h"
#include "tools/esamina/rallentamenti.h"
#include "tools/esamina/segni.h"
#include "tools/esamina/tacche.h"

namespace strumenti {
namespace {

namespace ev = formato::evento;

constexpr double larghezza = 1000.0;
constexpr double sinistra = 70.0;  // room for the profiles' values
constexpr double utile = larghezza - sinistra - 40.0;
constexpr double alto_pianta_massimo = 380.0;  // the whole picture fits a 900-pixel window
constexpr double alto_profilo = 130.0;
constexpr double corpo = 11.0;  // font size of the labels
constexpr const char* colore_stazione_area = "#8fb8ec";

// The stretch drawn, and how its metres map to pixels across the profiles.
struct asse_linea {
  double da = 0;
  double a = 1;
  double x(double metri) const { return sinistra + std::clamp((metri - da) / (a - da), 0.0, 1.0) * utile; }
  bool contiene(double metri) const { return metri >= da && metri <= a; }
};

std::string stile_testo(std::string_view colore, std::string_view extra = {}) {
  return "font-size:" + std::to_string(static_cast<int>(corpo)) + "px;fill:" + std::string(colore) +
         ";stroke:white;stroke-width:3;paint-order:stroke" + std::string(extra);
}

// The glyph of a kind, as the page draws it.
void disegna_forma(disegno_svg& d, std::string_view forma, punto_svg p, double r, std::string_view colore) {
  const std::string pieno = "fill:" + std::string(colore);
  const std::string tratto = "fill:none;stroke:" + std::string(colore) + ";stroke-width:1.5";
  if (forma == "cerchio") {
    d.cerchio(p, r, pieno + ";stroke:white;stroke-width:1");
  } else if (forma == "barra") {
    d.rettangolo(p.x - r / 4, p.y - r, r / 2, 2 * r, pieno);
  } else if (forma == "segnale") {
    d.linea({p.x, p.y + r}, {p.x, p.y - r / 3}, tratto);
    d.cerchio({p.x, p.y - r / 1.5}, r / 1.6, pieno);
  } else if (forma == "rombo") {
    d.poligono({{p.x, p.y - r}, {p.x + r, p.y}, {p.x, p.y + r}, {p.x - r, p.y}}, pieno);
  } else if (forma == "triangolo" || forma == "triangolo_vuoto") {
    d.poligono({{p.x, p.y - r}, {p.x + r, p.y + r * 0.8}, {p.x - r, p.y + r * 0.8}},
               forma == "triangolo" ? pieno : tratto);
  } else if (forma == "triangolo_giu") {
    d.poligono({{p.x, p.y + r}, {p.x + r, p.y - r * 0.8}, {p.x - r, p.y - r * 0.8}}, pieno);
  } else if (forma == "punto") {
    d.cerchio(p, r / 2.5, pieno);
  } else if (forma == "croce" || forma == "croce_vuota") {
    d.linea({p.x - r, p.y - r}, {p.x + r, p.y + r}, tratto);
    d.linea({p.x + r, p.y - r}, {p.x - r, p.y + r}, tratto);
    if (forma == "croce_vuota") d.cerchio(p, r, tratto);
  } else if (forma == "fascia") {
    d.rettangolo(p.x - r * 1.5, p.y - r / 2, r * 3, r, pieno + ";opacity:0.45");
  } else if (forma == "fine") {
    d.linea({p.x, p.y - r}, {p.x, p.y + r}, "stroke:" + std::string(colore) + ";stroke-width:3");
  } else {
    d.rettangolo(p.x - r * 0.8, p.y - r * 0.8, r * 1.6, r * 1.6, pieno);
  }
}

// ---- the plan view ----------------------------------------------------------

// World metres to pixels with one scale for both axes, north up.
struct pianta {
  std::vector<punto_linea> linea;  // the stretch, one point a metre
  double min_x = 0, max_y = 0, scala = 1, sinistra = 0, alto = 0, altezza = 0;

  punto_svg schermo(double x, double y) const {
    return {sinistra + (x - min_x) * scala, alto + (max_y - y) * scala};
  }
  punto_svg a_metro(double metro) const {
    const auto i = static_cast<std::size_t>(
        std::clamp(std::llround(metro) - static_cast<long long>(linea.front().metro), 0LL,
                   static_cast<long long>(linea.size()) - 1));
    return schermo(linea[i].x, linea[i].y);
  }
  bool contiene(double metro) const { return metro >= linea.front().metro && metro <= linea.back().metro; }
};

pianta prepara_pianta(const formato::tracciato& punti, std::int32_t ultimo, const asse_linea& asse, double alto) {
  pianta p;
  p.alto = alto;
  const auto da = static_cast<std::int32_t>(std::clamp(std::floor(asse.da), 0.0, static_cast<double>(ultimo)));
  const auto a = static_cast<std::int32_t>(std::clamp(std::ceil(asse.a), 0.0, static_cast<double>(ultimo)));
  for (std::int32_t m = da; m <= a; ++m) {
    p.linea.push_back({m, punti.x[static_cast<std::size_t>(m)], punti.y[static_cast<std::size_t>(m)]});
  }
  double max_x = p.linea.front().x, min_y = p.linea.front().y;
  p.min_x = max_x;
  p.max_y = min_y;
  for (const punto_linea& q : p.linea) {
    p.min_x = std::min(p.min_x, q.x);
    max_x = std::max(max_x, q.x);
    min_y = std::min(min_y, q.y);
    p.max_y = std::max(p.max_y, q.y);
  }
  const double largo = std::max(max_x - p.min_x, 1.0);
  const double lungo = std::max(p.max_y - min_y, 1.0);
  p.scala = std::min(utile / largo, alto_pianta_massimo / lungo);
  p.sinistra = sinistra + (utile - largo * p.scala) / 2;
  p.altezza = lungo * p.scala;
  return p;
}

// The track from `da` to `a` in pixels: only the points a quarter pixel matters.
std::vector<punto_svg> tratto_pianta(const pianta& p, double da, double a) {
  std::vector<punto_linea> scelti;
  for (const punto_linea& q : p.linea) {
    if (q.metro >= da && q.metro <= a) scelti.push_back(q);
  }
  std::vector<punto_svg> schermo;
  for (const punto_linea& q : semplifica(scelti, 0.25 / p.scala)) schermo.push_back(p.schermo(q.x, q.y));
  return schermo;
}

// The track sampled every few pixels, as boxes that labels must keep off.
void occupa_binario(posti_etichette& posti, const std::vector<punto_svg>& binario) {
  for (std::size_t i = 0; i + 1 < binario.size(); ++i) {
    const punto_svg a = binario[i], b = binario[i + 1];
    const int passi = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 5));
    for (int k = 0; k <= passi; ++k) {
      const double x = a.x + (b.x - a.x) * k / passi, y = a.y + (b.y - a.y) * k / passi;
      posti.occupa({x - 2.5, y - 2.5, 5, 5});
    }
  }
}

struct etichetta {
  punto_svg dove;
  std::string testo;
  std::string colore;
  int priorita = 0;  // lower first
};

// Each label at the first free place around its mark, or left out.
void scrivi_etichette(disegno_svg& d, posti_etichette& posti, std::vector<etichetta> etichette) {
  std::stable_sort(etichette.begin(), etichette.end(),
                   [](const etichetta& a, const etichetta& b) { return a.priorita < b.priorita; });
  for (const etichetta& e : etichette) {
    const double w = larghezza_testo(e.testo, corpo), h = corpo + 2;
    const double x = e.dove.x, y = e.dove.y;
    const auto posto = posti.prova({{x + 8, y - h / 2, w, h},
                                    {x - 8 - w, y - h / 2, w, h},
                                    {x - w / 2, y - 9 - h, w, h},
                                    {x - w / 2, y + 9, w, h},
                                    {x + 8, y - h - 5, w, h},
                                    {x - 8 - w, y + 5, w, h}});
    if (!posto) continue;
    // Anchored at the side nearest the mark, so the estimated width only sets the room kept.
    const double basso = posto->y + h - 3;
    if (posto->x + posto->w <= x) {
      d.testo({posto->x + posto->w, basso}, e.testo, stile_testo(e.colore, ";text-anchor:end"));
    } else if (posto->x >= x) {
      d.testo({posto->x, basso}, e.testo, stile_testo(e.colore));
    } else {
      d.testo({posto->x + posto->w / 2, basso}, e.testo, stile_testo(e.colore, ";text-anchor:middle"));
    }
  }
}

std::vector<std::string> disegna_pianta(disegno_svg& d, const pianta& p, const resoconto& r, double lunghezza) {
  std::set<std::string> usati;
  const double da = p.linea.front().metro, a = p.linea.back().metro;
  for (const tratto& t : r.montagne) {
    if (t.valore == 0 || t.a < da || t.da > a) continue;
    d.polilinea(tratto_pianta(p, std::max<double>(t.da, da), std::min<double>(t.a, a)),
                "fill:none;stroke:" + std::string(segno("galleria").colore) + ";stroke-width:9;opacity:0.5");
    usati.insert("galleria");
  }
  for (const stazione_letta& s : r.stazioni) {
    if (s.fine < da || s.inizio > a) continue;
    d.polilinea(tratto_pianta(p, std::max<double>(s.inizio, da), std::min<double>(s.fine, a)),
                std::string("fill:none;stroke:") + colore_stazione_area + ";stroke-width:7;opacity:0.6");
  }
  const std::vector<punto_svg> binario = tratto_pianta(p, da, a);
  d.polilinea(binario, "fill:none;stroke:#222;stroke-width:2");

  posti_etichette posti;
  occupa_binario(posti, binario);
  std::vector<etichetta> etichette;
  const auto marca = [&](double metro, std::string_view chiave, const std::string& testo, int priorita) {
    if (!p.contiene(metro)) return;
    const tipo_segno& t = segno(chiave);
    const punto_svg s = p.a_metro(metro);
    disegna_forma(d, t.forma, s, chiave == "stazione" ? 5.5 : 4.5, t.colore);
    posti.occupa({s.x - 5, s.y - 5, 10, 10});
    usati.insert(std::string(chiave));
    if (!testo.empty()) etichette.push_back({s, testo, std::string(t.colore), priorita});
  };
  for (const evento_letto& e : r.eventi) {
    const std::string_view chiave = chiave_evento(e);
    // The stop point sits inside the station's own mark's label; the cells
    // before a warning and the mountain markers are too fine at this scale.
    if (chiave == "fermata" || chiave == "prima_avviso" || chiave == "segno_montagna") continue;
    const int priorita = chiave == "cartello" ? 2 : chiave == "indicatore" ? 3 : chiave == "segnale" ? 4 : 5;
    marca(e.metri, chiave, etichetta_evento(e), priorita);
  }
  for (const stazione_letta& s : r.stazioni) marca(s.progressiva, "stazione", s.nome, s.capolinea || s.orario ? 0 : 1);
  marca(lunghezza, "fine_linea", "fine linea", 0);
  for (const curva_letta& c : curve_della_linea(p.linea)) {
    const double mezzo = (c.da + c.a) / 2.0;
    etichette.push_back({p.a_metro(mezzo), "R " + std::to_string(std::lround(c.raggio)), "#666666", 6});
  }
  scrivi_etichette(d, posti, std::move(etichette));
  return {usati.begin(), usati.end()};
}

// A bar of a round length about 120 pixels long, under the plan's left corner.
void disegna_scala(disegno_svg& d, const pianta& p, double y) {
  const double metri = passo_tondo(120 / p.scala, 1);
  const double lungo = metri * p.scala;
  d.polilinea({{sinistra, y - 5}, {sinistra, y}, {sinistra + lungo, y}, {sinistra + lungo, y - 5}},
              "fill:none;stroke:#222;stroke-width:2");
  const std::string testo = metri >= 1000 ? std::to_string(std::lround(metri / 1000)) + " km"
                                          : std::to_string(std::lround(metri)) + " m";
  d.testo({sinistra + 4, y - 6}, testo, "font-size:11px");
  d.poligono({{larghezza - 40, y - 22}, {larghezza - 35, y - 8}, {larghezza - 45, y - 8}}, "fill:#222");
  d.testo({larghezza - 40, y + 4}, "N", "font-size:10px;text-anchor:middle");
}

// ---- the legend -------------------------------------------------------------

// The kinds drawn, then the profiles' lines; wrapped into rows. Returns the height.
double disegna_legenda(disegno_svg& d, const std::vector<std::string>& usati, double alto) {
  double x = sinistra, y = alto + 8;
  const auto voce = [&](const std::string& nome, auto&& icona) {
    const double largo = 22 + larghezza_testo(nome, 10) * 0.9 + 14;
    if (x + largo > larghezza - 20) {
      x = sinistra;
      y += 17;
    }
    icona(punto_svg{x + 7, y});
    d.testo({x + 18, y + 4}, nome, "font-size:10px;fill:#333");
    x += largo;
  };
  for (const tipo_segno& t : tipi_segno()) {
    if (std::find(usati.begin(), usati.end(), t.chiave) == usati.end()) continue;
    voce(std::string(t.nome), [&](punto_svg p) { disegna_forma(d, t.forma, p, 4.5, t.colore); });
  }
  const std::pair<const char*, const char*> linee[] = {
      {"#a05a00", "pendenza"}, {"#007000", "velocit\xE0 limite"}, {"#c0007a", "rallentamento"}};
  for (const auto& linea : linee) {
    const std::string stile = "stroke:" + std::string(linea.first) + ";stroke-width:2";
    voce(linea.second, [&](punto_svg p) { d.linea({p.x - 7, p.y}, {p.x + 7, p.y}, stile); });
  }
  voce("stazione (nei profili)", [&](punto_svg p) {
    d.linea({p.x, p.y - 6}, {p.x, p.y + 6}, "stroke:#999;stroke-dasharray:3,2");
  });
  voce("R: raggio di curva", [&](punto_svg p) { d.testo({p.x - 6, p.y + 4}, "R", "font-size:10px;fill:#666"); });
  return y - alto + 12;
}

// ---- the profiles -----------------------------------------------------------

// The profile's runs within the stretch, as steps; `y` maps a value to pixels.
template <typename F>
std::vector<punto_svg> gradini(const std::vector<tratto>& tratti, const asse_linea& asse, F y) {
  std::vector<punto_svg> punti;
  for (const tratto& t : tratti) {
    if (t.a <= asse.da || t.da >= asse.a) continue;
    punti.push_back({asse.x(std::max<double>(t.da, asse.da)), y(t.valore)});
    punti.push_back({asse.x(std::min<double>(t.a, asse.a)), y(t.valore)});
  }
  return punti;
}

std::int32_t massimo_assoluto(const std::vector<tratto>& tratti, const asse_linea& asse, std::int32_t almeno) {
  std::int32_t m = almeno;
  for (const tratto& t : tratti) {
    if (t.a > asse.da && t.da < asse.a) m = std::max(m, std::abs(t.valore));
  }
  return m;
}

// The frame, the stations' dashed lines, the round values from `basso` to `alto_valore`.
template <typename F>
void cornice(disegno_svg& d, const resoconto& r, const asse_linea& asse, double alto, const std::string& titolo,
             double basso, double alto_valore, F y) {
  d.rettangolo(sinistra, alto, utile, alto_profilo, "fill:#f9f9f9;stroke:#999");
  for (const double v : multipli(basso, alto_valore, passo_tondo(alto_valore - basso, 5))) {
    d.linea({sinistra, y(v)}, {sinistra + utile, y(v)}, v == 0 ? "stroke:#888" : "stroke:#e2e2e2");
    d.testo({sinistra - 6, y(v) + 4}, std::to_string(std::lround(v)), "font-size:10px;text-anchor:end");
  }
  for (const stazione_letta& s : r.stazioni) {
    if (!asse.contiene(s.progressiva)) continue;
    d.linea({asse.x(s.progressiva), alto}, {asse.x(s.progressiva), alto + alto_profilo},
            "stroke:#aaa;stroke-dasharray:3,3");
  }
  d.testo({sinistra, alto - 6}, titolo, "font-size:12px");
}

void disegna_pendenze(disegno_svg& d, const resoconto& r, const asse_linea& asse, double alto) {
  const double limite = passo_tondo(massimo_assoluto(r.pendenze, asse, 5), 1) * 1.0;
  const double tetto = std::ceil(massimo_assoluto(r.pendenze, asse, 5) / limite) * limite;
  const double mezzo = alto + alto_profilo / 2;
  const double scala = (alto_profilo / 2 - 6) / tetto;
  const auto y = [&](double v) { return mezzo - v * scala; };
  cornice(d, r, asse, alto, "pendenza (per mille)", -tetto, tetto, y);
  d.polilinea(gradini(r.pendenze, asse, y), "fill:none;stroke:#a05a00;stroke-width:1.5");
}

void disegna_velocita(disegno_svg& d, const resoconto& r, const asse_linea& asse, double alto) {
  const double passo = passo_tondo(massimo_assoluto(r.velocita, asse, 50), 5);
  const double tetto = std::ceil(massimo_assoluto(r.velocita, asse, 50) / passo) * passo;
  const double base = alto + alto_profilo;
  const double scala = (alto_profilo - 8) / tetto;
  const auto y = [&](double v) { return base - v * scala; };
  cornice(d, r, asse, alto, "velocit\xE0 limite e rallentamenti (km/h)", 0, tetto, y);
  d.polilinea(gradini(r.velocita, asse, y), "fill:none;stroke:#007000;stroke-width:1.5");
  for (const rallentamento_letto& s : rallentamenti_di(r)) {
    if (s.a <= asse.da || s.da >= asse.a) continue;
    const double x1 = asse.x(s.da), x2 = std::max(asse.x(s.a), x1 + 1);
    // A step down from the limit in force where the slowdown starts.
    const auto limite = std::find_if(r.velocita.begin(), r.velocita.end(),
                                     [&](const tratto& t) { return s.da >= t.da && s.da < t.a; });
    const double sopra = y(limite != r.velocita.end() ? limite->valore : s.v);
    d.rettangolo(x1, std::min(sopra, y(s.v)), x2 - x1, std::abs(sopra - y(s.v)), "fill:#c0007a;opacity:0.12");
    d.polilinea({{x1, sopra}, {x1, y(s.v)}, {x2, y(s.v)}, {x2, sopra}}, "fill:none;stroke:#c0007a;stroke-width:2");
    d.testo({x2 + 3, y(s.v) + 4}, std::to_string(s.v), "font-size:10px;fill:#c0007a");
  }
}

// Ticks at round kilometres of the line, labelled with the kilometre and the metres.
void disegna_chilometri(disegno_svg& d, const asse_linea& asse, const progressiva_linea& progressiva, double alto) {
  const double passo = passo_tondo(asse.a - asse.da, 10);
  d.linea({sinistra, alto}, {sinistra + utile, alto}, "stroke:#333");
  double fine_ultima = -1e9;
  for (const auto& [metri, km] : progressiva.tacche(asse.da, asse.a, passo)) {
    const double x = asse.x(metri);
    d.linea({x, alto}, {x, alto + 6}, "stroke:#333");
    const std::string testo = passo >= 1000 ? "km " + std::to_string(std::lround(km / 1000)) : "km " + scrivi_progressiva(km);
    // Where the chainage jumps two ticks can stand close: the second keeps its tick, not its label.
    const double mezza = larghezza_testo(testo, 11) / 2;
    if (x - mezza < fine_ultima + 6) continue;
    fine_ultima = x + mezza;
    d.testo({x, alto + 19}, testo, "font-size:11px;text-anchor:middle");
    d.testo({x, alto + 32}, std::to_string(std::lround(metri)) + " m", "font-size:9px;fill:#666;text-anchor:middle");
  }
}

}  // namespace

std::string componi_svg(const resoconto& r, const formato::tracciato& punti,
                        const std::optional<vista_linea>& vista) {
  const double lunghezza = lunghezza_mostrata(r);
  const asse_linea asse = vista ? asse_linea{vista->da, vista->a} : asse_linea{0, std::max(lunghezza, 1.0)};
  const progressiva_linea progressiva(r.testa.progressive);
  const double alto_pianta = 70;
  const std::int32_t ultimo = r.con_tracciato && punti.assegnati >= 2 ? ultimo_metro(punti, r.testa.lunghezza_linea) : -1;
  const bool con_pianta = ultimo >= 1 && asse.da <= ultimo;
  pianta p;
  if (con_pianta) p = prepara_pianta(punti, ultimo, asse, alto_pianta);

  disegno_svg d(larghezza, 0);
  d.testo({sinistra, 26}, "Scenario " + r.testa.nome_base + ", treno " + r.testa.codice_treno,
          "font-size:16px;font-weight:bold");
  d.testo({sinistra, 46},
          "dal km " + scrivi_progressiva(progressiva.a_metri(asse.da)) + " al km " +
              scrivi_progressiva(progressiva.a_metri(asse.a)) + " (da " + std::to_string(std::lround(asse.da)) +
              " a " + std::to_string(std::lround(asse.a)) + " m)",
          "font-size:12px;fill:#555");
  std::vector<std::string> usati{"stazione"};
  const double fine_pianta = alto_pianta + (con_pianta ? p.altezza : 20.0) + 28;
  if (con_pianta) {
    usati = disegna_pianta(d, p, r, lunghezza);
    disegna_scala(d, p, fine_pianta - 8);
  } else {
    d.testo({sinistra, alto_pianta + 14}, "tracciato assente", "font-size:12px;fill:#666");
  }
  const double alto_pendenze = fine_pianta + disegna_legenda(d, usati, fine_pianta) + 30;
  const double alto_velocita = alto_pendenze + alto_profilo + 40;
  const double alto_asse = alto_velocita + alto_profilo;
  disegna_pendenze(d, r, asse, alto_pendenze);
  disegna_velocita(d, r, asse, alto_velocita);
  disegna_chilometri(d, asse, progressiva, alto_asse);
  d.cambia_altezza(alto_asse + 45);
  return d.chiudi();
}

}  // namespace strumenti
