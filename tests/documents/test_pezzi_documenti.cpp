#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "compila_prova.h"
#include "documents/documenti_generati.h"
#include "documents/maiuscole.h"
#include "documents/progressiva_km.h"
#include "documents/scheda_generata.h"
#include "documents/testo_un_byte.h"

namespace {

struct record {
  std::int32_t inizio, fine, flag;
};

// Entries 81 to 83 as the compile leaves them.
documenti::progressive_km progressive(record t, record d = {}, record u = {}) {
  std::array<compilatore::voce, compilatore::voci_tabella> tabella{};
  for (const auto& [voce, r] : {std::pair{81, t}, std::pair{82, d}, std::pair{83, u}}) {
    tabella[voce].inizio = r.inizio;
    tabella[voce].fine = r.fine;
    tabella[voce].progressiva = r.flag;
  }
  return documenti::progressive_km(tabella);
}

TEST(ProgressiveKm, DirectionAndValueFollowTheRecordInForce) {
  struct caso {
    const char* nome;
    documenti::progressive_km p;
    std::int32_t posizione;
    std::int64_t metri;
    bool decrescente;
  };
  const caso casi[] = {
      {"no records: metres from the start, rising", progressive({}), 4400, 4400, false},
      {"flag 1 falls from the value written (the embedded line; the compile added 100)", progressive({0, 350100, 1}),
       8500, 341500, true},
      {"flag 0 rises", progressive({0, 20000, 0}), 4400, 24400, false},
      {"a jump: the later record from its position on", progressive({8000, 40000, 0}, {0, 20000, 0}), 9500, 41500,
       false},
      {"a jump: the earlier record before it", progressive({8000, 40000, 0}, {0, 20000, 0}), 7950, 27950, false},
      {"the direction may change at a record", progressive({8000, 40100, 1}, {0, 20000, 0}), 9500, 38500, true},
      {"an empty record at 0 sorted first is no record", progressive({0, 0, 0}, {0, 350100, 1}), 100, 349900, true},
      {"before every record: the first one, extended back", progressive({5000, 30000, 0}), 1000, 26000, false},
      {"a record may start the count again from km 0", progressive({5000, 0, 0}, {0, 20000, 0}), 6000, 1000, false},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(c.p.in_metri(c.posizione), c.metri);
    EXPECT_EQ(c.p.decrescente(c.posizione), c.decrescente);
  }
}

TEST(ProgressiveKm, PrintedInSevenCharactersOrNotAtAll) {
  EXPECT_EQ(documenti::testo_km(349970), "349.970");
  EXPECT_EQ(documenti::testo_km(5300), "  5.300");
  EXPECT_EQ(documenti::testo_km(0), "  0.000");
  EXPECT_EQ(documenti::testo_km(999999), "999.999");
  EXPECT_EQ(documenti::testo_km(1000000), std::nullopt);
  EXPECT_EQ(documenti::testo_km(-1), std::nullopt);
}

TEST(ProgressiveKm, PostPassedBeforeAPointDependsOnTheDirection) {
  EXPECT_EQ(documenti::cippo_prima(325150, true), 326);
  EXPECT_EQ(documenti::cippo_prima(325150, false), 325);
  EXPECT_EQ(documenti::cippo_prima(326000, true), 326);
  EXPECT_EQ(documenti::cippo_prima(326000, false), 326);
}

TEST(SchedaGenerata, BoardTextBecomesThePlaceOnTheSheet) {
  const std::pair<const char*, const char*> casi[] = {
      {"(Km 345+557)", "Km 345.557"},
      {"(km 341+500)", "Km 341.500"},
      {"(Torrente  )(Varesca   )(Km 314+347)", "Torrente Varesca"},
      {"(Torrente   )(Sarvella   )( Km 274+204)", "Torrente Sarvella"},
      {"(Ponte    )(          )(Km 27+000)", "Ponte"},
      {"Bivio Nord", "Bivio Nord"},
      {"(Km 10+000)(Km 12+500)", "Km 10.000 Km 12.500"},
      {"()", ""},
  };
  for (const auto& [testo, luogo] : casi) EXPECT_EQ(documenti::luogo_cartello(testo), luogo) << testo;
}

TEST(SchedaGenerata, TimeOfDayInHoursAndMinutes) {
  EXPECT_EQ(documenti::ora_stampata(17 * 3600 + 5 * 60), "17.05");
  EXPECT_EQ(documenti::ora_stampata(17 * 3600 + 10 * 60 + 45), "17.10");  // minutes are not rounded up
  EXPECT_EQ(documenti::ora_stampata(25 * 3600 + 60), "01.01");            // past midnight
  EXPECT_EQ(documenti::ora_stampata(-60), "23.59");                       // a stop that began the day before
}

TEST(Maiuscole, CaseOfSingleByteText) {
  EXPECT_EQ(documenti::iniziali_maiuscole("VILLA SANT'ELIA"), "Villa Sant'Elia");
  EXPECT_EQ(documenti::iniziali_maiuscole("OSTRALE CENTRALE"), "Ostrale Centrale");
  EXPECT_EQ(documenti::iniziali_maiuscole("CITT\xC0 DI CASTELLO"), "Citt\xE0 Di Castello");
  EXPECT_EQ(documenti::in_maiuscolo("Piana d\xE8l lago \xF7"), "PIANA D\xC8L LAGO \xF7");
  EXPECT_EQ(documenti::in_minuscolo("REGIONALE \xC8 \xD7"), "regionale \xE8 \xD7");
}

TEST(TestoUnByte, Utf8IsMadeSingleByteAndSingleByteIsKept) {
  struct caso {
    const char* nome;
    std::string dentro;
    std::string fuori;
  };
  const caso casi[] = {
      {"plain ASCII", "Orario Giugno 2001", "Orario Giugno 2001"},
      {"UTF-8 accents", "difficolt\xC3\xA0 \xC3\xA8", "difficolt\xE0 \xE8"},
      {"UTF-8 with a byte order mark",
       "\xEF\xBB\xBF"
       "citt\xC3\xA0",
       "citt\xE0"},
      {"Windows-1252's own signs", "\xE2\x82\xAC 5 \xE2\x80\x93 l\xE2\x80\x99oro", "\x80 5 \x96 l\x92oro"},
      {"already single-byte", "realta' \xE8 effettuato", "realta' \xE8 effettuato"},
      {"an overlong form is not UTF-8", "a\xC0\xAF", "a\xC0\xAF"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const documenti::conversione_un_byte r = documenti::in_un_byte(c.dentro);
    EXPECT_EQ(r.testo, c.fuori);
    EXPECT_FALSE(r.non_convertibile);
  }
  EXPECT_EQ(documenti::in_un_byte("Torino \xE2\x86\x92 Milano").non_convertibile, 7u);  // an arrow
}

// A line and a service with one station at `posizione_seconda` whose name is `nome`.
compilatore::modello con_stazioni(const std::string& nome, const std::string& progressiva) {
  const std::string linea = "[generale]\r\nlunghezza percorso, 20000\r\n" + progressiva + "[curve]\r\n[fine]\r\n";
  const std::string treno =
      "[generale]\r\nvelocita, 0, 100\r\n"
      "stazione, 1000, 12, 400, 1, 0, 0, 1,1,0, 4,1,1, 1, 8,0,0, PRIMA\r\n"
      "stazione, 9000, 12, 400, 1, 0, 0, 1,1,0, 4,1,1, 0, 8,9,0, " +
      nome +
      "\r\n"
      "rallentamento, 5000, 60, 300, 0, 0, 0\r\n[fine]\r\n";
  return compila_testi(linea, treno);
}

TEST(DocumentiGenerati, NameTooLongForItsColumnIsCutWithAWarning) {
  const std::string lungo = "STAZIONE DAL NOME DAVVERO TROPPO LUNGO";
  const documenti::documenti_generati d = documenti::genera_documenti(con_stazioni(lungo, ""), {});
  ASSERT_EQ(d.errore, "");
  EXPECT_NE(d.scheda.find("| STAZIONE DAL NOME DAVVERO T|"), std::string::npos);
  EXPECT_NE(d.rallentamenti.find("| PRIMA - STAZIONE DAL NOME D|"), std::string::npos);
  EXPECT_EQ(d.avvisi, (std::vector<std::string>{
                          "scheda treno: '" + lungo + "' tagliato a 27 caratteri: 'STAZIONE DAL NOME DAVVERO T'",
                          "scheda treno: 'Stazione Dal Nome Davvero Troppo Lungo' tagliato a 22 caratteri: "
                          "'Stazione Dal Nome Davv'",
                          "ordine di rallentamento: 'PRIMA - " + lungo +
                              "' tagliato a 27 caratteri: 'PRIMA - STAZIONE DAL NOME D'",
                      }));
}

TEST(DocumentiGenerati, ChainageTheColumnCannotHoldIsAnError) {
  const compilatore::modello m = con_stazioni("SECONDA", "progressiva chilometrica uno, 0, 5000, 1\r\n");
  const documenti::documenti_generati d = documenti::genera_documenti(m, {});
  EXPECT_EQ(d.errore,
            "a 9000 m la progressiva chilometrica vale -4000 m, fuori dalla colonna dei documenti (da 0 a 999.999 km)");
}

TEST(DocumentiGenerati, AuthorsValueTooLongForItsBoxIsAnError) {
  documenti::dati_autore autore;
  autore.classificazione = "Regionale veloce notturno";
  const documenti::documenti_generati d = documenti::genera_documenti(con_stazioni("SECONDA", ""), autore);
  EXPECT_EQ(
      d.errore,
      "la classificazione 'REGIONALE VELOCE NOTTURNO' non sta nel suo riquadro della scheda treno (18 caratteri)");
}

TEST(DocumentiGenerati, ManyRowsTakeMorePagesNumberedOfTheirCount) {
  std::string treno = "[generale]\r\n";
  // 40 changes of the speed limit between two stations 16 km apart.
  treno += "stazione, 1000, 12, 400, 1, 0, 0, 1,1,0, 4,1,1, 1, 8,0,0, PRIMA\r\n";
  for (int i = 0; i < 41; ++i) {
    treno += "velocita, " + std::to_string(i * 400) + ", " + (i % 2 != 0 ? "90" : "100") + "\r\n";
  }
  treno += "stazione, 17000, 12, 400, 1, 0, 0, 1,1,0, 4,1,1, 0, 8,9,0, ULTIMA\r\n[fine]\r\n";
  const compilatore::modello m =
      compila_testi("[generale]\r\nlunghezza percorso, 20000\r\n[curve]\r\n[fine]\r\n", treno);
  const documenti::documenti_generati d = documenti::genera_documenti(m, {});
  ASSERT_EQ(d.errore, "");
  EXPECT_NE(d.scheda.find("SCHEDA 1/2"), std::string::npos);
  EXPECT_NE(d.scheda.find("SCHEDA 2/2"), std::string::npos);
  EXPECT_EQ(d.scheda.find("SCHEDA 1/1"), std::string::npos);
  // 2 + 42 rows: 31 on the first page, 11 on the last, filled up to 32.
  EXPECT_EQ(std::count(d.scheda.begin(), d.scheda.end(), '\n'), 2 + 46 + 6 + 47 + 5 + 46 + 4 + 47);
}

}  // namespace
