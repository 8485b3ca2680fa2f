#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace strumenti {

struct punto_svg {
  double x = 0.0;
  double y = 0.0;
};

// Plain SVG text, element by element; coordinates in pixels, y downward.
class disegno_svg {
 public:
  disegno_svg(double larghezza, double altezza);

  // For a picture whose height is known only once it is drawn.
  void cambia_altezza(double altezza) { altezza_ = altezza; }

  void rettangolo(double x, double y, double larghezza, double altezza, std::string_view stile);
  void linea(punto_svg da, punto_svg a, std::string_view stile);
  void polilinea(const std::vector<punto_svg>& punti, std::string_view stile);
  void poligono(const std::vector<punto_svg>& punti, std::string_view stile);
  void cerchio(punto_svg centro, double raggio, std::string_view stile);
  // `testo` is single-byte scenario text; it is escaped here.
  void testo(punto_svg dove, std::string_view testo, std::string_view stile);

  std::string chiudi();

 private:
  void elenco_punti(std::string_view elemento, const std::vector<punto_svg>& punti, std::string_view stile);

  double larghezza_;
  double altezza_;
  std::string svg_;
};

}  // namespace strumenti
