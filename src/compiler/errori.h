#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace compilatore {

// Every error number of the system, with the short description shown to users.
namespace errore {
inline constexpr std::int32_t nessuno = 0;
inline constexpr std::int32_t lunghezza_eccessiva = 1;
inline constexpr std::int32_t progressiva_non_multipla = 2;
inline constexpr std::int32_t ripetizione_inizio = 3;
inline constexpr std::int32_t ripetizione_fine = 4;
inline constexpr std::int32_t ripetizione_codici = 5;
inline constexpr std::int32_t cartello_su_cella_occupata = 6;
inline constexpr std::int32_t abbattimento_su_cella_occupata = 7;
inline constexpr std::int32_t stazione_non_multipla = 8;
inline constexpr std::int32_t marciapiede_non_multiplo = 9;
inline constexpr std::int32_t troppe_stazioni = 10;
inline constexpr std::int32_t abbattimento_prima_segnale = 11;
inline constexpr std::int32_t abbattimento_prima_rallentamento = 12;
inline constexpr std::int32_t abbattimento_nel_rallentamento = 13;
inline constexpr std::int32_t oltre_la_griglia = 15;
inline constexpr std::int32_t segnale_su_cella_occupata = 16;
inline constexpr std::int32_t avviso_su_cella_occupata = 17;
inline constexpr std::int32_t inizio_su_cella_occupata = 18;
inline constexpr std::int32_t fine_su_cella_occupata = 19;
inline constexpr std::int32_t preavviso_su_cella_occupata = 20;
inline constexpr std::int32_t indicatore_su_cella_occupata = 21;
inline constexpr std::int32_t stazioni_troppo_vicine = 22;
inline constexpr std::int32_t fermata_troppo_vicina = 24;
inline constexpr std::int32_t generico = 25;
// Input the model has no room for, refused before any array is indexed.
inline constexpr std::int32_t curva_oltre_tracciato = 26;
inline constexpr std::int32_t rallentamento_oltre_griglia = 27;
inline constexpr std::int32_t stazione_oltre_griglia = 28;
inline constexpr std::int32_t preavviso_segnale_prima_inizio = 29;
inline constexpr std::int32_t troppe_montagne = 30;
inline constexpr std::int32_t montagna_oltre_griglia = 31;
inline constexpr std::int32_t troppi_cartelli = 32;
inline constexpr std::int32_t lunghezza_mancante = 33;
inline constexpr std::int32_t lunghezza_negativa = 34;
inline constexpr std::int32_t posizione_negativa = 35;
inline constexpr std::int32_t linea_mancante = 101;
inline constexpr std::int32_t generale_mancante = 102;
inline constexpr std::int32_t curva_non_valida = 103;
inline constexpr std::int32_t segnaposto_occupati = 1250;
inline constexpr std::int32_t codici_occupati = 1251;
}  // namespace errore

// The short Italian description of an error number; empty for an unknown number.
std::string_view descrizione_errore(std::int32_t numero);
// Whether the error records a position in metres (the others leave posizione_errore as it was).
bool ha_posizione(std::int32_t numero);
// Every error number, in increasing order.
std::vector<std::int32_t> numeri_errore();

}  // namespace compilatore
