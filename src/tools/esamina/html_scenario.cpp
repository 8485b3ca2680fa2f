#include "tools/esamina/html_scenario.h"

#include <string_view>

#include "tools/esamina/codifica.h"
#include "tools/esamina/dati_pagina.h"
#include "tools/esamina/risorse_pagina.h"

namespace strumenti {
namespace {

// The page's text with an HTML-safe copy of `testo` (UTF-8 already).
std::string per_html(std::string_view testo) {
  std::string out;
  for (const char c : testo) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

// A "<" inside a script element can end it ("</script") or change how it is
// parsed ("<!--"); in JSON it stands only in strings, where "\u003c" says the same.
std::string per_script(std::string_view json) {
  std::string out;
  out.reserve(json.size());
  for (const char c : json) {
    if (c == '<') {
      out += "\\u003c";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void sostituisci(std::string& pagina, std::string_view segnaposto, std::string_view testo) {
  for (std::size_t dove = pagina.find(segnaposto); dove != std::string::npos;
       dove = pagina.find(segnaposto, dove + testo.size())) {
    pagina.replace(dove, segnaposto.size(), testo);
  }
}

}  // namespace

std::string componi_html(const resoconto& r, const formato::tracciato& punti,
                         const std::optional<vista_linea>& vista) {
  std::string pagina(risorse::pagina_html);
  const std::string titolo =
      per_html(in_utf8("Scenario " + r.testa.nome_base + ", treno " + r.testa.codice_treno));
  // The data last: no placeholder inside it may be replaced.
  sostituisci(pagina, "{{TITOLO}}", titolo);
  sostituisci(pagina, "{{LICENZA}}", per_html(risorse::licenza_uplot));
  sostituisci(pagina, "{{STILE}}", std::string(risorse::uplot_css) + "\n" + std::string(risorse::pagina_css));
  sostituisci(pagina, "{{CODICE}}", std::string(risorse::uplot_js) + "\n" + std::string(risorse::pagina_js));
  sostituisci(pagina, "{{DATI}}", per_script(componi_dati_pagina(r, punti, vista)));
  return pagina;
}

}  // namespace strumenti
