#include "tools/compila/scenario_iniziale.h"

#include <initializer_list>

namespace strumento_compila {
namespace {

// Comment lines hold no comma (a comma would make the rest of the line an
// item of its own) and come at most two in a row after the general section,
// where the reader skips no more than two comment items before a keyword.

std::string righe(std::initializer_list<std::string_view> testo) {
  std::string unite;
  for (const std::string_view riga : testo) unite.append(riga).append("\r\n");
  return unite;
}

std::string linea(std::string_view nome_base) {
  std::string intestazione = "Linea dello scenario ";
  intestazione.append(nome_base).append(".");
  return righe({intestazione}) +
         righe({
             "Scritta da compila_scenario --nuovo: cambiala come vuoi.",
             "Il testo prima della sezione generale e' libero. Dopo: una voce per riga, poi i suoi valori,",
             "separati da virgole. Una riga che comincia con un trattino e' un commento, senza virgole,",
             "e dopo la sezione generale non ne vanno piu' di due di seguito.",
             "Posizioni e lunghezze in metri dall'inizio della linea. Guida: docs/formato_descrizioni.md",
             "[generale]",
             "- lunghezza della linea in metri",
             "lunghezza percorso,    12000",
             "- progressive chilometriche: da dove valgono (m); valore (m); 1 se decrescenti",
             "progressiva chilometrica uno,    0,    0,    0",
             "progressiva chilometrica due,    0,    0,    0",
             "progressiva chilometrica tre,    0,    0,    0",
             "sfondo uno,    1",
             "sfondo due,    0",
             "sfondo tre,    0",
             "- ripetizione dei segnali: inizio e fine (m); 0 e 0 se non c'e'",
             "ripetizione segnali 4 codici,    0,    0",
             "[curve]",
             "- curvas a sinistra e curvad a destra; la cifra da 1 a 6 e' la classe del raggio",
             "- inizio (m); lunghezza (m)",
             "curvad4,    2500,    400",
             "curvas3,    7000,    800",
             "[pendenze]",
             "- da dove vale (m); pendenza in per mille (negativa in discesa)",
             "pendenza,      0,    0",
             "pendenza,   3000,    8",
             "pendenza,   7000,   -5",
             "pendenza,  10000,    0",
             "[montagne]",
             "- inizio (m); fine (m); tipo (piu' 10 con i segni in montagna)",
             "montagna,   4000,   4600,   11",
             "[cartelli]",
             "- indicatore di velocita': posizione (m); velocita' a b c (km/h) e strisce a sinistra",
             "- poi le stesse a destra",
             "indicatori_vmax,   5000,   120,  120,  120,  0,   120,  120,  120,  0",
             "[indicazioni]",
             "- cartello: posizione (m); testo tra parentesi",
             "cartello_indicatore,   4000,   (Galleria )(Km 4+000)",
             "[fine]",
         });
}

std::string treno(std::string_view nome_base, std::string_view codice_treno) {
  std::string intestazione = "Servizio del treno ";
  intestazione.append(codice_treno).append(" sulla linea dello scenario ").append(nome_base).append(".");
  return righe({intestazione}) +
         righe({
             "Scritto da compila_scenario --nuovo: cambialo come vuoi. Stesse regole del file della linea.",
             "[generale]",
             "numero vetture,    3",
             "percentuale massa frenata,    100",
             "sabbia,    200",
             "- orologio alla partenza: ore minuti secondi separati da spazi",
             "orologio,    7 59 30",
             "[aderenze]",
             "- da dove vale (m); aderenza",
             "aderenza,      0,   100",
             "[vel_limite]",
             "- da dove vale (m); velocita' massima (km/h)",
             "velocita,      0,   100",
             "velocita,   5000,   120",
             "velocita,   9500,    90",
             "[stazioni]",
             "- posizione (m); tipo; marciapiede (m); capolinea; flag lunghezza; prolunga; gruppi a1 a2 a3 b1 b2 b3",
             "- sosta (s); ora; minuto; secondo; nome",
             "stazione,       0,  8,  500,  1, 0, 0,  4,1,1,  2,1,1,    1,   8, 0, 0, PARTENZA",
             "stazione,    6000, 12,  400,  0, 0, 0,  1,1,0,  4,1,1,   60,   8, 6, 0, MEZZAVIA",
             "stazione,   11500,  2,  500,  1, 0, 0,  1,1,0,  2,1,1,    0,   8,11, 0, ARRIVO",
             "[rallentamenti]",
             "- inizio (m); velocita' (km/h); lunghezza (m); f_tt; f_ta; seconda velocita' (0 se non c'e')",
             "rallentamento,    8500,    60,   400,  0,  0,  0",
             "[segnali]",
             "- posizione (m); sx s1 s2 s3; rapp; dx d1 d2 d3; tempo",
             "segnale,    1650,   2, 4, 0, 0,   0,   2, 1, 0, 0,   0",
             "segnale,    4700,   2, 4, 0, 0,   0,   2, 1, 0, 0,   0",
             "segnale,    5500,   2, 3, 1, 1,   0,   2, 2, 1, 1,   0",
             "segnale,    6500,   2, 4, 0, 0,   0,   2, 1, 0, 0,   0",
             "segnale,    8000,   2, 4, 1, 0,   0,   2, 3, 1, 0,   0",
             "segnale,   10000,   2, 4, 0, 0,   0,   2, 1, 0, 0,   0",
             "segnale,   11000,   2, 3, 1, 1,   0,   2, 2, 1, 1,   0",
             "[fine]",
         });
}

}  // namespace

scenario_iniziale testi_iniziali(std::string_view nome_base, std::string_view codice_treno) {
  return {linea(nome_base), treno(nome_base, codice_treno)};
}

}  // namespace strumento_compila
