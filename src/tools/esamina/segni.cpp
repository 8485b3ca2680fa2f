#include "tools/esamina/segni.h"

#include <array>
#include <stdexcept>

namespace strumenti {
namespace {

namespace ev = formato::evento;

constexpr std::array<tipo_segno, 16> tipi = {{
    {"stazione", "stazione e sua area", "#0654b0", "cerchio"},
    {"fermata", "punto di fermata", "#0654b0", "barra"},
    {"segnale", "segnale (etichetta s1/d1)", "#d01010", "segnale"},
    {"indicatore", "indicatore di velocit\xE0 massima", "#e07000", "rombo"},
    {"cartello", "cartello chilometrico o di testo", "#444444", "quadrato"},
    {"avviso", "avviso di rallentamento", "#c0007a", "triangolo_vuoto"},
    {"prima_avviso", "celle prima dell'avviso", "#c0007a", "punto"},
    {"inizio_rallentamento", "inizio rallentamento", "#c0007a", "triangolo"},
    {"fine_rallentamento", "fine rallentamento", "#c0007a", "triangolo_giu"},
    {"galleria", "montagna (galleria)", "#8a5a2b", "fascia"},
    {"segno_montagna", "segno in montagna", "#8a5a2b", "punto"},
    {"abbattimento", "abbattimento", "#008080", "croce"},
    {"abbattimento_180", "abbattimento 180 (i punti aggiunti dal compilatore)", "#00a0a0", "croce"},
    {"abbattimento_senza_valore", "abbattimento senza valore", "#008080", "croce_vuota"},
    {"fine_linea", "fine della linea", "#000000", "fine"},
    {"sconosciuto", "evento sconosciuto", "#888888", "quadrato"},
}};

// The value of the points the grid post-processing adds around slowdowns.
constexpr std::int32_t valore_aggiunto = 180;

}  // namespace

std::int32_t valore_di(const evento_letto& e, std::string_view nome) {
  for (const valore_evento& v : e.valori) {
    if (v.nome == nome) return v.numero;
  }
  return 0;
}

std::span<const tipo_segno> tipi_segno() { return tipi; }

const tipo_segno& segno(std::string_view chiave) {
  for (const tipo_segno& t : tipi) {
    if (t.chiave == chiave) return t;
  }
  throw std::out_of_range("tipo di segno sconosciuto");
}

std::string_view chiave_evento(const evento_letto& e) {
  switch (e.codice) {
    case ev::segnale: return "segnale";
    case ev::fine_rallentamento: return "fine_rallentamento";
    case ev::inizio_rallentamento: return "inizio_rallentamento";
    case ev::avviso_rallentamento: return "avviso";
    case ev::prima_avviso: return "prima_avviso";
    case ev::indicatore_v_max: return "indicatore";
    case ev::fermata: return "fermata";
    case ev::segno_montagna: return "segno_montagna";
    case ev::abbattimento:
      return valore_di(e, "valore") == valore_aggiunto ? "abbattimento_180" : "abbattimento";
    case ev::abbattimento_senza_valore: return "abbattimento_senza_valore";
    case ev::cartello_indicatore: return "cartello";
    default: return "sconosciuto";
  }
}

std::string etichetta_evento(const evento_letto& e) {
  const auto n = [&](std::string_view nome) { return std::to_string(valore_di(e, nome)); };
  switch (e.codice) {
    case ev::segnale: return n("s1") + "/" + n("d1");
    case ev::indicatore_v_max: return n("vas") + "/" + n("vbs") + "/" + n("vcs");
    case ev::inizio_rallentamento:
    case ev::avviso_rallentamento: return n("v");
    case ev::abbattimento: return n("valore");
    case ev::cartello_indicatore:
    case ev::fermata: return e.testo;
    default: return {};
  }
}

}  // namespace strumenti
