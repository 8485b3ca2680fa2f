#include "documents/percorso_treno.h"

#include <algorithm>

#include "formato/voci.h"

namespace documenti {
namespace {

constexpr std::int32_t metri_cella = 50;
constexpr std::int32_t unita_velocita = 5;  // vel_limite counts steps of 5 km/h

// The cells of the line itself: the grid runs on past its end.
std::int32_t ultima_cella_linea(const compilatore::modello& m) {
  const std::int32_t ultima = m.tabella[formato::voce_lunghezza].fine / metri_cella;
  return std::clamp<std::int32_t>(ultima, 0, static_cast<std::int32_t>(m.celle.size()) - 1);
}

std::int32_t cella_di(const compilatore::modello& m, std::int32_t posizione) {
  return std::clamp<std::int32_t>(posizione / metri_cella, 0, ultima_cella_linea(m));
}

std::int32_t limite_cella(const compilatore::modello& m, std::int32_t cella) {
  return m.celle[static_cast<std::size_t>(cella)].vel_limite * unita_velocita;
}

}  // namespace

std::vector<stazione_percorso> stazioni_di(const compilatore::modello& m) {
  std::vector<stazione_percorso> stazioni;
  for (std::int32_t n = 1; n <= m.n_stazioni; ++n) {
    const compilatore::voce& v = m.tabella[static_cast<std::size_t>(n)];
    stazioni.push_back({v.progressiva, v.inizio, v.fine, v.nome, v.orario, v.sosta});
  }
  return stazioni;
}

std::vector<cartello_percorso> cartelli_di(const compilatore::modello& m) {
  std::vector<cartello_percorso> cartelli;
  for (std::size_t i = 1; i < m.celle.size(); ++i) {
    const compilatore::cella& c = m.celle[i];
    const bool voce_cartello = c.dato1 > m.n_stazioni && c.dato1 <= formato::voce_primo_cartello;
    if (c.evento != compilatore::evento::cartello_indicatore || !voce_cartello) continue;
    // A board at p stands in cell round(p / 50 + 1).
    const auto posizione = static_cast<std::int32_t>(i - 1) * metri_cella;
    cartelli.push_back({posizione, m.tabella[static_cast<std::size_t>(c.dato1)].nome});
  }
  return cartelli;
}

std::int32_t velocita_a(const compilatore::modello& m, std::int32_t posizione) {
  if (!m.ha_griglia()) return 0;
  return limite_cella(m, cella_di(m, posizione));
}

std::vector<cambio_velocita> cambi_velocita(const compilatore::modello& m, std::int32_t da, std::int32_t a) {
  std::vector<cambio_velocita> cambi;
  if (!m.ha_griglia()) return cambi;
  for (std::int32_t cella = cella_di(m, da) + 1; cella <= cella_di(m, a); ++cella) {
    const std::int32_t limite = limite_cella(m, cella);
    if (limite != limite_cella(m, cella - 1)) cambi.push_back({cella * metri_cella, limite});
  }
  return cambi;
}

std::int32_t velocita_massima(const compilatore::modello& m) {
  std::int32_t massima = 0;
  if (!m.ha_griglia()) return massima;
  for (std::int32_t cella = 0; cella <= ultima_cella_linea(m); ++cella) {
    massima = std::max(massima, limite_cella(m, cella));
  }
  return massima;
}

std::vector<rallentamento_percorso> rallentamenti_di(const compilatore::modello& m) {
  std::vector<rallentamento_percorso> rallentamenti;
  for (const compilatore::origine_rallentamento& r : m.rallentamenti) rallentamenti.push_back({r.x, r.v, r.l});
  return rallentamenti;
}

}  // namespace documenti
