#include "tools/esamina/disegno_svg.h"

#include <cstdio>

#include "tools/esamina/codifica.h"

namespace strumenti {
namespace {

// One decimal is a tenth of a pixel: enough, and keeps the file small.
std::string numero(double v) {
  char testo[32];
  std::snprintf(testo, sizeof testo, "%.1f", v);
  return testo;
}

std::string coppia(punto_svg p) { return numero(p.x) + "," + numero(p.y); }

}  // namespace

disegno_svg::disegno_svg(double larghezza, double altezza) : larghezza_(larghezza), altezza_(altezza) {}

void disegno_svg::rettangolo(double x, double y, double larghezza, double altezza, std::string_view stile) {
  svg_ += "<rect x=\"" + numero(x) + "\" y=\"" + numero(y) + "\" width=\"" + numero(larghezza) + "\" height=\"" +
          numero(altezza) + "\" style=\"" + std::string(stile) + "\"/>\n";
}

void disegno_svg::linea(punto_svg da, punto_svg a, std::string_view stile) {
  svg_ += "<line x1=\"" + numero(da.x) + "\" y1=\"" + numero(da.y) + "\" x2=\"" + numero(a.x) + "\" y2=\"" +
          numero(a.y) + "\" style=\"" + std::string(stile) + "\"/>\n";
}

void disegno_svg::polilinea(const std::vector<punto_svg>& punti, std::string_view stile) {
  elenco_punti("polyline", punti, stile);
}

void disegno_svg::poligono(const std::vector<punto_svg>& punti, std::string_view stile) {
  elenco_punti("polygon", punti, stile);
}

void disegno_svg::elenco_punti(std::string_view elemento, const std::vector<punto_svg>& punti, std::string_view stile) {
  if (punti.empty()) return;
  svg_ += '<';
  svg_ += elemento;
  svg_ += " style=\"";
  svg_ += stile;
  svg_ += "\" points=\"";
  for (std::size_t i = 0; i < punti.size(); ++i) {
    if (i > 0) svg_ += ' ';
    svg_ += coppia(punti[i]);
  }
  svg_ += "\"/>\n";
}

void disegno_svg::cerchio(punto_svg centro, double raggio, std::string_view stile) {
  svg_ += "<circle cx=\"" + numero(centro.x) + "\" cy=\"" + numero(centro.y) + "\" r=\"" + numero(raggio) +
          "\" style=\"" + std::string(stile) + "\"/>\n";
}

void disegno_svg::testo(punto_svg dove, std::string_view testo, std::string_view stile) {
  svg_ += "<text x=\"" + numero(dove.x) + "\" y=\"" + numero(dove.y) + "\" style=\"" + std::string(stile) + "\">" +
          per_xml(testo) + "</text>\n";
}

std::string disegno_svg::chiudi() {
  const std::string l = numero(larghezza_);
  const std::string a = numero(altezza_);
  std::string elementi = std::move(svg_);
  svg_.clear();
  rettangolo(0, 0, larghezza_, altezza_, "fill:white");
  std::string testa = "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
  for (const std::string& pezzo : {l, std::string("\" height=\""), a, std::string("\" viewBox=\"0 0 "), l,
                                   std::string(" "), a, std::string("\" font-family=\"sans-serif\">\n"), svg_, elementi}) {
    testa += pezzo;
  }
  return testa + "</svg>\n";
}

}  // namespace strumenti
