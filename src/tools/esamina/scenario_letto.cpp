#include "tools/esamina/scenario_letto.h"

#include "formato/leggi_binari.h"

namespace strumenti {

piattaforma::esito carica_scenario(piattaforma::file_system& fs, const formato::nomi_file& nomi,
                                   scenario_letto& letto) {
  std::string byte;
  auto esito = fs.leggi(nomi.tabella_sim, byte);
  if (esito.riuscito()) esito = formato::leggi_tabella(byte, nomi.tabella_sim, letto.tabella);
  if (!esito.riuscito()) return esito;

  esito = fs.leggi(nomi.celle_dat, byte);
  if (esito.riuscito()) esito = formato::leggi_celle(byte, nomi.celle_dat, letto.celle);
  if (!esito.riuscito()) return esito;

  esito = fs.leggi(nomi.tracciato_dat, byte);
  // A scenario compiled without its geometry has no geometry file.
  letto.con_tracciato = !esito.mancante();
  if (!letto.con_tracciato) return piattaforma::esito::ok();
  if (esito.riuscito()) esito = formato::leggi_tracciato(byte, nomi.tracciato_dat, letto.punti);
  return esito;
}

}  // namespace strumenti
