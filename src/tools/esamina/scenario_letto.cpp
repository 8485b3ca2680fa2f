#include "tools/esamina/scenario_letto.h"

#include "formato/dimensioni.h"
#include "formato/leggi_binari.h"

namespace strumenti {

// Each file is read only up to the most the longest line can give, and
// checked against the line's length the table records.
piattaforma::esito carica_scenario(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                   scenario_letto& letto) {
  std::string byte;
  auto esito = fs.leggi_al_massimo(nomi.tabella_sim, byte, formato::byte_massimi_tabella);
  if (esito.riuscito()) esito = formato::leggi_tabella(byte, nomi.tabella_sim, letto.tabella);
  std::int32_t lunghezza = 0;
  if (esito.riuscito()) esito = formato::leggi_lunghezza(letto.tabella, nomi.tabella_sim, lunghezza);
  if (!esito.riuscito()) return esito;

  esito = fs.leggi_al_massimo(nomi.celle_dat, byte, formato::byte_massimi_celle);
  if (esito.riuscito()) esito = formato::leggi_celle(byte, nomi.celle_dat, letto.celle);
  if (esito.riuscito()) esito = formato::verifica_celle(letto.celle, lunghezza, nomi.celle_dat);
  if (!esito.riuscito()) return esito;

  esito = fs.leggi_al_massimo(nomi.tracciato_dat, byte, formato::byte_massimi_tracciato);
  // A scenario compiled without its geometry has no geometry file.
  letto.con_tracciato = !esito.mancante();
  if (!letto.con_tracciato) return piattaforma::esito::ok();
  if (esito.riuscito()) esito = formato::leggi_tracciato(byte, nomi.tracciato_dat, letto.punti);
  if (esito.riuscito()) esito = formato::verifica_tracciato(letto.punti, lunghezza, nomi.tracciato_dat);
  return esito;
}

}  // namespace strumenti
