#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "compiler/avvisi.h"
#include "compiler/errori.h"
#include "compiler/post_elaborazione.h"
#include "conta_memoria.h"
#include "formato/scrivi_binari.h"
#include "prova_parser.h"

namespace {

using compilatore::avviso;
using compilatore::origine;

TEST(Avvisi, EditDistanceCountsATranspositionAsOneAndIgnoresCase) {
  const struct {
    const char* a;
    const char* b;
    std::int32_t distanza;
  } casi[] = {
      {"segnale", "segnale", 0}, {"SEGNALE", "segnale", 0}, {"segnal", "segnale", 1}, {"sengale", "segnale", 1},
      {"segnaleX", "segnale", 1}, {"sagnole", "segnale", 2}, {"", "sabbia", 6},       {"abc", "", 3},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(std::string(caso.a) + " / " + caso.b);
    EXPECT_EQ(compilatore::distanza_modifica(caso.a, caso.b), caso.distanza);
    EXPECT_EQ(compilatore::distanza_modifica(caso.b, caso.a), caso.distanza);
  }
}

TEST(Avvisi, SuggestsOnlyOneNearKeyword) {
  constexpr std::string_view parole[] = {"segnale", "sabbia", "curvas1", "curvas2", "orologio"};
  const struct {
    const char* voce;
    const char* suggerimento;
  } casi[] = {
      {"segnal", "segnale"},
      {"sabia", "sabbia"},
      {"orolgio", "orologio"},
      {"curvas", ""},     // as near to two keywords: no guess
      {"sbbbiaa", "sabbia"},  // two edits are a slip in a keyword of six letters
      {"zabbiaxx", ""},       // three are another word
      {"stazioni", ""},   // nothing near
      {"seg", ""},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.voce);
    EXPECT_EQ(compilatore::parola_vicina(caso.voce, parole), caso.suggerimento);
  }
}

// The parser's warnings, on small files.
struct atteso {
  avviso::genere tipo;
  origine dove;
  std::string testo;
};

struct caso_avvisi {
  const char* nome;
  std::string linea;
  std::string treno;
  std::vector<atteso> attesi;
};

constexpr auto L = origine::file::linea;
constexpr auto T = origine::file::treno;
using genere = avviso::genere;

void confronta(const std::vector<avviso>& trovati, const std::vector<atteso>& attesi) {
  ASSERT_EQ(trovati.size(), attesi.size());
  for (std::size_t i = 0; i < attesi.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(trovati[i].tipo, attesi[i].tipo);
    EXPECT_EQ(trovati[i].dove.in_file, attesi[i].dove.in_file);
    EXPECT_EQ(trovati[i].dove.riga, attesi[i].dove.riga);
    EXPECT_EQ(trovati[i].dove.colonna, attesi[i].dove.colonna);
    EXPECT_EQ(trovati[i].testo, attesi[i].testo);
  }
}

TEST(Avvisi, ParserWarnsAboutWhatTheFormatSilentlyIgnores) {
  const caso_avvisi casi[] = {
      {"headers, comments and blank lines are meant to match nothing",
       "[generale]\r\nlunghezza percorso, 152000\r\n--- nota ---\r\n[curve]\r\n-- x --\r\n\r\n[pendenze]\r\n[fine]\r\n",
       file_treno("[segnali]\r\n---- nota ----\r\n"),
       {}},
      {"one warning per line: the values of an unknown keyword are not warned about again",
       file_linea("pendenze, 5000, -8\r\n"),
       file_treno("sabbia, 200, 7\r\n"),
       {{genere::voce_sconosciuta, {L, 4, 1}, "voce 'pendenze' non riconosciuta, ignorata; forse 'pendenza'?"},
        {genere::voce_sconosciuta, {T, 2, 14}, "voce '7' non riconosciuta, ignorata"}}},
      {"an unknown keyword of the general section is compared with the general keywords",
       "[generale]\r\nlunghezza percorso, 152000\r\nsfondo uni, 1\r\n[curve]\r\n[fine]\r\n",
       file_treno(""),
       {{genere::voce_sconosciuta, {L, 3, 1}, "voce 'sfondo uni' non riconosciuta, ignorata; forse 'sfondo uno'?"}}},
      {"gradients and curves going back say what they do",
       file_linea("pendenza, 4000, 5\r\npendenza, 2000, 0\r\npendenza, 6000, 0\r\n"
                  "curvas3, 1900, 600\r\ncurvad3, 2400, 300\r\ncurvad3, 2700, 300\r\ncurvad3, 2800, 100\r\n"),
       file_treno(""),
       // The third curve starts where the second, laid over the first, ends: no warning.
       {{genere::fuori_ordine,
         {L, 5, 1},
         "'pendenza' a 2000 m viene dopo la voce a 4000 m: la pendenza di 0 per mille vale da 4050 m a 6000 m"},
        {genere::fuori_ordine,
         {L, 8, 1},
         "'curvad3' a 2400 m comincia prima della fine della curva precedente, a 2500 m: gira solo da 2500 m a 2700 m"},
        {genere::fuori_ordine,
         {L, 10, 1},
         "'curvad3' a 2800 m comincia prima della fine della curva precedente, a 3000 m: non ha effetto, perche' "
         "finisce dentro la precedente"}}},
      {"speeds and adhesion going back, to the end of the line or replaced at once",
       file_linea(""),
       file_treno("velocita, 0, 100\r\nvelocita, 100, 90\r\nvelocita, 50, 80\r\nvelocita, 60, 70\r\n"
                  "aderenza, 3000, 90\r\naderenza, 1000, 80\r\n"),
       {{genere::fuori_ordine,
         {T, 4, 1},
         "'velocita' a 50 m viene dopo la voce a 100 m: il limite di 80 km/h vale da 150 m a 200 m"},
        {genere::fuori_ordine,
         {T, 5, 1},
         "'velocita' a 60 m viene dopo la voce a 100 m: il limite di 70 km/h vale da 200 m alla fine della linea"},
        {genere::fuori_ordine,
         {T, 7, 1},
         "'aderenza' a 1000 m viene dopo la voce a 3000 m: l'aderenza 80 vale da 3050 m alla fine della linea"}}},
      {"a record cut off by the end of either file",
       "[generale]\r\nlunghezza percorso, 152000\r\n[curve]\r\npendenza, 0, 1\r\n",
       "[generale]\r\nsabbia, 200",
       {{genere::record_perso, {L, 4, 1}, "'pendenza' ignorato: il file non termina con \"[fine]\""},
        {genere::record_perso, {T, 2, 1}, "'sabbia' ignorato: il file non termina con \"[fine]\""}}},
      {"a chainage record cut off in the general section",
       "[generale]\r\nlunghezza percorso, 152000\r\nprogressiva chilometrica uno, 0, 0, 0",
       file_treno(""),
       {{genere::record_perso,
         {L, 3, 1},
         "'progressiva chilometrica uno' ignorato: il file non termina con \"[fine]\""}}},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    prova_parser p;
    std::vector<avviso> avvisi;
    p.o.avvisi = &avvisi;
    p.esegui(caso.linea, caso.treno);
    // These fixtures are about single records: a service without stations is told about elsewhere.
    std::erase_if(avvisi, [](const avviso& a) { return a.tipo == genere::servizio_vuoto; });
    confronta(avvisi, caso.attesi);
  }
}

TEST(Avvisi, WithoutASinkTheCompiledModelIsTheSame) {
  const std::string linea = file_linea("pendenza, 4000, 5\r\npendenza, 2000, 0\r\ncurvas3, 1900, 600\r\n");
  const std::string treno = file_treno("segnal, 1, 2\r\nvelocita, 0, 100\r\nvelocita, 3000, 120\r\nvelocita, 50, 80\r\n");
  prova_parser senza;
  senza.esegui(linea, treno);
  prova_parser con;
  std::vector<avviso> avvisi;
  con.o.avvisi = &avvisi;
  con.esegui(linea, treno);
  EXPECT_FALSE(avvisi.empty());
  EXPECT_EQ(senza.errore.codice_errore, con.errore.codice_errore);
  EXPECT_EQ(formato::contenuto_celle(senza.m.celle), formato::contenuto_celle(con.m.celle));
  EXPECT_EQ(formato::contenuto_tabella(senza.m.tabella), formato::contenuto_tabella(con.m.tabella));
  EXPECT_EQ(formato::contenuto_tracciato(senza.m.punti), formato::contenuto_tracciato(con.m.punti));
}

TEST(Avvisi, ATenMegabyteKeywordIsComparedWithNoKeywordAtAll) {
  constexpr std::string_view parole[] = {"segnale", "sabbia", "percentuale massa frenata"};
  const auto enorme = std::string(10'000'000, 'x');  // NOLINT(bugprone-string-constructor): meant
  const std::size_t prima = conta_memoria::in_uso();
  conta_memoria::azzera_picco();
  EXPECT_EQ(compilatore::parola_vicina(enorme, parole), "");
  if (conta_memoria::misura_attiva()) {
    EXPECT_LT(conta_memoria::picco() - prima, 1024u);
  }
  // Near a keyword in length, it is compared with two rows, not a table.
  const std::string lunga(30, 'y');
  conta_memoria::azzera_picco();
  const std::size_t prima_lunga = conta_memoria::in_uso();
  EXPECT_EQ(compilatore::distanza_modifica(lunga, parole[2]), 30);  // 25 changes, 5 deletions
  if (conta_memoria::misura_attiva()) {
    EXPECT_LT(conta_memoria::picco() - prima_lunga, 1024u);
  }
}

// Errors found on the grid after the parse name the record of their slowdown.
TEST(Avvisi, PostProcessingErrorsNameTheirSlowdownsRecord) {
  const struct {
    const char* nome;
    std::string treno;
    std::int32_t codice;
    std::int32_t posizione;
    std::int32_t riga;
  } casi[] = {
      // Warning of the slowdown at 5000 m in cell 77; the signal at cell 70 has cells 69 and 68 taken.
      {"11: a signal before the warning",
       "abbattimento, 3450, 0\r\nabbattimento, 3400, 0\r\nsegnale, 3450, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n"
       "rallentamento, 2000, 120, 200, 0, 0, 0\r\nrallentamento, 5000, 120, 500, 0, 0, 0\r\n",
       compilatore::errore::abbattimento_prima_segnale, 3500, 6},
      // Start cell 101: cells 96, 95, 94 taken.
      {"12: before the start",
       "rallentamento, 5000, 120, 500, 0, 0, 0\r\nabbattimento, 4800, 0\r\nabbattimento, 4750, 0\r\n"
       "abbattimento, 4700, 0\r\n",
       compilatore::errore::abbattimento_prima_rallentamento, 5050, 2},
      // Start cell 101, a slow slowdown: its first inner point would go in 109, 108 or 110.
      {"13: inside the slowdown",
       "abbattimento, 5400, 0\r\nabbattimento, 5450, 0\r\nabbattimento, 5500, 0\r\n"
       "rallentamento, 5000, 60, 1000, 0, 0, 0\r\n",
       compilatore::errore::abbattimento_nel_rallentamento, 5450, 5},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    prova_parser p;
    p.esegui(file_linea(""), file_treno(caso.treno));
    ASSERT_EQ(p.errore.codice_errore, 0);
    compilatore::post_elabora(p.m, p.errore);
    EXPECT_EQ(p.errore.codice_errore, caso.codice);
    EXPECT_EQ(p.errore.posizione_errore, caso.posizione);
    EXPECT_EQ(p.errore.origine_errore.in_file, T);
    EXPECT_EQ(p.errore.origine_errore.riga, caso.riga);
    EXPECT_EQ(p.errore.origine_errore.colonna, 1);
  }
}

TEST(Avvisi, ReservedPlacesNameTheRecordThatTookThem) {
  // A kilometre board at 0 m lands in cell 1 with its table entry in dato1.
  prova_parser p;
  p.esegui(file_linea("pendenza, 0, 0\r\ncartello_indicatore, 0, (Km 1)\r\n"), file_treno("velocita, 0, 100\r\n"));
  EXPECT_EQ(p.errore.codice_errore, 0);
  EXPECT_EQ(p.m.origine_riservati.in_file, L);
  EXPECT_EQ(p.m.origine_riservati.riga, 5);
  EXPECT_EQ(p.m.n_cartelli, 1);
}

}  // namespace
