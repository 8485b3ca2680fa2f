#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "compiler/codici_gara.h"
#include "compiler/errori.h"
#include "compiler/modello.h"
#include "formato/voci.h"

namespace {

using namespace compilatore;

modello con_nomi(const std::string& codice_treno, const std::string& nome_base) {
  modello m;
  m.tabella[formato::voce_ripetizione].nome = codice_treno;
  m.tabella[formato::voce_nome_base].nome = nome_base;
  return m;
}

// Expected values worked out by hand from the rule (sum of the first 25 lower-cased
// byte codes, plain and weighted by place), outside the code under test.
TEST(CodiciGara, CodesOfTrainCodeAndBaseName) {
  struct caso {
    const char* nome;
    std::string codice_treno;
    std::string nome_base;
    std::int16_t og;
    std::int32_t st;
  };
  const caso casi[] = {
      {"worked example 1abc", "1", "abc", 2486, 33517},
      {"upper case gives the same codes", "1", "ABC", 2486, 33517},
      {"the scenario's own names", "40817", "Ostrale_Fiorna", 2344, 32595},
      {"more than 25 characters: no filler", "40817", "Ostrale_Fiorna_Valle_Lunga", 2383, 33470},
      {"exactly 25 characters: no filler", "12345", "ABCDEFGHIJKLMNOPQRST", 2385, 34455},
      {"accented letter counts as its byte", "1", "citt\xE8", 2643, 34117},
      {"accented capital counts as its lower case", "1", "CITT\xC8", 2643, 34117},
      {"upper half capitals lowered, symbols kept", "7", "\xC0\xC9\xD7\xDE\x8A\x9F", 3208, 36278},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    const modello m = con_nomi(k.codice_treno, k.nome_base);
    EXPECT_EQ(codice_gara_og(m), k.og);
    EXPECT_EQ(codice_gara_st(m), k.st);
  }
}

TEST(CodiciGara, OnlyTheFirst25CharactersCount) {
  const modello corto = con_nomi("12345", "abcdefghijklmnopqrst");
  const modello lungo = con_nomi("12345", "abcdefghijklmnopqrstUVWXYZ");
  EXPECT_EQ(codice_gara_og(lungo), codice_gara_og(corto));
  EXPECT_EQ(codice_gara_st(lungo), codice_gara_st(corto));
}

// A grid as the parser leaves it, with something in cell 1 that is not a reserved place.
modello scenario_pronto() {
  modello m = con_nomi("1", "abc");
  m.n_celle = 140;
  m.celle.assign(141, cella{});
  m.celle[1].evento = evento::segnale;
  m.celle[1].dato3 = 7;
  m.celle[1].pendenza = 100;
  m.tabella[formato::voce_nome_base].inizio = 3;
  m.tabella[formato::voce_nome_base].gruppo_b1 = 9;
  return m;
}

TEST(TimbraCodici, StampsMarkersAndCodes) {
  modello m = scenario_pronto();
  EXPECT_EQ(timbra_codici(m), 0);
  EXPECT_EQ(m.tabella[formato::voce_nome_base].gruppo_a1, 610);
  EXPECT_EQ(m.tabella[formato::voce_nome_base].orario, 33517);  // above 32767, kept whole
  EXPECT_EQ(m.celle[1].dato1, 5121);
  EXPECT_EQ(m.celle[1].dato2, 2486);
  // Everything else as it was.
  EXPECT_EQ(m.celle[1].evento, evento::segnale);
  EXPECT_EQ(m.celle[1].dato3, 7);
  EXPECT_EQ(m.celle[1].pendenza, 100);
  EXPECT_EQ(m.tabella[formato::voce_nome_base].inizio, 3);
  EXPECT_EQ(m.tabella[formato::voce_nome_base].gruppo_b1, 9);
}

struct stato_riservato {
  std::int16_t gruppo_a1;
  std::int32_t orario;
  std::int16_t dato1;
  std::int16_t dato2;
  bool operator==(const stato_riservato&) const = default;
};

stato_riservato riservato(const modello& m) {
  const voce& v = m.tabella[formato::voce_nome_base];
  return {v.gruppo_a1, v.orario, m.celle[1].dato1, m.celle[1].dato2};
}

std::ostream& operator<<(std::ostream& os, const stato_riservato& s) {
  return os << s.gruppo_a1 << "/" << s.orario << "/" << s.dato1 << "/" << s.dato2;
}

TEST(TimbraCodici, TakenPlacesStopTheStamping) {
  struct caso {
    const char* nome;
    stato_riservato prima;
    std::int32_t esito;
    stato_riservato dopo;
  };
  const caso casi[] = {
      {"marker in voce_nome_base", {1, 0, 0, 0}, 1250, {1, 0, 0, 0}},
      {"value in cell 1", {0, 0, 300, 0}, 1250, {0, 0, 300, 0}},
      {"marker and code taken: 1250 first", {1, 5, 0, 0}, 1250, {1, 5, 0, 0}},
      {"code in voce_nome_base", {0, 5, 0, 0}, 1251, {610, 5, 5121, 0}},
      {"code in cell 1", {0, 0, 0, -4}, 1251, {610, 0, 5121, -4}},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    modello m = scenario_pronto();
    m.tabella[formato::voce_nome_base].gruppo_a1 = k.prima.gruppo_a1;
    m.tabella[formato::voce_nome_base].orario = k.prima.orario;
    m.celle[1].dato1 = k.prima.dato1;
    m.celle[1].dato2 = k.prima.dato2;
    EXPECT_EQ(timbra_codici(m), k.esito);
    EXPECT_EQ(riservato(m), k.dopo);
  }
}

TEST(TimbraCodici, NoGridNoStamp) {
  modello m = con_nomi("1", "abc");
  EXPECT_EQ(timbra_codici(m), errore::segnaposto_occupati);
  EXPECT_EQ(m.tabella[formato::voce_nome_base].gruppo_a1, 0);
  EXPECT_EQ(m.tabella[formato::voce_nome_base].orario, 0);
  EXPECT_FALSE(m.ha_griglia());
}

}  // namespace
