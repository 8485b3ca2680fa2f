#include "compiler/avvisi.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "scenario_text/caratteri.h"

namespace compilatore {
namespace {

using testo_scenario::minuscola;
using genere = avviso::genere;

constexpr auto schede = std::to_array<scheda_avviso>({
    {genere::voce_sconosciuta, "voce_sconosciuta", "una voce che non corrisponde ad alcun record viene ignorata"},
    {genere::record_perso, "record_perso", "l'ultimo record del file viene perso perche' manca [fine]"},
    {genere::fuori_ordine, "fuori_ordine", "una voce di un elenco o una curva viene prima della precedente"},
    {genere::valore_troncato, "valore_troncato", "un valore viene memorizzato diverso da come e' scritto"},
    {genere::voce_sovrascritta, "voce_sovrascritta", "un elemento viene cancellato da un altro scritto sopra"},
    {genere::oltre_la_linea, "oltre_la_linea", "un elemento sta oltre la fine della linea"},
    {genere::lato_curva, "lato_curva", "il lato di una curva potrebbe non essere quello voluto"},
    {genere::rallentamento_senza_avviso, "rallentamento_senza_avviso",
     "un rallentamento troppo vicino all'inizio non ha il cartello di avviso"},
    {genere::rallentamenti_sovrapposti, "rallentamenti_sovrapposti", "due rallentamenti coprono lo stesso tratto"},
    {genere::rallentamento_oltre_limite, "rallentamento_oltre_limite",
     "un rallentamento ammette piu' del limite di velocita' in vigore"},
    {genere::indicatore_discorde, "indicatore_discorde",
     "un indicatore di velocita' non mostra alcun limite del servizio nel suo tratto"},
    {genere::orario_indietro, "orario_indietro", "l'orario di una stazione viene prima di quello della precedente"},
    {genere::orario_non_valido, "orario_non_valido", "ore, minuti o secondi fuori dai limiti di un orario"},
    {genere::montagna_vuota, "montagna_vuota", "una montagna non segna alcuna cella"},
    {genere::montagne_vicine, "montagne_vicine", "una montagna troppo vicina alla precedente diventa di tipo 3"},
    {genere::servizio_vuoto, "servizio_vuoto", "il file del servizio non da' stazioni, limiti di velocita' o aderenza"},
    {genere::testo_utf8, "testo_utf8", "un nome o un testo sembra scritto in UTF-8"},
    {genere::nome_tagliato, "nome_tagliato", "un nome troppo lungo viene tagliato nei documenti"},
});

// Near enough to be a slip of the keyboard, not another word: one edit in a
// short keyword, two in a longer one.
std::int32_t distanza_ammessa(std::string_view parola) { return parola.size() <= 5 ? 1 : 2; }

}  // namespace

std::span<const scheda_avviso> schede_avvisi() { return schede; }

std::string_view nome_avviso(avviso::genere tipo) { return schede[static_cast<std::size_t>(tipo)].nome; }

std::int32_t distanza_modifica(std::string_view a, std::string_view b) {
  // Three rows of the table, d(i - 2), d(i - 1) and d(i), each over the
  // first j characters of b: memory grows with b alone.
  const std::size_t m = b.size();
  std::vector<std::int32_t> due_prima(m + 1, 0);
  std::vector<std::int32_t> prima(m + 1, 0);
  std::vector<std::int32_t> riga(m + 1, 0);
  for (std::size_t j = 0; j <= m; ++j) prima[j] = static_cast<std::int32_t>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    riga[0] = static_cast<std::int32_t>(i);
    for (std::size_t j = 1; j <= m; ++j) {
      const std::int32_t diversi = minuscola(a[i - 1]) == minuscola(b[j - 1]) ? 0 : 1;
      riga[j] = std::min({prima[j] + 1, riga[j - 1] + 1, prima[j - 1] + diversi});
      const bool scambiati = i > 1 && j > 1 && minuscola(a[i - 1]) == minuscola(b[j - 2]) &&
                             minuscola(a[i - 2]) == minuscola(b[j - 1]);
      if (scambiati) riga[j] = std::min(riga[j], due_prima[j - 2] + 1);
    }
    std::swap(due_prima, prima);
    std::swap(prima, riga);
  }
  return prima[m];
}

std::string parola_vicina(std::string_view voce, std::span<const std::string_view> parole) {
  std::string_view migliore;
  std::int32_t minima = 0;
  bool unica = false;
  for (const std::string_view parola : parole) {
    const std::int32_t ammessa = distanza_ammessa(parola);
    // The distance is at least the difference of the lengths.
    const auto differenza = static_cast<std::int64_t>(voce.size()) - static_cast<std::int64_t>(parola.size());
    if (std::llabs(differenza) > ammessa) continue;
    const std::int32_t d = distanza_modifica(voce, parola);
    if (d > ammessa) continue;
    if (migliore.empty() || d < minima) {
      migliore = parola;
      minima = d;
      unica = true;
    } else if (d == minima) {
      unica = false;
    }
  }
  return unica ? std::string(migliore) : std::string();
}

}  // namespace compilatore
