#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "driver/esecuzione.h"
#include "driver/pacchetto.h"
#include "driver/sorgente_incorporata.h"
#include "driver/sorgente_pacchetto.h"
#include "platform/file_system_memoria.h"
#include "sistema_prova.h"

namespace {

std::string in_programma(const std::string& nome) { return piattaforma::unisci_percorso("/programma", nome); }
std::string atteso(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + nome); }

// Stands in for the runner's machine code: the run never looks at it.
const std::string programma_finto = std::string(
                                        "\x7f"
                                        "ELF finto programma ") +
                                    std::string(300, '\0');

// An installer in memory, run as the program it is.
struct Installatore : ::testing::Test {
  piattaforma::file_system_memoria fs;
  sistema_prova sistema{fs};
  const std::string percorso = in_programma("Valle_9.exe");

  Installatore() { sistema.programma = percorso; }

  int esegui(const std::string& contenuto) {
    fs.file[percorso] = contenuto;
    guida::sorgente_pacchetto pacchetto;
    return guida::esegui(sistema, pacchetto);
  }
};

TEST_F(Installatore, EmbeddedScenarioPackedWritesTheSameSixFilesAsGeneraScenario) {
  ASSERT_EQ(esegui(guida::componi_installatore(programma_finto, guida::testi_incorporati())), 0);
  EXPECT_EQ(sistema.eventi, (std::vector<std::string>{"mostra Attendere", "chiudi"}));
  const std::vector<std::string> uscite = {"Ostrale_Fiorna_40817_note.txt",
                                           "Ostrale_Fiorna_40817_rallentamenti.txt",
                                           "Ostrale_Fiorna_40817_scheda_treno.txt",
                                           "Ostrale_Fiorna_linea.dat",
                                           "Ostrale_Fiorna_40817.sim",
                                           "Ostrale_Fiorna_40817.dat"};
  EXPECT_EQ(fs.file.size(), uscite.size() + 1);
  for (const auto& nome : uscite) EXPECT_TRUE(fs.file[in_programma(nome)] == atteso(nome)) << nome;
}

guida::testi_scenario piccolo() { return {"Valle", "9", "[generale]\r\n", "[fine]\r\n", "note\r\n", "", "scheda\r\n"}; }

TEST(Pacchetto, TrailerHoldsSizesChecksumVersionAndMagicLittleEndian) {
  const std::string installatore = guida::componi_installatore("PRG", piccolo());
  // Seven counts of 4 bytes and the texts' 5 + 1 + 12 + 8 + 6 + 0 + 8 bytes.
  const std::size_t pacchetto = 7 * 4 + 40;
  ASSERT_EQ(installatore.size(), 3 + pacchetto + guida::byte_coda);
  EXPECT_EQ(installatore.substr(0, 3), "PRG");
  EXPECT_EQ(installatore.substr(3, 9), std::string("\x05\0\0\0Valle", 9));
  const std::uint32_t somma = guida::crc32(std::string_view(installatore).substr(3, pacchetto));
  std::string coda("\x03\0\0\0\0\0\0\0", 8);
  coda += std::string(1, static_cast<char>(pacchetto)) + std::string(7, '\0');
  for (int i = 0; i < 4; ++i) coda.push_back(static_cast<char>((somma >> (8 * i)) & 0xFF));
  coda += std::string("\x01\0\0\0", 4) + "\x89SCENAR\x1a";
  EXPECT_EQ(installatore.substr(3 + pacchetto), coda);
}

TEST(Pacchetto, Crc32IsTheZipOne) {
  EXPECT_EQ(guida::crc32(""), 0u);
  EXPECT_EQ(guida::crc32("123456789"), 0xCBF43926u);
}

TEST(Pacchetto, ReadsBackWhatWasPacked) {
  guida::testi_scenario letti;
  ASSERT_TRUE(guida::estrai_scenario(guida::componi_installatore("PRG", piccolo()), letti).riuscito());
  EXPECT_EQ(letti.nome_base, "Valle");
  EXPECT_EQ(letti.codice_treno, "9");
  EXPECT_EQ(letti.linea, "[generale]\r\n");
  EXPECT_EQ(letti.treno, "[fine]\r\n");
  EXPECT_EQ(letti.note, "note\r\n");
  EXPECT_EQ(letti.rallentamenti, "");
  EXPECT_EQ(letti.scheda, "scheda\r\n");
}

// Writes a trailer over the last bytes, with its checksum made right for `pacchetto`.
std::string con_pacchetto(const std::string& programma, const std::string& pacchetto) {
  guida::testi_scenario vuoto;
  std::string installatore = guida::componi_installatore(programma, vuoto);
  installatore.resize(programma.size());
  installatore += pacchetto;
  const auto u = [&](std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) installatore.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  u(programma.size(), 8);
  u(pacchetto.size(), 8);
  u(guida::crc32(pacchetto), 4);
  u(1, 4);
  installatore.append(guida::magico.begin(), guida::magico.end());
  return installatore;
}

std::string campo(const std::string& testo) {
  std::string c;
  for (int i = 0; i < 4; ++i) c.push_back(static_cast<char>((testo.size() >> (8 * i)) & 0xFF));
  return c + testo;
}

std::string sette(const std::string& base, const std::string& codice) {
  std::string p = campo(base) + campo(codice);
  for (int i = 0; i < 5; ++i) p += campo("x");
  return p;
}

struct caso_guasto {
  const char* nome;
  std::string installatore;
  std::string ragione;
};

std::vector<caso_guasto> casi_guasti() {
  const std::string buono = guida::componi_installatore(programma_finto, guida::testi_incorporati());
  std::string un_byte = buono;
  un_byte[programma_finto.size() + 5000] ^= 0x20;
  std::string versione = buono;
  versione[buono.size() - 12] = 2;
  std::string misure = buono;
  misure[buono.size() - 32] += 1;
  std::string pacchetto_corto = sette("Valle", "9");
  pacchetto_corto.pop_back();
  const std::string danneggiato = "installatore danneggiato: ";
  const std::string mancante = "installatore troncato o non valido: in fondo al file manca lo scenario";
  return {
      {"a flipped payload byte", un_byte, danneggiato + "lo scenario non corrisponde alla sua somma di controllo"},
      {"cut short by one byte", buono.substr(0, buono.size() - 1), mancante},
      {"cut short to half", buono.substr(0, buono.size() / 2), mancante},
      {"the bare runner", programma_finto, mancante},
      {"an empty file", "", mancante},
      {"bytes appended after the trailer", buono + "x", mancante},
      {"an unknown version", versione, "installatore di un formato sconosciuto (versione 2)"},
      {"sizes that do not add up", misure,
       danneggiato + "le dimensioni registrate non corrispondono a quelle del file (" + std::to_string(buono.size()) +
           " byte)"},
      {"counts past the payload", con_pacchetto(programma_finto, pacchetto_corto),
       danneggiato + "lo scenario non ha la forma attesa"},
      {"bytes after the seventh text", con_pacchetto(programma_finto, sette("Valle", "9") + "z"),
       danneggiato + "lo scenario non ha la forma attesa"},
      {"a base name that climbs out of the folder", con_pacchetto(programma_finto, sette("../Valle", "9")),
       danneggiato + "il nome di base '../Valle' contiene '/', che un nome di file non ammette"},
      {"an empty train code", con_pacchetto(programma_finto, sette("Valle", "")),
       danneggiato + "il codice del treno '' e' vuoto"},
  };
}

TEST_F(Installatore, DamagedCutShortOrForeignInstallerSaysSoAndWritesNothing) {
  for (const caso_guasto& caso : casi_guasti()) {
    SCOPED_TRACE(caso.nome);
    fs.file.clear();
    sistema.eventi.clear();
    sistema.messaggi.clear();
    EXPECT_EQ(esegui(caso.installatore), 1);
    EXPECT_EQ(sistema.messaggi, std::vector<std::string>{percorso + ": " + caso.ragione});
    EXPECT_EQ(sistema.eventi.back(), "messaggio Valle_9");
    EXPECT_EQ(fs.file.size(), 1u) << "a file was written";
  }
}

TEST_F(Installatore, UnreadableProgramIsNamedWithTheReason) {
  guida::sorgente_pacchetto pacchetto;
  EXPECT_EQ(guida::esegui(sistema, pacchetto), 1);
  EXPECT_EQ(sistema.messaggi, std::vector<std::string>{percorso + ": file non trovato"});
  EXPECT_TRUE(fs.file.empty());
}

TEST(Pacchetto, TitleIsTheInstallersOwnName) {
  piattaforma::file_system_memoria fs;
  sistema_prova sistema(fs);
  guida::sorgente_pacchetto pacchetto;
  for (const auto& [programma, titolo] :
       {std::pair{"/p/Valle_9.EXE", "Valle_9"}, std::pair{"Valle_9", "Valle_9"}, std::pair{"/p/a.b/inst", "inst"}}) {
    sistema.programma = programma;
    EXPECT_EQ(pacchetto.titolo(sistema), titolo);
  }
}

TEST(Pacchetto, NamesThatCannotFormAFileInTheFolderAreRefused) {
  const std::pair<const char*, const char*> casi[] = {
      {"Ostrale_Fiorna", ""},
      {"Valle Verde", ""},
      {"", "e' vuoto"},
      {"..", "indica una cartella"},
      {"a\\b", "contiene '\\', che un nome di file non ammette"},
      {"a:b", "contiene ':', che un nome di file non ammette"},
      {"a\nb", "contiene un carattere di controllo"},
      {"nome.", "termina con un punto o uno spazio"},
  };
  for (const auto& [nome, difetto] : casi) EXPECT_EQ(guida::difetto_nome(nome), difetto) << nome;
  EXPECT_EQ(guida::difetto_nome(std::string(101, 'a')), "supera i 100 caratteri");
}

}  // namespace
