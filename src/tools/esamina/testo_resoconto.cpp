#include "tools/esamina/testo_resoconto.h"

#include <cstdio>
#include <string>

#include "formato/voci.h"
#include "tools/esamina/codifica.h"

namespace strumenti {
namespace {

void scrivi_file(std::ostream& out, const formato::nomi_file& nomi, const resoconto& r) {
  out << "Scenario " << per_terminale(r.testa.nome_base) << ", treno " << per_terminale(r.testa.codice_treno) << '\n';
  out << "  tabella: " << per_terminale(nomi.tabella_sim) << '\n';
  out << "  celle: " << per_terminale(nomi.celle_dat) << " (" << r.n_celle << " celle)\n";
  out << "  tracciato: " << per_terminale(nomi.tracciato_dat);
  if (r.con_tracciato) {
    out << " (" << r.punti_tracciato << " punti, " << r.punti_assegnati << " assegnati)\n";
  } else {
    out << " assente\n";
  }
}

std::string due_cifre(int n) {
  char testo[16];
  std::snprintf(testo, sizeof testo, "%02d", n);
  return testo;
}

void scrivi_intestazione(std::ostream& out, const intestazione& t) {
  out << "\nIntestazione\n";
  out << "  lunghezza linea: " << t.lunghezza_linea << " m\n";
  out << "  vetture: " << t.vetture << '\n';
  out << "  massa frenata: " << t.massa_frenata << " %\n";
  for (const progressiva_letta& p : t.progressive) {
    out << "  progressiva (voce " << p.voce << "): da " << p.da << " m, valore " << p.valore << " m, flag " << p.flag
        << '\n';
  }
  out << "  sfondi: uno " << t.sfondo_uno << ", due " << t.sfondo_due << ", tre " << t.sfondo_tre << '\n';
  out << "  ripetizione segnali: da " << t.ripetizione_inizio << " m a " << t.ripetizione_fine << " m, "
      << t.ripetizione_codici << " codici\n";
  out << "  orologio: " << due_cifre(t.ore) << ':' << due_cifre(t.minuti) << ':' << due_cifre(t.secondi) << '\n';
  out << "  sabbia: " << t.sabbia << '\n';
  out << "  identificazione tabella (voce " << formato::voce_nome_base << "): segnaposto " << t.tabella.segnaposto
      << ", codice " << t.tabella.codice << '\n';
  out << "  identificazione celle (cella 1): ";
  if (t.celle) {
    out << "segnaposto " << t.celle->segnaposto << ", codice " << t.celle->codice << '\n';
  } else {
    out << "assente\n";
  }
}

void scrivi_stazioni(std::ostream& out, const std::vector<stazione_letta>& stazioni) {
  out << "\nStazioni (" << stazioni.size() << ")\n";
  for (const stazione_letta& s : stazioni) {
    out << "  voce " << s.voce << ": " << per_terminale(s.nome) << ", tipo " << static_cast<int>(s.tipo) << ", a "
        << s.progressiva << " m, area " << s.inizio << " - " << s.fine << " m, sosta " << static_cast<int>(s.sosta)
        << " s, orario " << ora_del_giorno(s.orario);
    if (s.capolinea != 0) out << ", capolinea";
    out << '\n';
  }
}

void scrivi_cartelli(std::ostream& out, const std::vector<cartello_letto>& cartelli) {
  out << "\nCartelli (" << cartelli.size() << ")\n";
  for (const cartello_letto& c : cartelli) out << "  voce " << c.voce << ": " << per_terminale(c.testo) << '\n';
}

void scrivi_eventi(std::ostream& out, const std::vector<evento_letto>& eventi) {
  out << "\nEventi (" << eventi.size() << ")\n";
  for (const evento_letto& e : eventi) {
    out << "  cella " << e.cella << ", " << e.metri << " m: " << e.nome;
    const char* separatore = ": ";
    for (const valore_evento& v : e.valori) {
      out << separatore << v.nome << ' ' << v.numero;
      separatore = ", ";
    }
    if (!e.testo.empty()) out << " \"" << per_terminale(e.testo) << '"';
    out << '\n';
  }
}

void scrivi_tratti(std::ostream& out, const char* titolo, const std::vector<tratto>& tratti, const char* unita) {
  out << '\n' << titolo << " (" << tratti.size() << ")\n";
  for (const tratto& t : tratti) {
    out << "  " << t.da << " - " << t.a << " m (celle " << t.prima_cella << '-' << t.ultima_cella
        << "): " << t.valore << unita << '\n';
  }
}

}  // namespace

void scrivi_testo(std::ostream& out, const formato::nomi_file& nomi, const resoconto& r) {
  scrivi_file(out, nomi, r);
  scrivi_intestazione(out, r.testa);
  scrivi_stazioni(out, r.stazioni);
  scrivi_cartelli(out, r.cartelli);
  scrivi_eventi(out, r.eventi);
  scrivi_tratti(out, "Velocit\xE0 limite", r.velocita, " km/h");
  scrivi_tratti(out, "Pendenze", r.pendenze, " per mille");
  scrivi_tratti(out, "Aderenza", r.aderenze, "");
}

}  // namespace strumenti
