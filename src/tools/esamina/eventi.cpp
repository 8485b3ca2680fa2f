#include "tools/esamina/eventi.h"

#include "formato/valori_cella.h"

namespace strumenti {
namespace {

namespace ev = formato::evento;

void valori_segnale(const formato::cella& c, std::vector<valore_evento>& v) {
  const formato::valori_segnale s = formato::spacchetta_segnale(c);
  v = {{"s1", s.s1}, {"d1", s.d1}, {"s2", s.s2}, {"d2", s.d2}, {"s3", s.s3},
       {"d3", s.d3}, {"rapp", s.rapp}, {"sx", s.sx}, {"dx", s.dx}, {"tempo", s.tempo}};
}

void valori_indicatore(const formato::cella& c, std::vector<valore_evento>& v) {
  const formato::valori_indicatore i = formato::spacchetta_indicatore(c);
  v = {{"vas", i.vas}, {"vbs", i.vbs}, {"vcs", i.vcs}, {"strisces", i.strisces},
       {"vad", i.vad}, {"vbd", i.vbd}, {"vcd", i.vcd}, {"strisced", i.strisced}};
}

// The text of the table entry an event points at, if it is a valid entry.
std::string nome_in_tabella(std::int32_t indice, const std::array<formato::voce, formato::voci_tabella>& tabella) {
  if (indice < 0 || indice >= formato::voci_tabella) return {};
  return tabella[static_cast<std::size_t>(indice)].nome;
}

}  // namespace

std::string_view nome_evento(std::uint8_t codice) {
  switch (codice) {
    case ev::nessuno: return "nessuno";
    case ev::segnale: return "segnale";
    case ev::fine_rallentamento: return "fine rallentamento";
    case ev::inizio_rallentamento: return "inizio rallentamento";
    case ev::avviso_rallentamento: return "avviso rallentamento";
    case ev::prima_avviso: return "prima dell'avviso";
    case ev::indicatore_v_max: return "indicatore velocit\xE0 massima";
    case ev::fermata: return "fermata";
    case ev::segno_montagna: return "segno montagna";
    case ev::abbattimento: return "abbattimento";
    case ev::abbattimento_senza_valore: return "abbattimento senza valore";
    case ev::cartello_indicatore: return "cartello indicatore";
    default: return "evento sconosciuto";
  }
}

evento_letto decodifica_evento(std::int32_t indice, const formato::cella& c,
                               const std::array<formato::voce, formato::voci_tabella>& tabella) {
  evento_letto e;
  e.cella = indice;
  e.metri = std::int64_t{indice} * 50;
  e.codice = c.evento;
  e.nome = nome_evento(c.evento);
  e.dati = {c.dato1, c.dato2, c.dato3, c.dato4};
  e.tempo_segnale = c.tempo_segnale;
  auto& v = e.valori;
  switch (c.evento) {
    case ev::segnale: valori_segnale(c, v); break;
    case ev::fine_rallentamento:
    case ev::inizio_rallentamento: v = {{"v", c.dato1}, {"d_v", c.dato2}, {"f_tt", c.dato3}}; break;
    case ev::avviso_rallentamento: v = {{"v", c.dato1}, {"d_v", c.dato2}}; break;
    case ev::prima_avviso: v = {{"numero", c.dato1}, {"numero_d_v", c.dato2}}; break;
    case ev::indicatore_v_max: valori_indicatore(c, v); break;
    case ev::fermata:
      v = {{"stazione", c.dato1}};
      e.testo = nome_in_tabella(c.dato1, tabella);
      break;
    case ev::segno_montagna:
    case ev::abbattimento_senza_valore: break;
    case ev::abbattimento: v = {{"valore", c.dato1}}; break;
    case ev::cartello_indicatore:
      v = {{"voce", c.dato1}};
      e.testo = nome_in_tabella(c.dato1, tabella);
      break;
    default: v = {{"dato1", c.dato1}, {"dato2", c.dato2}, {"dato3", c.dato3}, {"dato4", c.dato4}}; break;
  }
  return e;
}

}  // namespace strumenti
