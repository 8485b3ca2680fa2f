#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <regex>
#include <sstream>

#include "cartella_temporanea.h"
#include "driver/esecuzione.h"
#include "platform/file_system_memoria.h"
#include "sistema_prova.h"

namespace {

const std::vector<std::string> uscite = {
    "Ostrale_Fiorna_40817_note.txt", "Ostrale_Fiorna_40817_rallentamenti.txt",
    "Ostrale_Fiorna_40817_scheda_treno.txt", "Ostrale_Fiorna_linea.dat",
    "Ostrale_Fiorna_40817.sim", "Ostrale_Fiorna_40817.dat"};

std::string atteso(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + nome); }

std::string in_programma(const std::string& nome) { return piattaforma::unisci_percorso("/programma", nome); }

std::vector<std::string> nomi_presenti(const piattaforma::file_system_memoria& fs) {
  std::vector<std::string> nomi;
  for (const auto& [percorso, contenuto] : fs.file) nomi.push_back(percorso);
  return nomi;
}

std::vector<std::string> uscite_in_programma() {
  std::vector<std::string> percorsi;
  for (const auto& nome : uscite) percorsi.push_back(in_programma(nome));
  std::sort(percorsi.begin(), percorsi.end());
  return percorsi;
}

TEST(Esecuzione, EmbeddedRunLeavesExactlyTheSixExpectedFiles) {
  piattaforma::file_system_memoria fs;
  sistema_prova sistema(fs);
  ASSERT_EQ(guida::esegui(sistema), 0);
  EXPECT_EQ(sistema.eventi, (std::vector<std::string>{"mostra Attendere", "chiudi"}));
  EXPECT_EQ(nomi_presenti(fs), uscite_in_programma());
  for (const auto& nome : uscite) {
    SCOPED_TRACE(nome);
    const std::string& prodotto = fs.file[in_programma(nome)];
    const std::string aspettato = atteso(nome);
    ASSERT_FALSE(aspettato.empty());
    EXPECT_EQ(prodotto.size(), aspettato.size());
    EXPECT_TRUE(prodotto == aspettato);
  }
}

TEST(Esecuzione, SecondRunOverLongerFilesLeavesExactlyTheNewContent) {
  piattaforma::file_system_memoria fs;
  for (const auto& nome : uscite) fs.file[in_programma(nome)] = atteso(nome) + std::string(4000, 'x');
  fs.file[in_programma("Ostrale_Fiorna_linea.txt")] = std::string(10000, 'y');
  sistema_prova sistema(fs);
  ASSERT_EQ(guida::esegui(sistema), 0);
  EXPECT_EQ(nomi_presenti(fs), uscite_in_programma());
  for (const auto& nome : uscite) EXPECT_TRUE(fs.file[in_programma(nome)] == atteso(nome)) << nome;
}

// The geometry of the embedded line, rebuilt here from the curve lines of the
// expected line description in the plainest form of the recurrence.
std::string tracciato_indipendente() {
  const double curvature[] = {0, 0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
  const int estesa = 152000 + 7000;
  std::vector<double> x(estesa + 1), y(estesa + 1);
  x[0] = 0, y[0] = 0, x[1] = 0, y[1] = 1;
  long q = 2;
  auto passo = [&](double k) {
    const double dx = x[q - 1] - x[q - 2];
    const double dy = y[q - 1] - y[q - 2];
    x[q] = x[q - 1] + dx + k * dy;
    y[q] = y[q - 1] + dy - k * dx;
    ++q;
  };
  std::istringstream righe(atteso("Ostrale_Fiorna_linea.txt"));
  const std::regex curva(R"(^curva([sd])(\d),\s*(\d+),\s*(\d+)\r?$)");
  std::string riga;
  int curve = 0;
  while (std::getline(righe, riga)) {
    std::smatch m;
    if (!std::regex_match(riga, m, curva)) continue;
    ++curve;
    double k = curvature[std::stoi(m[2])];
    if (m[1] == "s") k = -k;
    const long p = std::stol(m[3]), n = std::stol(m[4]);
    while (q <= p) passo(0);
    while (q <= p + n) passo(k);
  }
  EXPECT_EQ(curve, 41);
  while (q <= estesa - 2) passo(0);

  std::string file;
  auto u16 = [&](int v) { file.push_back(char(v & 0xFF)), file.push_back(char((v >> 8) & 0xFF)); };
  for (const auto* coordinata : {&x, &y}) {
    for (int m = 0; m <= estesa; ++m) {
      if (m < 2) {
        u16(2), u16(int((*coordinata)[m]));
      } else if (m <= estesa - 2) {
        u16(5);
        const auto bit = std::bit_cast<std::uint64_t>((*coordinata)[m]);
        for (int b = 0; b < 8; ++b) file.push_back(char((bit >> (8 * b)) & 0xFF));
      } else {
        u16(0);
      }
    }
  }
  return file;
}

TEST(Esecuzione, EmbeddedGeometryMatchesAnIndependentRecurrence) {
  const std::string file = tracciato_indipendente();
  ASSERT_EQ(file.size(), 3179964u);
  EXPECT_TRUE(file == atteso("Ostrale_Fiorna_linea.dat"));
}

// A file system that changes a description file as it is written, to make the
// embedded run compile a faulty scenario.
class file_system_ritocco : public piattaforma::file_system_memoria {
 public:
  std::string file_da_ritoccare;  // e.g. "-.txt" for the service description
  std::string prima_di;           // the text the addition goes before
  std::string aggiunta;
  piattaforma::esito scrivi(const std::string& p, std::string_view c) override {
    std::string contenuto(c);
    if (p.find(file_da_ritoccare + ".nuovo") != std::string::npos) {
      contenuto.insert(contenuto.find(prima_di), aggiunta);
    }
    return file_system_memoria::scrivi(p, contenuto);
  }
};

struct caso_errore {
  const char* nome;
  const char* file;
  const char* prima_di;
  const char* aggiunta;
  const char* messaggio;
};

TEST(Esecuzione, CompileErrorWritesNoBinaryKeepsOlderFilesAndSaysWhy) {
  const caso_errore casi[] = {
      {"signal on an occupied cell", "-.txt", "[codici]", "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n",
       " Errore n. 16\nposizione 1650 m\nsegnale su una cella occupata"},
      {"chainage not a multiple of 50", "_linea.txt", "sfondo uno", "progressiva chilometrica due, 25, 0, 0\r\n",
       " Errore n. 2\nprogressiva chilometrica non multipla di 50"},
      // The parse stops in the line file, before the service file is read: that goes too.
      {"line file stops", "_linea.txt", "sfondo uno", "ripetizione segnali 4 codici, 25, 100\r\n",
       " Errore n. 3\ninizio della ripetizione segnali non multiplo di 50"},
      {"marker places taken", "_linea.txt", "[indicazioni]",
       "indicatori_vmax, 0, 100, 110, 115, 0, 100, 110, 115, 0\r\n", " Errore n. 1250"},
      {"code places taken", "_linea.txt", "[indicazioni]", "indicatori_vmax, 0, 0, 5, 0, 0, 0, 0, 0, 0\r\n",
       " Errore n. 1251"},
  };
  const std::vector<std::string> binari = {"Ostrale_Fiorna_linea.dat", "Ostrale_Fiorna_40817.sim",
                                           "Ostrale_Fiorna_40817.dat"};
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    file_system_ritocco fs;
    fs.file_da_ritoccare = caso.file;
    fs.prima_di = caso.prima_di;
    fs.aggiunta = caso.aggiunta;
    for (const auto& nome : binari) fs.file[in_programma(nome)] = "vecchio " + nome;
    sistema_prova sistema(fs);
    EXPECT_EQ(guida::esegui(sistema), 1);
    EXPECT_EQ(sistema.messaggi, std::vector<std::string>{caso.messaggio});
    EXPECT_EQ(sistema.eventi.back(), "messaggio genera_scenario");
    for (const auto& nome : binari) EXPECT_EQ(fs.file[in_programma(nome)], "vecchio " + nome);
    // The descriptions are gone, the documents are written, nothing else is there.
    EXPECT_EQ(fs.file.size(), 6u);
  }
}

TEST(Esecuzione, FileFailureNamesTheFileAndKeepsTheOlderOne) {
  class file_system_pieno : public piattaforma::file_system_memoria {
   public:
    piattaforma::esito scrivi(const std::string& p, std::string_view c) override {
      if (p.find(".sim") != std::string::npos) return piattaforma::esito::errore(p, "No space left on device");
      return file_system_memoria::scrivi(p, c);
    }
  } fs;
  fs.file[in_programma("Ostrale_Fiorna_40817.sim")] = "vecchio";
  sistema_prova sistema(fs);
  EXPECT_EQ(guida::esegui(sistema), 1);
  EXPECT_EQ(sistema.messaggi,
            std::vector<std::string>{in_programma("Ostrale_Fiorna_40817.sim") + ": No space left on device"});
  EXPECT_EQ(fs.file[in_programma("Ostrale_Fiorna_40817.sim")], "vecchio");
  for (const auto& [percorso, contenuto] : fs.file) EXPECT_EQ(piattaforma::bersaglio_di(percorso), std::nullopt);
}

}  // namespace
