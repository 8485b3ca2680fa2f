#pragma once

#include <string_view>

// The page's own files and the charting library, built into the program so
// that the page it writes needs nothing else.
namespace strumenti::risorse {

extern const std::string_view pagina_html;
extern const std::string_view pagina_css;
extern const std::string_view pagina_js;
extern const std::string_view uplot_js;
extern const std::string_view uplot_css;
extern const std::string_view licenza_uplot;

}  // namespace strumenti::risorse
