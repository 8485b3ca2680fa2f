#include "tools/compila/nomi_sorgenti.h"

#include "platform/piattaforma.h"

namespace strumento_compila {
namespace {

constexpr std::string_view coda_linea = "_linea.txt";
constexpr std::string_view coda_treno = "-.txt";

// Where the file name begins: after the last separator, either kind.
std::size_t inizio_nome(std::string_view percorso) {
  const std::size_t ultimo = percorso.find_last_of(std::string("/") + piattaforma::separatore);
  return ultimo == std::string_view::npos ? 0 : ultimo + 1;
}

lettura_nomi rifiuta(std::string motivo) { return {std::nullopt, std::move(motivo)}; }

}  // namespace

lettura_nomi ricava_nomi(std::string_view linea, std::string_view treno) {
  const std::size_t inizio = inizio_nome(linea);
  const std::string_view nome_linea = linea.substr(inizio);
  if (!nome_linea.ends_with(coda_linea) || nome_linea.size() == coda_linea.size()) {
    return rifiuta("il nome del file della linea deve avere la forma BASE_linea.txt, non '" +
                   std::string(nome_linea) + "'");
  }
  nomi_sorgenti n;
  n.nome_base = std::string(nome_linea.substr(0, nome_linea.size() - coda_linea.size()));
  // A name with no directory part lives in the current one; "/x_linea.txt" lives in the root.
  n.cartella = inizio == 0 ? std::string(".") : std::string(linea.substr(0, inizio - 1));

  const std::string_view nome_treno = treno.substr(inizio_nome(treno));
  const std::string prefisso = n.nome_base + "_";
  const bool forma = nome_treno.starts_with(prefisso) && nome_treno.ends_with(coda_treno) &&
                     nome_treno.size() > prefisso.size() + coda_treno.size();
  if (!forma) {
    return rifiuta("il nome del file del servizio deve avere la forma " + prefisso + "CODICE-.txt, non '" +
                   std::string(nome_treno) + "'");
  }
  n.codice_treno = std::string(
      nome_treno.substr(prefisso.size(), nome_treno.size() - prefisso.size() - coda_treno.size()));
  return {n, {}};
}

}  // namespace strumento_compila
