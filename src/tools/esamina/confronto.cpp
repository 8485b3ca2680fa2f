#include "tools/esamina/confronto.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <utility>

#include "formato/campi_in_testo.h"
#include "formato/voci.h"
#include "tools/esamina/eventi.h"
#include "tools/esamina/resoconto.h"

namespace strumenti {
namespace {

using formato::cella;
using formato::voce;

// What the header entries' fields mean; any other field is named by entry and field.
std::string nome_campo(int v, std::string_view campo) {
  static const std::map<std::pair<int, std::string_view>, const char*> nomi = {
      {{formato::voce_lunghezza, "inizio"}, "massa frenata"},
      {{formato::voce_lunghezza, "fine"}, "lunghezza della linea"},
      {{formato::voce_lunghezza, "progressiva"}, "vetture"},
      {{formato::voce_nome_base, "inizio"}, "sfondo uno"},
      {{formato::voce_nome_base, "progressiva"}, "sfondo due"},
      {{formato::voce_nome_base, "fine"}, "sfondo tre"},
      {{formato::voce_nome_base, "nome"}, "nome base"},
      {{formato::voce_nome_base, "gruppo_a1"}, "segnaposto della tabella"},
      {{formato::voce_nome_base, "orario"}, "codice di identificazione della tabella"},
      {{formato::voce_ripetizione, "inizio"}, "inizio della ripetizione segnali"},
      {{formato::voce_ripetizione, "fine"}, "fine della ripetizione segnali"},
      {{formato::voce_ripetizione, "progressiva"}, "codici della ripetizione segnali"},
      {{formato::voce_ripetizione, "nome"}, "codice treno"},
      {{formato::voce_ripetizione, "gruppo_a1"}, "sabbia"},
      {{formato::voce_ripetizione, "gruppo_b1"}, "orologio, ore"},
      {{formato::voce_ripetizione, "gruppo_b2"}, "orologio, minuti"},
      {{formato::voce_ripetizione, "gruppo_b3"}, "orologio, secondi"},
  };
  const auto trovato = nomi.find({v, campo});
  if (trovato != nomi.end()) return trovato->second;
  if (v >= formato::voce_progressiva_tre && v <= formato::voce_progressiva_uno) {
    const char* parte = campo == "inizio"        ? "da"
                        : campo == "fine"        ? "valore"
                        : campo == "progressiva" ? "flag"
                                                 : nullptr;
    if (parte != nullptr) return "progressiva (voce " + std::to_string(v) + "), " + parte;
  }
  return "voce " + std::to_string(v) + ", " + std::string(campo);
}

// "a -> b" for each field that differs, named by `nome`.
std::vector<std::string> campi_diversi(const voce& a, const voce& b,
                                       const std::function<std::string(std::string_view)>& nome) {
  const auto x = formato::campi_in_testo(a);
  const auto y = formato::campi_in_testo(b);
  std::vector<std::string> righe;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x[i].second == y[i].second) continue;
    std::string da = x[i].second;
    std::string a_ = y[i].second;
    if (x[i].first == "orario") {
      da = ora_del_giorno(a.orario);
      a_ = ora_del_giorno(b.orario);
    }
    std::string riga = nome(x[i].first);
    riga.append(": ").append(da).append(" -> ").append(a_);
    righe.push_back(std::move(riga));
  }
  return righe;
}

sezione_confronto voci_intestazione(const scenario_letto& p, const scenario_letto& d) {
  sezione_confronto s{"Intestazione", {}};
  if (p.celle.size() != d.celle.size()) {
    s.righe.push_back("celle: " + std::to_string(p.celle.size()) + " -> " + std::to_string(d.celle.size()));
  }
  for (int v : {0, formato::voce_progressiva_tre, formato::voce_progressiva_due, formato::voce_progressiva_uno,
                formato::voce_lunghezza, formato::voce_nome_base, formato::voce_ripetizione}) {
    const auto i = static_cast<std::size_t>(v);
    for (std::string& r :
         campi_diversi(p.tabella[i], d.tabella[i], [v](std::string_view c) { return nome_campo(v, c); })) {
      s.righe.push_back(std::move(r));
    }
  }
  return s;
}

// A station's or a board's fields as the description names them.
std::string nome_in_voce(std::string_view campo) {
  static const std::map<std::string_view, const char*> nomi = {
      {"tipo_stazione", "tipo"}, {"inizio", "inizio area"}, {"fine", "fine area"}, {"progressiva", "posizione"}};
  const auto trovato = nomi.find(campo);
  return trovato != nomi.end() ? trovato->second : std::string(campo);
}

// Entries 1 to 80: stations from the first, kilometre boards from the last,
// each named by its text.
sezione_confronto stazioni_e_cartelli(const scenario_letto& p, const scenario_letto& d) {
  sezione_confronto s{"Stazioni e cartelli", {}};
  for (int v = formato::voce_prima_stazione; v <= formato::voce_primo_cartello; ++v) {
    const auto i = static_cast<std::size_t>(v);
    const voce& a = p.tabella[i];
    const voce& b = d.tabella[i];
    std::vector<std::string> righe = campi_diversi(a, b, nome_in_voce);
    if (righe.empty()) continue;
    std::string riga = "voce " + std::to_string(v) + " '" + a.nome + "'";
    if (a.nome != b.nome) {
      riga += " -> '" + b.nome + "'";
      std::erase_if(righe, [](const std::string& r) { return r.rfind("nome: ", 0) == 0; });
    }
    for (std::size_t k = 0; k < righe.size(); ++k) riga += (k > 0 ? ", " : ": ") + righe[k];
    s.righe.push_back(riga);
  }
  return s;
}

const cella& cella_di(const scenario_letto& s, std::size_t i) {
  static const cella vuota{};
  return i < s.celle.size() ? s.celle[i] : vuota;
}

std::string evento_in_testo(std::int32_t i, const cella& c, const scenario_letto& s) {
  if (c.evento == formato::evento::nessuno) return "nessuno";
  const evento_letto e = decodifica_evento(i, c, s.tabella);
  std::string testo = e.nome;
  const char* separatore = " (";
  for (const valore_evento& v : e.valori) {
    testo += separatore + v.nome + " " + std::to_string(v.numero);
    separatore = ", ";
  }
  if (!e.valori.empty()) testo += ")";
  if (!e.testo.empty()) testo += " '" + e.testo + "'";
  return testo;
}

std::string dati_grezzi(const cella& c) {
  return "dati " + std::to_string(c.dato1) + " " + std::to_string(c.dato2) + " " + std::to_string(c.dato3) + " " +
         std::to_string(c.dato4) + " " + std::to_string(c.tempo_segnale);
}

bool stesso_evento(const cella& a, const cella& b) {
  return a.evento == b.evento && a.dato1 == b.dato1 && a.dato2 == b.dato2 && a.dato3 == b.dato3 && a.dato4 == b.dato4 &&
         a.tempo_segnale == b.tempo_segnale;
}

std::string dove(std::size_t i) { return "cella " + std::to_string(i) + ", " + std::to_string(i * 50) + " m"; }

sezione_confronto eventi(const scenario_letto& p, const scenario_letto& d) {
  sezione_confronto s{"Eventi", {}};
  const std::size_t n = std::max(p.celle.size(), d.celle.size());
  for (std::size_t i = 0; i < n; ++i) {
    const cella& a = cella_di(p, i);
    const cella& b = cella_di(d, i);
    if (stesso_evento(a, b)) continue;
    const auto indice = static_cast<std::int32_t>(i);
    std::string da = evento_in_testo(indice, a, p);
    std::string a_ = evento_in_testo(indice, b, d);
    // Fields the decoded event does not show.
    if (da == a_) {
      da += ", " + dati_grezzi(a);
      a_ += ", " + dati_grezzi(b);
    }
    std::string riga = dove(i);
    riga.append(": ").append(da).append(" -> ").append(a_);
    s.righe.push_back(std::move(riga));
  }
  return s;
}

sezione_confronto preavvisi(const scenario_letto& p, const scenario_letto& d) {
  sezione_confronto s{"Codici di preavviso", {}};
  const std::size_t n = std::max(p.celle.size(), d.celle.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int a = cella_di(p, i).preavviso;
    const int b = cella_di(d, i).preavviso;
    if (a != b) s.righe.push_back(dove(i) + ": " + std::to_string(a) + " -> " + std::to_string(b));
  }
  return s;
}

// Runs of consecutive cells whose value changed the same way.
sezione_confronto tratti(const char* titolo, const scenario_letto& p, const scenario_letto& d,
                         std::int32_t (*valore)(const cella&), const char* unita) {
  sezione_confronto s{titolo, {}};
  const std::size_t n = std::max(p.celle.size(), d.celle.size());
  for (std::size_t i = 0; i < n;) {
    const std::int32_t a = valore(cella_di(p, i));
    const std::int32_t b = valore(cella_di(d, i));
    std::size_t fine = i + 1;
    while (fine < n && valore(cella_di(p, fine)) == a && valore(cella_di(d, fine)) == b) ++fine;
    if (a != b) {
      s.righe.push_back(std::to_string(i * 50) + " - " + std::to_string(fine * 50) + " m (celle " + std::to_string(i) +
                        "-" + std::to_string(fine - 1) + "): " + std::to_string(a) + " -> " + std::to_string(b) +
                        unita);
    }
    i = fine;
  }
  return s;
}

bool stesso_punto(const formato::tracciato& a, const formato::tracciato& b, std::size_t m) {
  return a.tipo_di(static_cast<std::int32_t>(m)) == b.tipo_di(static_cast<std::int32_t>(m)) &&
         std::bit_cast<std::uint64_t>(a.x[m]) == std::bit_cast<std::uint64_t>(b.x[m]) &&
         std::bit_cast<std::uint64_t>(a.y[m]) == std::bit_cast<std::uint64_t>(b.y[m]);
}

sezione_confronto tracciato(const scenario_letto& p, const scenario_letto& d) {
  sezione_confronto s{"Tracciato", {}};
  const auto presente = [](const scenario_letto& l) { return l.con_tracciato ? "presente" : "assente"; };
  if (p.con_tracciato != d.con_tracciato) {
    s.righe.push_back(std::string(presente(p)) + " -> " + presente(d));
    return s;
  }
  if (p.punti.x.size() != d.punti.x.size() || p.punti.assegnati != d.punti.assegnati) {
    s.righe.push_back(std::to_string(p.punti.x.size()) + " punti, " + std::to_string(p.punti.assegnati) +
                      " calcolati -> " + std::to_string(d.punti.x.size()) + " punti, " +
                      std::to_string(d.punti.assegnati) + " calcolati");
  }
  const std::size_t n = std::min(p.punti.x.size(), d.punti.x.size());
  std::size_t diversi = 0;
  std::size_t primo = 0;
  std::size_t ultimo = 0;
  double scarto = 0;
  for (std::size_t m = 0; m < n; ++m) {
    if (stesso_punto(p.punti, d.punti, m)) continue;
    if (diversi++ == 0) primo = m;
    ultimo = m;
    scarto = std::max(scarto, std::hypot(p.punti.x[m] - d.punti.x[m], p.punti.y[m] - d.punti.y[m]));
  }
  if (diversi > 0) {
    char testo[160];
    std::snprintf(testo, sizeof testo, "%zu punti diversi, dal metro %zu al metro %zu, distanti al pi\xF9 %.3f m",
                  diversi, primo, ultimo, scarto);
    s.righe.push_back(testo);
  }
  return s;
}

}  // namespace

std::size_t confronto::differenze() const {
  std::size_t n = 0;
  for (const sezione_confronto& s : sezioni) n += s.righe.size();
  return n;
}

confronto confronta(const scenario_letto& p, const scenario_letto& d) {
  confronto c;
  c.sezioni.push_back(voci_intestazione(p, d));
  c.sezioni.push_back(stazioni_e_cartelli(p, d));
  c.sezioni.push_back(eventi(p, d));
  c.sezioni.push_back(preavvisi(p, d));
  c.sezioni.push_back(tratti(
      "Velocit\xE0 limite", p, d, [](const cella& x) { return x.vel_limite * 5; }, " km/h"));
  c.sezioni.push_back(tratti(
      "Pendenze", p, d, [](const cella& x) { return x.pendenza - 100; }, " per mille"));
  c.sezioni.push_back(tratti(
      "Aderenza", p, d, [](const cella& x) { return std::int32_t{x.aderenza}; }, ""));
  c.sezioni.push_back(tratti(
      "Montagne", p, d, [](const cella& x) { return std::int32_t{x.tipo_montagna}; }, ""));
  c.sezioni.push_back(tracciato(p, d));
  return c;
}

int esegui_confronto(const formato::nomi_file& prima, const formato::nomi_file& dopo, piattaforma::file_system& fs,
                     std::ostream& out, std::ostream& err) {
  scenario_letto p;
  scenario_letto d;
  for (const auto& [nomi, letto] : {std::pair{&prima, &p}, std::pair{&dopo, &d}}) {
    const piattaforma::esito caricato = carica_scenario(fs, *nomi, *letto);
    if (!caricato.riuscito()) {
      err << "esamina_scenario: " << caricato.messaggio() << '\n';
      return confronto_impossibile;
    }
  }
  const confronto c = confronta(p, d);
  scrivi_confronto(out, prima, dopo, c);
  if (!out.flush()) return confronto_impossibile;
  return c.differenze() == 0 ? confronto_uguali : confronto_diversi;
}

void scrivi_confronto(std::ostream& out, const formato::nomi_file& prima, const formato::nomi_file& dopo,
                      const confronto& c) {
  out << "Confronto di " << prima.tabella_sim << " con " << dopo.tabella_sim << " (e i loro file .dat)\n";
  for (const sezione_confronto& s : c.sezioni) {
    if (s.righe.empty()) continue;
    out << '\n' << s.titolo << " (" << s.righe.size() << ")\n";
    for (const std::string& r : s.righe) out << "  " << r << '\n';
  }
  const std::size_t n = c.differenze();
  out << '\n' << (n == 0 ? "Nessuna differenza" : std::to_string(n) + (n == 1 ? " differenza" : " differenze")) << '\n';
}

}  // namespace strumenti
