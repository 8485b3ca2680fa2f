#include "compiler/errori.h"

#include <algorithm>
#include <array>

namespace compilatore {
namespace {

struct scheda_errore {
  std::int32_t numero;
  bool con_posizione;  // whether the error records posizione_errore
  std::string_view descrizione;
};

constexpr auto schede = std::to_array<scheda_errore>({
    {errore::lunghezza_eccessiva, false, "lunghezza del percorso oltre 1000000 m"},
    {errore::progressiva_non_multipla, false, "progressiva chilometrica non multipla di 50"},
    {errore::ripetizione_inizio, false, "inizio della ripetizione segnali non multiplo di 50"},
    {errore::ripetizione_fine, false, "fine della ripetizione segnali non multipla di 50"},
    {errore::ripetizione_codici, false, "ripetizione segnali senza 4 o 9 codici"},
    {errore::cartello_su_cella_occupata, true, "cartello indicatore su una cella occupata"},
    {errore::abbattimento_su_cella_occupata, true, "abbattimento su una cella occupata"},
    {errore::stazione_non_multipla, true, "posizione della stazione non multipla di 50"},
    {errore::marciapiede_non_multiplo, true, "lunghezza del marciapiede non multipla di 100"},
    {errore::troppe_stazioni, false, "troppe stazioni per la tabella"},
    {errore::abbattimento_prima_segnale, true, "nessun posto per l'abbattimento prima del segnale"},
    {errore::abbattimento_prima_rallentamento, true, "nessuna cella libera prima dell'inizio del rallentamento"},
    {errore::abbattimento_nel_rallentamento, true, "nessuna cella libera per l'abbattimento nel rallentamento"},
    {errore::oltre_la_griglia, true, "posizione oltre la fine della linea"},
    {errore::segnale_su_cella_occupata, true, "segnale su una cella occupata"},
    {errore::avviso_su_cella_occupata, true, "avviso di rallentamento su una cella occupata"},
    {errore::inizio_su_cella_occupata, true, "inizio del rallentamento su una cella occupata"},
    {errore::fine_su_cella_occupata, true, "fine del rallentamento su una cella occupata"},
    {errore::preavviso_su_cella_occupata, true, "celle prima dell'avviso di rallentamento occupate"},
    {errore::indicatore_su_cella_occupata, true, "indicatore di velocita' su una cella occupata"},
    {errore::stazioni_troppo_vicine, true, "stazione a meno di 350 m dalla precedente"},
    {errore::fermata_troppo_vicina, false, "punto di fermata nella cella 1 o prima"},
    {errore::generico, false, "errore di lettura dei dati"},
    {errore::curva_oltre_tracciato, true, "curva oltre la fine del tracciato"},
    {errore::rallentamento_oltre_griglia, true, "rallentamento oltre i limiti della linea"},
    {errore::stazione_oltre_griglia, true, "stazione oltre la fine della linea"},
    {errore::preavviso_segnale_prima_inizio, true, "preavvisi del segnale prima dell'inizio della linea"},
    {errore::troppe_montagne, true, "piu' di 80 montagne"},
    {errore::montagna_oltre_griglia, true, "montagna oltre i limiti della linea"},
    {errore::troppi_cartelli, true, "troppi cartelli indicatori per la tabella"},
    {errore::lunghezza_mancante, false, "lunghezza del percorso mancante nel file della linea"},
    {errore::lunghezza_negativa, false, "lunghezza del percorso negativa"},
    {errore::posizione_negativa, true, "posizione prima dell'inizio della linea"},
    {errore::linea_mancante, false, "file della linea mancante"},
    {errore::generale_mancante, false, "sezione [generale] mancante nel file della linea"},
    {errore::curva_non_valida, false, "curva senza classe o tracciato oltre 1000000 m"},
    {errore::segnaposto_occupati, false, "posti dei contrassegni gia' occupati"},
    {errore::codici_occupati, false, "posti dei codici gia' occupati"},
});

const scheda_errore* cerca(std::int32_t numero) {
  const auto trovata = std::find_if(schede.begin(), schede.end(),
                                    [numero](const scheda_errore& s) { return s.numero == numero; });
  return trovata == schede.end() ? nullptr : &*trovata;
}

}  // namespace

std::string_view descrizione_errore(std::int32_t numero) {
  const scheda_errore* scheda = cerca(numero);
  return scheda == nullptr ? std::string_view{} : scheda->descrizione;
}

bool ha_posizione(std::int32_t numero) {
  const scheda_errore* scheda = cerca(numero);
  return scheda != nullptr && scheda->con_posizione;
}

std::vector<std::int32_t> numeri_errore() {
  std::vector<std::int32_t> numeri;
  numeri.reserve(schede.size());
  for (const scheda_errore& s : schede) numeri.push_back(s.numero);
  std::sort(numeri.begin(), numeri.end());
  return numeri;
}

}  // namespace compilatore
