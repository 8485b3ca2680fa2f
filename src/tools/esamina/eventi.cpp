#include "tools/esamina/eventi.h"

namespace strumenti {
namespace {

namespace ev = compilatore::evento;

// A signal packs two digits per field: the aspect times ten plus the second digit.
void aggiungi_coppia(std::vector<valore_evento>& v, const char* alto, const char* basso, std::int32_t dato) {
  v.push_back({alto, dato / 10});
  v.push_back({basso, dato % 10});
}

void valori_segnale(const compilatore::cella& c, std::vector<valore_evento>& v) {
  aggiungi_coppia(v, "s1", "d1", c.dato1);
  aggiungi_coppia(v, "s2", "d2", c.dato2);
  aggiungi_coppia(v, "s3", "d3", c.dato3);
  // dato4 = rapp x 10 + sx x 3 + dx, with dx below 3.
  v.push_back({"rapp", c.dato4 / 10});
  v.push_back({"sx", c.dato4 % 10 / 3});
  v.push_back({"dx", c.dato4 % 10 % 3});
  v.push_back({"tempo", c.tempo_segnale});
}

// A speed board packs the right speed / 5 plus the left speed x 20; the
// speeds are whole multiples of 5 km/h, so the hundreds are the left speed / 5.
void valori_indicatore(const compilatore::cella& c, std::vector<valore_evento>& v) {
  v.push_back({"vas", c.dato1 / 100 * 5});
  v.push_back({"vbs", c.dato2 / 100 * 5});
  v.push_back({"vcs", c.dato3 / 100 * 5});
  v.push_back({"strisces", c.dato4 / 10});
  v.push_back({"vad", c.dato1 % 100 * 5});
  v.push_back({"vbd", c.dato2 % 100 * 5});
  v.push_back({"vcd", c.dato3 % 100 * 5});
  v.push_back({"strisced", c.dato4 % 10});
}

// The text of the table entry an event points at, if it is a valid entry.
std::string nome_in_tabella(std::int32_t indice,
                            const std::array<compilatore::voce, compilatore::voci_tabella>& tabella) {
  if (indice < 0 || indice >= compilatore::voci_tabella) return {};
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

evento_letto decodifica_evento(std::int32_t indice, const compilatore::cella& c,
                               const std::array<compilatore::voce, compilatore::voci_tabella>& tabella) {
  evento_letto e;
  e.cella = indice;
  e.metri = indice * 50;
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
