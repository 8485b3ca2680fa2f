#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "compiler/lettura_dati.h"
#include "formato/arrotonda.h"

// The warnings that need both files whole: the service against the line.
namespace compilatore::lettura {
namespace {

using genere = avviso::genere;

std::string metri(std::int64_t m) { return std::to_string(m) + " m"; }

// The cells a stretch from `da` to `a` metres covers in the running lists,
// at least one; the last cells of the grid hold no list value.
struct celle_tratto {
  std::int64_t prima;
  std::int64_t ultima;
};

celle_tratto celle_di(const modello& m, std::int64_t da, std::int64_t a) {
  const std::int64_t ultima_utile = std::int64_t{m.n_celle} - 3;
  const std::int64_t prima = std::clamp<std::int64_t>(indice_cella(static_cast<double>(da) / 50), 0, ultima_utile);
  const std::int64_t ultima =
      std::clamp<std::int64_t>(indice_cella(static_cast<double>(a) / 50) - 1, prima, ultima_utile);
  return {prima, ultima};
}

void servizio_vuoto(contesto& c) {
  std::vector<std::string> mancano;
  if (c.n_stazione == 1) mancano.emplace_back("nessuna stazione");
  if (c.velocita.voci_lette == 0) mancano.emplace_back("nessun limite di velocita'");
  if (c.aderenze.voci_lette == 0) mancano.emplace_back("nessuna aderenza");
  if (mancano.empty()) return;
  std::string testo = "il file del servizio non da' ";
  for (std::size_t i = 0; i < mancano.size(); ++i) {
    if (i > 0) testo += i + 1 == mancano.size() ? " e " : ", ";
    testo += mancano[i];
  }
  testo += c.generale_treno ? ": ogni record viene dopo \"[generale]\"?"
                            : ": manca la riga \"[generale]\", da cui comincia la lettura";
  avverti(c, genere::servizio_vuoto, {origine::file::treno, 1, 1}, std::move(testo));
}

// The speed limits in force over a stretch, each once, in running order.
struct limiti_tratto {
  std::bitset<256> presenti;  // in the cells' units of 5 km/h
  std::vector<std::int32_t> in_ordine;
};

limiti_tratto limiti_di(const modello& m, const celle_tratto& t) {
  limiti_tratto l;
  for (std::int64_t i = t.prima; i <= t.ultima; ++i) {
    const std::uint8_t v = m.celle[static_cast<std::size_t>(i)].vel_limite;
    if (!l.presenti.test(v)) l.in_ordine.push_back(v * 5);
    l.presenti.set(v);
  }
  return l;
}

// Whether one of the board's six speeds (0 shows nothing) is one of the limits.
bool mostra_un_limite(const formato::valori_indicatore& v, const limiti_tratto& l) {
  const std::array<std::int32_t, 6> velocita = {v.vas, v.vbs, v.vcs, v.vad, v.vbd, v.vcd};
  return std::any_of(velocita.begin(), velocita.end(), [&l](std::int32_t s) {
    const double unita = formato::arrotonda(s / 5.0);
    return s != 0 && unita >= 0 && unita <= 255 && l.presenti.test(static_cast<std::size_t>(unita));
  });
}

// "90, 100, 120", the first five.
std::string elenca(const std::vector<std::int32_t>& limiti) {
  std::string elenco;
  for (std::size_t i = 0; i < limiti.size() && i < 5; ++i) elenco += (i > 0 ? ", " : "") + std::to_string(limiti[i]);
  if (limiti.size() > 5) elenco += ", ...";
  return elenco;
}

// A board and the boards right after it that it announces (with stripes)
// speak for the stretch up to the next board after them.
void indicatori_discordi(contesto& c) {
  std::vector<indicatore_letto> ordinati = c.indicatori;
  std::stable_sort(ordinati.begin(), ordinati.end(),
                   [](const indicatore_letto& a, const indicatore_letto& b) { return a.posizione < b.posizione; });
  const auto annuncia = [](const indicatore_letto& i) { return i.valori.strisces > 0 || i.valori.strisced > 0; };
  std::size_t inizio = 0;
  while (inizio < ordinati.size()) {
    std::size_t fine = inizio;
    while (fine + 1 < ordinati.size() && annuncia(ordinati[fine])) ++fine;
    const std::int64_t a = fine + 1 < ordinati.size() ? ordinati[fine + 1].posizione : lunghezza_linea(c.m);
    const limiti_tratto limiti = limiti_di(c.m, celle_di(c.m, ordinati[inizio].posizione, a));
    for (std::size_t k = inizio; k <= fine; ++k) {
      const formato::valori_indicatore& v = ordinati[k].valori;
      if (mostra_un_limite(v, limiti)) continue;
      avverti(c, genere::indicatore_discorde, ordinati[k].da,
              "l'indicatore a " + metri(ordinati[k].posizione) + " mostra " + std::to_string(v.vas) + ", " +
                  std::to_string(v.vbs) + ", " + std::to_string(v.vcs) + " km/h, ma nel suo tratto, fino a " +
                  metri(a) + ", i limiti del servizio sono " + elenca(limiti.in_ordine) + " km/h");
    }
    inizio = fine + 1;
  }
}

void rallentamenti_oltre_limite(contesto& c) {
  for (const origine_rallentamento& r : c.m.rallentamenti) {
    const celle_tratto t = celle_di(c.m, r.x, std::int64_t{r.x} + r.l);
    std::int64_t dove = t.prima;
    for (std::int64_t i = t.prima; i <= t.ultima; ++i) {
      if (c.m.celle[static_cast<std::size_t>(i)].vel_limite < c.m.celle[static_cast<std::size_t>(dove)].vel_limite) {
        dove = i;
      }
    }
    const std::int32_t limite = c.m.celle[static_cast<std::size_t>(dove)].vel_limite * 5;
    if (r.v <= limite) continue;
    avverti(c, genere::rallentamento_oltre_limite, r.da,
            "il rallentamento a " + std::to_string(r.v) + " km/h da " + metri(r.x) + " supera il limite di " +
                std::to_string(limite) + " km/h in vigore a " + metri(dove * 50));
  }
}

void rallentamenti_sovrapposti(contesto& c) {
  std::vector<const origine_rallentamento*> ordinati;
  for (const origine_rallentamento& r : c.m.rallentamenti) ordinati.push_back(&r);
  std::stable_sort(ordinati.begin(), ordinati.end(),
                   [](const origine_rallentamento* a, const origine_rallentamento* b) { return a->x < b->x; });
  const origine_rallentamento* piu_lungo = nullptr;  // the one that reaches farthest so far
  for (const origine_rallentamento* r : ordinati) {
    if (piu_lungo != nullptr && r->x < std::int64_t{piu_lungo->x} + piu_lungo->l) {
      avverti(c, genere::rallentamenti_sovrapposti, r->da,
              "il rallentamento da " + metri(r->x) + " a " + metri(std::int64_t{r->x} + r->l) +
                  " si sovrappone a quello della riga " + std::to_string(piu_lungo->da.riga) + ", da " +
                  metri(piu_lungo->x) + " a " + metri(std::int64_t{piu_lungo->x} + piu_lungo->l));
    }
    if (piu_lungo == nullptr || std::int64_t{r->x} + r->l > std::int64_t{piu_lungo->x} + piu_lungo->l) piu_lungo = r;
  }
}

}  // namespace

void verifica_servizio(contesto& c) {
  servizio_vuoto(c);
  if (c.velocita.voci_lette > 0) {
    indicatori_discordi(c);
    rallentamenti_oltre_limite(c);
  }
  rallentamenti_sovrapposti(c);
}

}  // namespace compilatore::lettura
