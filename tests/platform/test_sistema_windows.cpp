#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "cartella_temporanea.h"
#include "platform/file_system_windows.h"
#include "platform/piattaforma.h"
#include "platform/testo_windows.h"

namespace {

TEST(SistemaWindows, ProgramDirectoryHoldsTheRunningExecutable) {
  const std::string cartella = piattaforma::sistema_reale().cartella_programma();
  ASSERT_FALSE(cartella.empty());
  EXPECT_NE(cartella.back(), '\\');
  EXPECT_TRUE(piattaforma::sistema_reale().file().esiste(piattaforma::unisci_percorso(cartella, "test_scenario.exe")))
      << cartella;
}

TEST(TestoWindows, AnsiTextRoundTripsThroughWideText) {
  const std::string testo = "citt\xE0 perch\xE8 Ostrale_Fiorna 40817";
  const std::wstring largo = piattaforma::in_largo(testo);
  ASSERT_EQ(largo.size(), testo.size());  // one wide character per single-byte character
  EXPECT_EQ(largo[4], L'\u00E0');
  EXPECT_EQ(piattaforma::da_largo(largo), testo);
}

TEST(TestoWindows, WideTextWithoutAnsiFormIsRefused) {
  // CJK ideographs have no form in a single-byte code page: '?' would name another file.
  EXPECT_THROW(piattaforma::da_largo(L"cartella_\u4E2D\u6587"), std::runtime_error);
}

TEST(FileSystemWindows, AnsiFileNameReachesTheDiskAsTheSameName) {
  cartella_temporanea cartella;
  piattaforma::file_system_windows fs;
  const std::string nome = "citt\xE0.txt";
  // Joined by hand: std::filesystem would re-encode the name's byte E0.
  const std::string percorso = piattaforma::unisci_percorso(cartella.percorso().string(), nome);
  ASSERT_TRUE(fs.scrivi(percorso, "x").riuscito());
  EXPECT_TRUE(fs.esiste(percorso));
  const auto voce = *std::filesystem::directory_iterator(cartella.percorso());
  // The ANSI code page of an Italian desktop (1252) puts U+00E0 at byte E0.
  EXPECT_EQ(voce.path().filename().wstring(), L"citt\u00E0.txt");
}

}  // namespace
