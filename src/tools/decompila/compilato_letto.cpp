#include "tools/decompila/compilato_letto.h"

#include <string>

#include "formato/leggi_binari.h"

namespace decompila {
namespace {

// Reads one file with its reader; the part stays empty on any failure.
template <typename T, typename L>
void leggi_parte(piattaforma::file_system& fs, const std::string& percorso, L leggi, std::optional<T>& parte,
                 anomalie& a) {
  std::string byte;
  piattaforma::esito e = fs.leggi(percorso, byte);
  T letto{};
  if (e.riuscito()) e = leggi(byte, percorso, letto);
  if (!e.riuscito()) {
    a.aggiungi(percorso, e.ragione());
    return;
  }
  parte = std::move(letto);
}

}  // namespace

compilato_letto leggi_compilato(piattaforma::file_system& fs, const std::string& cartella, const std::string& nome_base,
                                const std::string& codice_treno, anomalie& a) {
  compilato_letto c;
  c.nomi = formato::forma_nomi(cartella, nome_base, codice_treno);
  c.nome_base = nome_base;
  c.codice_treno = codice_treno;
  const formato::nomi_file& nomi = c.nomi;
  leggi_parte(fs, nomi.tabella_sim, formato::leggi_tabella, c.tabella, a);
  leggi_parte(fs, nomi.celle_dat, formato::leggi_celle, c.celle, a);
  c.senza_tracciato = !fs.esiste(nomi.tracciato_dat);
  if (!c.senza_tracciato) leggi_parte(fs, nomi.tracciato_dat, formato::leggi_tracciato, c.punti, a);
  return c;
}

}  // namespace decompila
