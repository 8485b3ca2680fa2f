#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "formato/leggi_binari.h"
#include "formato/valori_cella.h"

namespace {

using namespace formato;

struct dati_cella {
  std::int16_t dato1, dato2, dato3, dato4;
  std::uint8_t tempo_segnale;
  bool operator==(const dati_cella&) const = default;
};

dati_cella dati_di(const cella& c) { return {c.dato1, c.dato2, c.dato3, c.dato4, c.tempo_segnale}; }

bool stessi(const valori_segnale& a, const valori_segnale& b) {
  return a.sx == b.sx && a.s1 == b.s1 && a.s2 == b.s2 && a.s3 == b.s3 && a.rapp == b.rapp && a.dx == b.dx &&
         a.d1 == b.d1 && a.d2 == b.d2 && a.d3 == b.d3 && a.tempo == b.tempo;
}

bool stessi(const valori_indicatore& a, const valori_indicatore& b) {
  return a.vas == b.vas && a.vbs == b.vbs && a.vcs == b.vcs && a.strisces == b.strisces && a.vad == b.vad &&
         a.vbd == b.vbd && a.vcd == b.vcd && a.strisced == b.strisced;
}

TEST(ValoriCella, SignalPacksTwoDigitsPerFieldAndItsTime) {
  const struct {
    const char* nome;
    valori_segnale v;
    dati_cella attesa;
    bool si_decodifica;  // unpacking gives `v` back
  } casi[] = {
      {"signal at 1650 m", {.sx = 2, .s1 = 4, .dx = 2, .d1 = 1}, {41, 0, 0, 8, 0}, true},
      {"every digit", {.sx = 1, .s1 = 9, .s2 = 3, .s3 = 7, .rapp = 4, .dx = 2, .d1 = 8, .d2 = 0, .d3 = 5},
       {98, 30, 75, 45, 0},
       true},
      {"short time raised past 100", {.sx = 2, .tempo = 50}, {0, 0, 0, 6, 101}, false},
      {"time of 1 raised too", {.sx = 2, .tempo = 1}, {0, 0, 0, 6, 101}, false},
      {"time of 101 kept", {.sx = 2, .tempo = 101}, {0, 0, 0, 6, 101}, true},
      {"time in its low 8 bits", {.sx = 2, .tempo = 300}, {0, 0, 0, 6, 44}, false},
      {"time only when sx is 2", {.sx = 1, .tempo = 50}, {0, 0, 0, 3, 0}, false},
      {"value in its low 16 bits", {.s1 = 4000, .d1 = 1}, {-25535, 0, 0, 0, 0}, false},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    cella c{.preavviso = 7, .vel_limite = 22, .pendenza = 100, .aderenza = 80};
    impacchetta_segnale(caso.v, c);
    EXPECT_EQ(c.evento, evento::segnale);
    EXPECT_EQ(dati_di(c), caso.attesa);
    EXPECT_EQ(c.preavviso, 7);  // the profile fields are not the signal's
    EXPECT_EQ(c.vel_limite, 22);
    EXPECT_EQ(c.aderenza, 80);
    EXPECT_EQ(stessi(spacchetta_segnale(c), caso.v), caso.si_decodifica);
  }
}

TEST(ValoriCella, ApproachCodes) {
  for (std::int32_t k = 1; k <= 4; ++k) {
    EXPECT_EQ(preavviso_segnale(2, 2, k), 80 + k);
    EXPECT_EQ(preavviso_segnale(1, 0, k), 30 + k);
    EXPECT_EQ(preavviso_fermata(k), 80 + k);
  }
  EXPECT_EQ(preavviso_segnale(9, 9, 1), (270 + 90 + 1) % 256);  // in its low 8 bits
}

TEST(ValoriCella, SpeedBoardPacksBothSidesRoundedAndRefusesWhatDoesNotFit) {
  const cella prima{.evento = 11, .dato1 = 5, .tipo_montagna = 1, .pendenza = 92};
  const struct {
    const char* nome;
    valori_indicatore v;
    bool entra;
    dati_cella attesa;
    bool si_decodifica;
  } casi[] = {
      {"board at 700 m", {100, 110, 115, 0, 100, 110, 115, 0}, true, {2020, 2222, 2323, 0, 0}, true},
      {"different sides and stripes", {60, 0, 75, 1, 140, 5, 0, 2}, true, {1228, 1, 1500, 12, 0}, true},
      {"right speed rounded down", {0, 0, 0, 0, 12, 0, 0, 0}, true, {2, 0, 0, 0, 0}, false},
      {"right speed rounded up", {0, 0, 0, 0, 13, 0, 0, 0}, true, {3, 0, 0, 0, 0}, false},
      {"largest that fits", {1638, 0, 0, 0, 35, 0, 0, 0}, true, {32767, 0, 0, 0, 0}, false},
      {"smallest that fits", {0, 0, -1638, 0, 0, 0, -40, 0}, true, {0, 0, -32768, 0, 0}, false},
      {"one past the largest", {1638, 0, 0, 0, 40, 0, 0, 0}, false, {}, false},
      {"one past the smallest", {0, -1638, 0, 0, 0, -45, 0, 0}, false, {}, false},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    cella c = prima;
    ASSERT_EQ(impacchetta_indicatore(caso.v, c), caso.entra);
    if (!caso.entra) {
      EXPECT_EQ(c.evento, prima.evento) << "a refused board changed the cell";
      EXPECT_EQ(dati_di(c), dati_di(prima));
      continue;
    }
    EXPECT_EQ(c.evento, evento::indicatore_v_max);
    EXPECT_EQ(dati_di(c), caso.attesa);
    EXPECT_EQ(c.tipo_montagna, 1);
    EXPECT_EQ(c.pendenza, 92);
    EXPECT_EQ(stessi(spacchetta_indicatore(c), caso.v), caso.si_decodifica);
  }
}

// Unpacking then packing again gives every signal and board of the embedded
// scenario's cell file back, byte for byte.
TEST(ValoriCella, EverySignalAndBoardOfTheEmbeddedScenarioUnpacksExactly) {
  const std::string percorso = std::string(CARTELLA_DATI_TEST) + "/Ostrale_Fiorna_40817.dat";
  std::ifstream in(percorso, std::ios::binary);
  const std::string byte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<cella> celle;
  ASSERT_TRUE(leggi_celle(byte, percorso, celle).riuscito());
  int segnali = 0;
  int indicatori = 0;
  for (const cella& c : celle) {
    cella di_nuovo = c;
    di_nuovo.dato1 = di_nuovo.dato2 = di_nuovo.dato3 = di_nuovo.dato4 = 0;
    di_nuovo.tempo_segnale = 0;
    if (c.evento == evento::segnale) {
      impacchetta_segnale(spacchetta_segnale(c), di_nuovo);
      ++segnali;
    } else if (c.evento == evento::indicatore_v_max) {
      ASSERT_TRUE(impacchetta_indicatore(spacchetta_indicatore(c), di_nuovo));
      ++indicatori;
    } else {
      continue;
    }
    EXPECT_EQ(dati_di(di_nuovo), dati_di(c));
  }
  EXPECT_GT(segnali, 50);
  EXPECT_GT(indicatori, 10);
}

}  // namespace
