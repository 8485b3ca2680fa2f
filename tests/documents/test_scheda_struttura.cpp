#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

#include "documents/dati_scheda.h"
#include "scenario_text/nomi_scenario.h"

namespace {

std::vector<std::string> righe_del_file() {
  const std::string testo = documenti::righe_dati_scheda().contenuto();
  std::vector<std::string> righe{""};  // index 0 unused: lines are numbered from 1
  std::size_t inizio = 0;
  for (std::size_t fine = testo.find("\r\n"); fine != std::string::npos; fine = testo.find("\r\n", inizio)) {
    righe.push_back(testo.substr(inizio, fine - inizio));
    inizio = fine + 2;
  }
  return righe;
}

std::vector<std::string> campi(const std::string& riga) {
  std::vector<std::string> parti{""};
  for (char c : riga) {
    if (c == '|') {
      parti.push_back("");
    } else {
      parti.back() += c;
    }
  }
  return parti;
}

std::string senza_blank_finali(std::string testo) {
  while (!testo.empty() && testo.back() == ' ') testo.pop_back();
  return testo;
}

// `modello` with 'd' for any digit.
bool corrisponde(const std::string& testo, const std::string& modello) {
  if (testo.size() != modello.size()) return false;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    const bool cifra = std::isdigit(static_cast<unsigned char>(testo[i])) != 0;
    if (modello[i] == 'd' ? !cifra : testo[i] != modello[i]) return false;
  }
  return true;
}

enum class forma { partenza, fermata, transito, arrivo, nessuna, sconosciuta };

forma forma_orario(const std::string& campo) {
  if (corrisponde(campo, "          dd.dd ")) return forma::partenza;
  if (corrisponde(campo, "  dd.dd - dd.dd ")) return forma::fermata;
  if (corrisponde(campo, "      dd.dd     ")) return forma::transito;
  if (corrisponde(campo, "  dd.dd         ")) return forma::arrivo;
  if (campo == std::string(16, ' ')) return forma::nessuna;
  return forma::sconosciuta;
}

struct intervallo {
  int da;
  int a;
  std::size_t larghezza;
};

// Line widths of the whole sheet, page by page.
const intervallo larghezze[] = {
    {1, 2, 0},      {3, 3, 82},     {4, 7, 83},     {8, 8, 56},     {9, 9, 64},     {10, 11, 57},
    {12, 12, 0},    {13, 13, 82},   {14, 48, 83},   {49, 51, 0},    {52, 52, 81},   {53, 54, 0},
    {55, 55, 82},   {56, 59, 83},   {60, 60, 56},   {61, 61, 64},   {62, 63, 57},   {64, 64, 0},
    {65, 65, 82},   {66, 101, 83},  {102, 104, 0},  {105, 105, 72}, {106, 106, 0},  {107, 107, 82},
    {108, 111, 83}, {112, 112, 56}, {113, 113, 64}, {114, 115, 57}, {116, 116, 0},  {117, 117, 82},
    {118, 152, 83}, {153, 154, 0},  {155, 155, 72}, {156, 156, 0},  {157, 157, 82}, {158, 161, 83},
    {162, 162, 56}, {163, 163, 64}, {164, 165, 57}, {166, 166, 0},  {167, 167, 82}, {168, 202, 83},
    {203, 203, 0},
};

TEST(SchedaTreno, EveryLineHasItsWidth) {
  const std::vector<std::string> righe = righe_del_file();
  ASSERT_EQ(righe.size(), 204u);
  int prossima = 1;
  for (const intervallo& i : larghezze) {
    ASSERT_EQ(i.da, prossima) << "the width table must cover every line once";
    for (int n = i.da; n <= i.a; ++n) {
      SCOPED_TRACE("line " + std::to_string(n));
      EXPECT_EQ(righe[n].size(), i.larghezza);
    }
    prossima = i.a + 1;
  }
  EXPECT_EQ(prossima, 204);
}

TEST(SchedaTreno, ClassificationHeaderKeepsSevenTrailingBlanks) {
  const std::vector<std::string> righe = righe_del_file();
  for (int n : {9, 61, 113, 163}) {
    SCOPED_TRACE("line " + std::to_string(n));
    EXPECT_EQ(righe[n].substr(righe[n].size() - 8), "|       ");
    EXPECT_NE(righe[n].find("MASSA BLOCCATA"), std::string::npos);
  }
}

struct riga_attesa {
  int riga;
  int velocita;  // 0: both speed fields blank
  forma orario;
};

const riga_attesa righe_dati[] = {
    {17, 110, forma::partenza}, {18, 140, forma::nessuna},  {19, 0, forma::nessuna},
    {20, 0, forma::fermata},    {21, 130, forma::nessuna},  {22, 140, forma::fermata},
    {23, 0, forma::nessuna},    {24, 0, forma::fermata},    {25, 135, forma::nessuna},
    {26, 140, forma::nessuna},  {27, 0, forma::fermata},    {28, 115, forma::nessuna},
    {29, 140, forma::fermata},  {30, 0, forma::fermata},    {31, 135, forma::nessuna},
    {32, 0, forma::fermata},    {33, 140, forma::nessuna},  {34, 0, forma::fermata},
    {35, 0, forma::fermata},    {36, 0, forma::transito},   {37, 0, forma::transito},
    {38, 125, forma::nessuna},  {39, 0, forma::transito},   {40, 140, forma::nessuna},
    {41, 0, forma::fermata},    {42, 0, forma::transito},   {43, 130, forma::nessuna},
    {44, 0, forma::fermata},    {45, 140, forma::nessuna},  {46, 0, forma::transito},
    {47, 0, forma::fermata},    {69, 125, forma::nessuna},  {70, 0, forma::fermata},
    {71, 140, forma::nessuna},  {72, 130, forma::nessuna},  {73, 0, forma::transito},
    {74, 95, forma::nessuna},   {75, 0, forma::transito},   {76, 70, forma::nessuna},
    {77, 0, forma::arrivo},
};

TEST(SchedaTreno, DataRowsCarryTheirSpeedAndTimeForm) {
  const std::vector<std::string> righe = righe_del_file();
  double km_precedente = 1e9;
  for (const riga_attesa& attesa : righe_dati) {
    SCOPED_TRACE("line " + std::to_string(attesa.riga));
    const std::vector<std::string> c = campi(righe[attesa.riga]);
    ASSERT_EQ(c.size(), 9u);
    EXPECT_EQ(c[0], " ");
    EXPECT_EQ(c[8], "");
    const std::string velocita = attesa.velocita == 0 ? "     " : std::string(4 - std::to_string(attesa.velocita).size(), ' ') +
                                                                     std::to_string(attesa.velocita) + " ";
    EXPECT_EQ(c[1], velocita);
    EXPECT_EQ(c[2], c[1]);
    EXPECT_TRUE(corrisponde(c[3], " ddd.ddd  ")) << c[3];
    EXPECT_EQ(c[4], "     ");
    EXPECT_EQ(c[5].front(), ' ');
    EXPECT_NE(c[5][1], ' ');
    EXPECT_EQ(forma_orario(c[6]), attesa.orario) << '"' << c[6] << '"';
    EXPECT_TRUE(c[7] == "     " || corrisponde(c[7], " d.d ")) << c[7];
    const double km = std::stod(c[3]);
    EXPECT_LT(km, km_precedente);
    km_precedente = km;
  }
}

TEST(SchedaTreno, TimedRowsNameTheServiceStationsInOrder) {
  const std::vector<std::string> righe = righe_del_file();
  std::vector<std::string> stazioni;
  for (const riga_attesa& attesa : righe_dati) {
    if (attesa.orario == forma::nessuna) continue;
    stazioni.push_back(senza_blank_finali(campi(righe[attesa.riga])[5].substr(1)));
  }
  ASSERT_EQ(stazioni.size(), testo_scenario::nomi::stazioni.size());
  for (std::size_t i = 0; i < stazioni.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(stazioni[i], testo_scenario::nomi::stazioni[i]);
  }
}

TEST(SchedaTreno, ProtectionSignalNamesTheNextStationCapitalised) {
  const std::vector<std::string> righe = righe_del_file();
  const std::string etichetta = senza_blank_finali(campi(righe[31])[5].substr(1));
  const std::string successiva = senza_blank_finali(campi(righe[32])[5].substr(1));
  const std::string prefisso = "Segn.Prot. ";
  ASSERT_EQ(etichetta.rfind(prefisso, 0), 0u) << etichetta;
  const std::string nome = etichetta.substr(prefisso.size());
  std::string maiuscolo;
  for (char c : nome) maiuscolo += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(maiuscolo, successiva);
  EXPECT_TRUE(std::isupper(static_cast<unsigned char>(nome.front())));
  EXPECT_NE(nome, maiuscolo);
}

}  // namespace
