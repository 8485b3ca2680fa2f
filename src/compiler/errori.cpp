#include "compiler/errori.h"

namespace compilatore {

std::string_view descrizione_errore(std::int32_t numero) {
  switch (numero) {
    case errore::lunghezza_eccessiva: return "lunghezza del percorso oltre 1000000 m";
    case errore::progressiva_non_multipla: return "progressiva chilometrica non multipla di 50";
    case errore::ripetizione_inizio: return "inizio della ripetizione segnali non multiplo di 50";
    case errore::ripetizione_fine: return "fine della ripetizione segnali non multipla di 50";
    case errore::ripetizione_codici: return "ripetizione segnali senza 4 o 9 codici";
    case errore::cartello_su_cella_occupata: return "cartello indicatore su una cella occupata";
    case errore::abbattimento_su_cella_occupata: return "abbattimento su una cella occupata";
    case errore::stazione_non_multipla: return "posizione della stazione non multipla di 50";
    case errore::marciapiede_non_multiplo: return "lunghezza del marciapiede non multipla di 100";
    case errore::troppe_stazioni: return "troppe stazioni per la tabella";
    case errore::abbattimento_prima_segnale: return "nessun posto per l'abbattimento prima del segnale";
    case errore::abbattimento_prima_rallentamento: return "nessuna cella libera prima dell'inizio del rallentamento";
    case errore::abbattimento_nel_rallentamento: return "nessuna cella libera per l'abbattimento nel rallentamento";
    case errore::oltre_la_griglia: return "posizione oltre la fine della linea";
    case errore::segnale_su_cella_occupata: return "segnale su una cella occupata";
    case errore::avviso_su_cella_occupata: return "avviso di rallentamento su una cella occupata";
    case errore::inizio_su_cella_occupata: return "inizio del rallentamento su una cella occupata";
    case errore::fine_su_cella_occupata: return "fine del rallentamento su una cella occupata";
    case errore::preavviso_su_cella_occupata: return "celle prima dell'avviso di rallentamento occupate";
    case errore::indicatore_su_cella_occupata: return "indicatore di velocita' su una cella occupata";
    case errore::stazioni_troppo_vicine: return "stazione a meno di 350 m dalla precedente";
    case errore::fermata_troppo_vicina: return "punto di fermata nella cella 1 o prima";
    case errore::generico: return "errore di lettura dei dati";
    case errore::curva_oltre_tracciato: return "curva oltre la fine del tracciato";
    case errore::rallentamento_oltre_griglia: return "rallentamento oltre i limiti della linea";
    case errore::stazione_oltre_griglia: return "stazione oltre la fine della linea";
    case errore::preavviso_segnale_prima_inizio: return "preavvisi del segnale prima dell'inizio della linea";
    case errore::troppe_montagne: return "piu' di 80 montagne";
    case errore::montagna_oltre_griglia: return "montagna oltre i limiti della linea";
    case errore::troppi_cartelli: return "troppi cartelli indicatori per la tabella";
    case errore::lunghezza_mancante: return "lunghezza del percorso mancante nel file della linea";
    case errore::lunghezza_negativa: return "lunghezza del percorso negativa";
    case errore::posizione_negativa: return "posizione prima dell'inizio della linea";
    case errore::linea_mancante: return "file della linea mancante";
    case errore::generale_mancante: return "sezione [generale] mancante nel file della linea";
    case errore::curva_non_valida: return "curva senza classe o tracciato oltre 1000000 m";
    case errore::segnaposto_occupati: return "posti dei contrassegni gia' occupati";
    case errore::codici_occupati: return "posti dei codici gia' occupati";
    default: return {};
  }
}

}  // namespace compilatore
