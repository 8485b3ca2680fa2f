#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "compiler/avvisi.h"
#include "platform/file_system_memoria.h"
#include "scenario_piccolo.h"
#include "tools/compila/esegui_compila.h"

// What an author sees for each warning and for each error whose place or
// words matter: one small fixture each, the whole diagnostic compared.
namespace {

using scenario_piccolo::file_linea;
using scenario_piccolo::file_treno;
using scenario_piccolo::linea;
using scenario_piccolo::treno;

struct caso_fixture {
  const char* regola;  // the warning's name or the error's number
  const char* cosa;
  std::string linea;
  std::string treno;
  int stato;
  std::string errori;
};

struct esito_run {
  int stato;
  std::string uscita;
  std::string errori;
};

esito_run compila(const std::string& l, const std::string& t, std::vector<std::string> opzioni) {
  piattaforma::file_system_memoria fs;
  fs.file[linea] = l;
  fs.file[treno] = t;
  std::vector<std::string> argomenti = {linea, treno};
  argomenti.insert(argomenti.end(), opzioni.begin(), opzioni.end());
  std::ostringstream uscita;
  std::ostringstream errori;
  const int stato = strumento_compila::esegui_compila(argomenti, fs, uscita, errori);
  return {stato, uscita.str(), errori.str()};
}

const std::string nulla_scritto =
    "compila_scenario: 1 errore, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n";

const caso_fixture casi[] = {
    {"voce_sconosciuta", "a keyword that matches no record", file_linea("tunnel, 300, 400\r\n"), file_treno(), 0,
     "s/Val_linea.txt:4:1: avviso[voce_sconosciuta]: voce 'tunnel' non riconosciuta, ignorata\n"
     "tunnel, 300, 400\n"
     "^\n"},
    {"record_perso", "the last record before a missing [fine]", file_linea(),
     "[generale]\r\nvelocita, 0, 160\r\naderenza, 0, 100\r\nstazione, 0, 28, 400, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
     "0, Origine\r\nsabbia, 200\r\n",
     0,
     "s/Val_9-.txt:5:1: avviso[record_perso]: 'sabbia' ignorato: il file non termina con \"[fine]\"\n"
     "sabbia, 200\n"
     "^\n"},
    {"fuori_ordine", "a gradient out of order, and what it does",
     file_linea("pendenza, 10000, 2\r\npendenza, 5000, 4\r\n"), file_treno(), 0,
     "s/Val_linea.txt:5:1: avviso[fuori_ordine]: 'pendenza' a 5000 m viene dopo la voce a 10000 m: la pendenza di 4 "
     "per mille vale da 10050 m alla fine della linea\n"
     "pendenza, 5000, 4\n"
     "^\n"},
    {"fuori_ordine", "a curve that starts inside the one before it",
     file_linea("curvas3, 1000, 600\r\ncurvad2, 1400, 500\r\n"), file_treno(), 0,
     "s/Val_linea.txt:5:1: avviso[fuori_ordine]: 'curvad2' a 1400 m comincia prima della fine della curva precedente, "
     "a 1600 m: gira solo da 1600 m a 1900 m\n"
     "curvad2, 1400, 500\n"
     "^\n"},
    {"valore_troncato", "a gradient wrapped to its byte", file_linea("pendenza, 0, 5000\r\n"), file_treno(), 0,
     "s/Val_linea.txt:4:14: avviso[valore_troncato]: 'pendenza': la pendenza di 5000 per mille non entra nel campo (da "
     "-100 a 155) e viene memorizzata come 136\n"
     "pendenza, 0, 5000\n"
     "             ^\n"},
    {"valore_troncato", "adhesion wrapped to its byte", file_linea(), file_treno("aderenza, 1000, -85\r\n"), 0,
     "s/Val_9-.txt:5:17: avviso[valore_troncato]: 'aderenza': l'aderenza -85 non entra nel campo (da 0 a 255) e viene "
     "memorizzata come 171\n"
     "aderenza, 1000, -85\n"
     "                ^\n"},
    {"valore_troncato", "a signal's code that spills into the next one", file_linea(),
     file_treno("segnale, 1650, 2, 4, 0, 0, 0, 2, 12,0,0, 0\r\n"), 0,
     "s/Val_9-.txt:5:19: avviso[valore_troncato]: 'segnale': i valori non entrano nei loro campi e vengono letti "
     "altrimenti: s1 4 diventa 5, d1 12 diventa 2\n"
     "segnale, 1650, 2, 4, 0, 0, 0, 2, 12,0,0, 0\n"
     "                  ^\n"},
    {"valore_troncato", "a speed board's stripes",
     file_linea("indicatori_vmax, 2000, 160, 160, 160, 0, 160, 160, 160, 12\r\n"), file_treno(), 0,
     "s/Val_linea.txt:4:39: avviso[valore_troncato]: 'indicatori_vmax': i valori non entrano nei loro campi e vengono "
     "letti altrimenti: strisces 0 diventa 1, strisced 12 diventa 2\n"
     "indicatori_vmax, 2000, 160, 160, 160, 0, 160, 160, 160, 12\n"
     "                                      ^\n"},
    {"voce_sovrascritta", "a stop point over a speed board",
     file_linea("indicatori_vmax, 5100, 160, 160, 160, 0, 160, 160, 160, 0\r\n"),
     file_treno("stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 0, 0, Borgo\r\n"), 0,
     "s/Val_9-.txt:5:1: avviso[voce_sovrascritta]: la fermata della stazione 'Borgo' nella cella 103 cancella "
     "l'indicatore di velocita' della riga 4 di s/Val_linea.txt\n"
     "stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 0, 0, Borgo\n"
     "^\n"},
    {"oltre_la_linea", "a signal past the end", file_linea(),
     file_treno("segnale, 20500, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"), 0,
     "s/Val_9-.txt:5:10: avviso[oltre_la_linea]: 'segnale' a 20500 m sta oltre la fine della linea, a 20000 m\n"
     "segnale, 20500, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
     "         ^\n"},
    {"oltre_la_linea", "a curve running past the end", file_linea("curvas3, 19800, 600\r\n"), file_treno(), 0,
     "s/Val_linea.txt:4:1: avviso[oltre_la_linea]: 'curvas3' da 19800 m a 20400 m va oltre la fine della linea, a "
     "20000 m\n"
     "curvas3, 19800, 600\n"
     "^\n"},
    {"lato_curva", "a keyword with an s that is not curvas", file_linea("curva destra 4, 1000, 200\r\n"), file_treno(),
     0,
     "s/Val_linea.txt:4:1: avviso[lato_curva]: 'curva destra 4' e' letta come curva a sinistra, perche' contiene una "
     "'s'; il lato si scrive curvas (sinistra) o curvad (destra)\n"
     "curva destra 4, 1000, 200\n"
     "^\n"},
    {"lato_curva", "a keyword with no side", file_linea("curva4, 1000, 200\r\n"), file_treno(), 0,
     "s/Val_linea.txt:4:1: avviso[lato_curva]: 'curva4' e' letta come curva a destra, perche' non contiene 's'; il "
     "lato si scrive curvas (sinistra) o curvad (destra)\n"
     "curva4, 1000, 200\n"
     "^\n"},
    {"rallentamento_senza_avviso", "a slowdown in the first 1500 m", file_linea(),
     file_treno("rallentamento, 1000, 60, 200, 0, 0, 0\r\n"), 0,
     "s/Val_9-.txt:5:1: avviso[rallentamento_senza_avviso]: 'rallentamento' a 1000 m comincia entro i primi 1500 m "
     "della linea: non ha il cartello di avviso\n"
     "rallentamento, 1000, 60, 200, 0, 0, 0\n"
     "^\n"},
    {"rallentamenti_sovrapposti", "a slowdown inside another", file_linea(),
     file_treno("rallentamento, 5000, 60, 1000, 0, 0, 0\r\nrallentamento, 5600, 60, 200, 0, 0, 0\r\n"), 0,
     "s/Val_9-.txt:6:1: avviso[rallentamenti_sovrapposti]: il rallentamento da 5600 m a 5800 m si sovrappone a quello "
     "della riga 5, da 5000 m a 6000 m\n"
     "rallentamento, 5600, 60, 200, 0, 0, 0\n"
     "^\n"},
    {"rallentamento_oltre_limite", "a slowdown faster than the limit", file_linea(),
     file_treno("rallentamento, 5000, 170, 400, 0, 0, 0\r\n"), 0,
     "s/Val_9-.txt:5:1: avviso[rallentamento_oltre_limite]: il rallentamento a 170 km/h da 5000 m supera il limite di "
     "160 km/h in vigore a 5000 m\n"
     "rallentamento, 5000, 170, 400, 0, 0, 0\n"
     "^\n"},
    {"indicatore_discorde", "a speed board that shows none of the limits",
     file_linea("indicatori_vmax, 2000, 70, 80, 85, 0, 70, 80, 85, 0\r\n"), file_treno(), 0,
     "s/Val_linea.txt:4:1: avviso[indicatore_discorde]: l'indicatore a 2000 m mostra 70, 80, 85 km/h, ma nel suo "
     "tratto, fino a 20000 m, i limiti del servizio sono 160 km/h\n"
     "indicatori_vmax, 2000, 70, 80, 85, 0, 70, 80, 85, 0\n"
     "^\n"},
    {"orario_indietro", "a station's time before the one before it", file_linea(),
     file_treno("stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 5, 0, Borgo\r\nstazione, 9000, 12, 400, "
                "0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\r\n"),
     0,
     "s/Val_9-.txt:6:57: avviso[orario_indietro]: la stazione 'Villa' ha l'orario 10:02:00, prima di 10:05:00 della "
     "stazione della riga 5\n"
     "stazione, 9000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\n"
     "                                                        ^\n"},
    {"orario_non_valido", "a clock with 25 hours and 70 minutes", file_linea(), file_treno("orologio, 25 70 0\r\n"), 0,
     "s/Val_9-.txt:5:1: avviso[orario_non_valido]: 'orologio': 25:70:00 non e' un orario (ore da 0 a 23, minuti e "
     "secondi da 0 a 59)\n"
     "orologio, 25 70 0\n"
     "^\n"},
    {"montagna_vuota", "a mountain that ends before it starts", file_linea("montagna, 5000, 4000, 1\r\n"), file_treno(),
     0,
     "s/Val_linea.txt:4:1: avviso[montagna_vuota]: 'montagna' da 5000 m a 4000 m non segna alcuna cella: la fine non "
     "viene dopo l'inizio\n"
     "montagna, 5000, 4000, 1\n"
     "^\n"},
    {"montagne_vicine", "a mountain 100 m after the one before",
     file_linea("montagna, 5000, 6000, 1\r\nmontagna, 6100, 7000, 2\r\n"), file_treno(), 0,
     "s/Val_linea.txt:5:1: avviso[montagne_vicine]: 'montagna' da 6100 m a 7000 m comincia a 150 m o meno dalla fine "
     "della precedente, a 6000 m: diventa di tipo 3, non 2\n"
     "montagna, 6100, 7000, 2\n"
     "^\n"},
    {"servizio_vuoto", "a misspelt [generale]", file_linea(), "[generle]\r\nvelocita, 0, 100\r\n[fine]\r\n", 0,
     "s/Val_9-.txt:1:1: avviso[servizio_vuoto]: il file del servizio non da' nessuna stazione, nessun limite di "
     "velocita' e nessuna aderenza: manca la riga \"[generale]\", da cui comincia la lettura\n"
     "[generle]\n"
     "^\n"},
    {"testo_utf8", "a board text saved as UTF-8", file_linea("cartello_indicatore, 3000, (Citt\xC3\xA0)\r\n"),
     file_treno(), 0,
     "s/Val_linea.txt:4:28: avviso[testo_utf8]: il testo '(Citt\xC3\xA0)' contiene la sequenza UTF-8 C3 A0: il "
     "simulatore legge un byte per carattere (Windows-1252) e la mostrerebbe come 2 caratteri; salvare il file in "
     "Windows-1252\n"
     "cartello_indicatore, 3000, (Citt\xC3\xA0)\n"
     "                           ^\n"},
    {"25", "a negative speed, at its value", file_linea(), file_treno("velocita, 1000, -5\r\nsabbia, 100\r\n"), 1,
     "s/Val_9-.txt:5:17: errore 25: errore di lettura dei dati: valore convertito fuori dai limiti del campo "
     "(compila_scenario --spiega 25)\n"
     "velocita, 1000, -5\n"
     "                ^\n" +
         nulla_scritto},
    {"25", "a signal with too few values, at the end of its line", file_linea(),
     file_treno("segnale, 1650, 2, 4\r\nsabbia, 100\r\n"), 1,
     "s/Val_9-.txt:5:20: errore 25: errore di lettura dei dati: atteso un numero intero (numero a 32 bit); la riga 5 "
     "finisce prima dei valori del record; il valore seguente, alla riga 6, e' la parola 'sabbia' "
     "(compila_scenario --spiega 25)\n"
     "segnale, 1650, 2, 4\n"
     "                   ^\n" +
         nulla_scritto},
    {"25", "the last record before [fine], at the end of its line", file_linea(),
     file_treno("segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0\r\n"), 1,
     "s/Val_9-.txt:5:37: errore 25: errore di lettura dei dati: atteso un numero intero (numero a 32 bit); la riga 5 "
     "finisce prima dei valori del record; il valore seguente, alla riga 6, e' la parola '[fine]' "
     "(compila_scenario --spiega 25)\n"
     "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0\n"
     "                                    ^\n" +
         nulla_scritto},
    {"25", "a decimal point", file_linea(), file_treno("sabbia, 1.5\r\n"), 1,
     "s/Val_9-.txt:5:9: errore 25: errore di lettura dei dati: atteso un numero intero (numero a 16 bit); trovato il "
     "numero con la virgola '1.5': i valori sono numeri interi (compila_scenario --spiega 25)\n"
     "sabbia, 1.5\n"
     "        ^\n" +
         nulla_scritto},
    {"25", "a time written as a clock shows it", file_linea(),
     file_treno("stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 08:12:00, Borgo\r\n"), 1,
     "s/Val_9-.txt:5:57: errore 25: errore di lettura dei dati: atteso un numero intero (numero a 32 bit); trovato "
     "l'orario '08:12:00': ore, minuti e secondi vanno scritti come tre numeri (compila_scenario --spiega 25)\n"
     "stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 08:12:00, Borgo\n"
     "                                                        ^\n" +
         nulla_scritto},
    {"25", "a tab where a comma goes", file_linea(),
     file_treno("segnale\t1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\nsabbia, 100\r\n"), 1,
     "s/Val_9-.txt:5:41: errore 25: errore di lettura dei dati: atteso un numero intero (numero a 32 bit); la riga 5 "
     "finisce prima dei valori del record; il valore seguente, alla riga 6, e' la parola 'sabbia' (i valori vanno "
     "separati da virgole: la voce contiene un tabulatore) (compila_scenario --spiega 25)\n"
     "segnale\t1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
     "       \t                                ^\n" +
         nulla_scritto},
    {"25", "a stop time over 255", file_linea(),
     file_treno("stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 10, 0, 0, Sosta\r\n"), 1,
     "s/Val_9-.txt:5:53: errore 25: errore di lettura dei dati: numero fuori dai limiti di un byte (da 0 a 255); "
     "trovato '300' (compila_scenario --spiega 25)\n"
     "stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 10, 0, 0, Sosta\n"
     "                                                    ^\n" +
         nulla_scritto},
    {"103", "a curve with no class digit", file_linea("curva, 1000, 200\r\n"), file_treno(), 1,
     "s/Val_linea.txt:4:1: errore 103: curva senza classe o tracciato oltre 1000000 m: la voce non ha la cifra della "
     "classe; le classi: 1 raggio 10000 m, 2 5000 m, 3 2500 m, 4 1000 m, 5 500 m, 6 333 m (curvas1 ... curvas6 a "
     "sinistra, curvad1 ... curvad6 a destra) (compila_scenario --spiega 103)\n"
     "curva, 1000, 200\n"
     "^\n" +
         nulla_scritto},
    {"2", "a chainage at its value", file_linea("", "progressiva chilometrica uno, 0, 25, 0\r\n"), file_treno(), 1,
     "s/Val_linea.txt:3:34: errore 2: progressiva chilometrica non multipla di 50 (compila_scenario --spiega 2)\n"
     "progressiva chilometrica uno, 0, 25, 0\n"
     "                                 ^\n" +
         nulla_scritto},
    {"8", "a station position at its value", file_linea(),
     file_treno("stazione, 9025, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\r\n"), 1,
     "s/Val_9-.txt:5:11: errore 8: posizione della stazione non multipla di 50 (posizione 9025 m) "
     "(compila_scenario --spiega 8)\n"
     "stazione, 9025, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\n"
     "          ^\n" +
         nulla_scritto},
};

TEST(CompilaFixture, EachWarningAndEachPlacedErrorAsTheAuthorSeesIt) {
  for (const caso_fixture& caso : casi) {
    SCOPED_TRACE(std::string(caso.regola) + ": " + caso.cosa);
    const esito_run r = compila(caso.linea, caso.treno, {"--check"});
    EXPECT_EQ(r.stato, caso.stato);
    EXPECT_EQ(r.errori, caso.errori);
    if (caso.stato == 0) {
      // A warning is an error under --strict, shown as such, and nothing is written.
      const esito_run rigoroso = compila(caso.linea, caso.treno, {"--strict"});
      EXPECT_EQ(rigoroso.stato, 1);
      EXPECT_NE(rigoroso.errori.find(std::string("errore[") + caso.regola + "]: "), std::string::npos)
          << rigoroso.errori;
      EXPECT_EQ(rigoroso.uscita, "");
    }
  }
}

// Every warning the compile gives has its fixture above; the crew documents'
// own (nome_tagliato) has its own tests.
TEST(CompilaFixture, EveryWarningHasAFixture) {
  std::set<std::string> provati;
  for (const caso_fixture& caso : casi) provati.insert(caso.regola);
  for (const compilatore::scheda_avviso& s : compilatore::schede_avvisi()) {
    if (s.tipo == compilatore::avviso::genere::nome_tagliato) continue;
    EXPECT_TRUE(provati.contains(std::string(s.nome))) << s.nome;
  }
}

// Three errors that do not depend on each other, in both files: all three,
// in the order the compile meets them, and the first is the main program's.
TEST(CompilaFixture, ThreeIndependentErrorsAreAllReported) {
  const esito_run r = compila(file_linea("indicatori_vmax, 5000, 160, 160, 160, 0, 160, 160, 160, 0\r\n"
                                         "indicatori_vmax, 5000, 160, 160, 160, 0, 160, 160, 160, 0\r\n"),
                              file_treno("segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"
                                         "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"
                                         "stazione, 9025, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\r\n"),
                              {});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(
      r.errori,
      "s/Val_linea.txt:5:1: errore 21: indicatore di velocita' su una cella occupata (posizione 5000 m): nella "
      "cella 101 c'e' gia' l'indicatore di velocita' della riga 4 (compila_scenario --spiega 21)\n"
      "indicatori_vmax, 5000, 160, 160, 160, 0, 160, 160, 160, 0\n"
      "^\n"
      "s/Val_9-.txt:6:1: errore 16: segnale su una cella occupata (posizione 1650 m): nella cella 34 c'e' gia' il "
      "segnale della riga 5 (compila_scenario --spiega 16)\n"
      "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\n"
      "^\n"
      "s/Val_9-.txt:7:11: errore 8: posizione della stazione non multipla di 50 (posizione 9025 m) "
      "(compila_scenario --spiega 8)\n"
      "stazione, 9025, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 10, 2, 0, Villa\n"
      "          ^\n"
      "compila_scenario: 3 errori, 0 avvisi: nessun file scritto; i file gia' presenti in s restano come erano\n");
  EXPECT_EQ(r.uscita, "");
}

// A record that fails is as if absent: the signal after a failed one on the
// same cell is the same error again, not a cascade of others, and 50 are shown.
TEST(CompilaFixture, PastFiftyErrorsTheRestAreCounted) {
  std::string segnali;
  for (int i = 0; i < 60; ++i) segnali += "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n";
  const esito_run r = compila(file_linea(), file_treno(segnali), {"--check"});
  EXPECT_EQ(r.stato, 1);
  std::size_t mostrati = 0;
  for (std::size_t i = r.errori.find("errore 16: "); i != std::string::npos; i = r.errori.find("errore 16: ", i + 1)) {
    ++mostrati;
  }
  EXPECT_EQ(mostrati, 50u);
  EXPECT_TRUE(
      r.errori.ends_with("compila_scenario: e altri 9 errori\n"
                         "compila_scenario: 59 errori, 0 avvisi: nessun file scritto; i file gia' presenti "
                         "in s restano come erano\n"))
      << r.errori;
}

// Each diagnostic costs the same at 2,000 warnings as at 50,000: its line
// is found in an index built once, not by counting lines from the start.
// Only a guard against a cost that grows with the count (bench/bench_avvisi.cpp
// measures 250,000): the bound is 4 times the linear ratio, a quadratic cost gives 625.
TEST(CompilaFixture, DiagnosticsCostTheSameAtAnyCount) {
  const auto misura = [](int n) {
    std::string corpo;
    for (int i = 0; i < n; ++i) corpo += "tunnel, " + std::to_string(i) + "\r\n";
    const std::string l = file_linea(corpo);
    const auto inizio = std::chrono::steady_clock::now();
    const esito_run r = compila(l, file_treno(), {"--check", "--sarif", "s/log.sarif"});
    const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
    EXPECT_EQ(r.stato, 0);
    EXPECT_TRUE(r.errori.ends_with("tunnel, " + std::to_string(n - 1) + "\n^\n"));
    return durata.count();
  };
  const double poche = misura(2'000);
  const double molte = misura(50'000);
  EXPECT_LT(molte, 100 * poche) << poche << " s for 2,000, " << molte << " s for 50,000";
}

}  // namespace
