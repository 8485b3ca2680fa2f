#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "cartella_temporanea.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "platform/file_system_memoria.h"

namespace {

using scrittore = piattaforma::esito (*)(piattaforma::file_system&, const std::string&);

struct documento {
  const char* nome_file;
  scrittore scrivi;
  std::size_t righe;
  std::size_t byte;  // 0 where the size is not fixed in advance
};

const documento documenti_equipaggio[] = {
    {"Ostrale_Fiorna_40817_scheda_treno.txt", documenti::dati_scheda, 203, 15254},
    {"Ostrale_Fiorna_40817_rallentamenti.txt", documenti::dati_rallentamenti, 45, 3211},
    {"Ostrale_Fiorna_40817_note.txt", documenti::dati_note, 9, 0},
};

std::string atteso(const documento& d) {
  return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + d.nome_file);
}

std::size_t conta_righe(const std::string& testo) {
  std::size_t righe = 0;
  for (std::size_t a = testo.find("\r\n"); a != std::string::npos; a = testo.find("\r\n", a + 2)) ++righe;
  return righe;
}

TEST(DocumentiEquipaggio, WriteExpectedFileByteForByte) {
  for (const documento& d : documenti_equipaggio) {
    SCOPED_TRACE(d.nome_file);
    piattaforma::file_system_memoria fs;
    ASSERT_TRUE(d.scrivi(fs, d.nome_file).riuscito());
    ASSERT_EQ(fs.file.size(), 1u);
    const std::string& scritto = fs.file[d.nome_file];
    EXPECT_EQ(scritto, atteso(d));
    EXPECT_EQ(conta_righe(scritto), d.righe);
    if (d.byte != 0) {
      EXPECT_EQ(scritto.size(), d.byte);
    }
    EXPECT_EQ(scritto.substr(scritto.size() - 2), "\r\n");
    EXPECT_EQ(scritto.find("riferimento fine del file"), std::string::npos);
  }
}

TEST(DocumentiEquipaggio, LongerOlderFileLeavesNoTrace) {
  for (const documento& d : documenti_equipaggio) {
    SCOPED_TRACE(d.nome_file);
    piattaforma::file_system_memoria fs;
    // Same start as the new text, so a write that only overwrote in place would go unnoticed
    // but for the tail.
    fs.file[d.nome_file] = atteso(d) + std::string(20000, 'v') + "\r\n";
    ASSERT_TRUE(d.scrivi(fs, d.nome_file).riuscito());
    ASSERT_EQ(fs.file.size(), 1u);
    EXPECT_EQ(fs.file[d.nome_file], atteso(d));
  }
}

// A disk that refuses every write.
class file_system_pieno : public piattaforma::file_system_memoria {
 public:
  piattaforma::esito scrivi(const std::string& percorso, std::string_view) override {
    return piattaforma::esito::errore(percorso + ": disco pieno");
  }
};

TEST(DocumentiEquipaggio, FailedWriteIsReportedAndKeepsOlderFile) {
  for (const documento& d : documenti_equipaggio) {
    SCOPED_TRACE(d.nome_file);
    file_system_pieno fs;
    fs.file[d.nome_file] = "vecchio";
    const piattaforma::esito esito = d.scrivi(fs, d.nome_file);
    EXPECT_FALSE(esito.riuscito());
    EXPECT_NE(esito.messaggio().find("disco pieno"), std::string::npos);
    EXPECT_EQ(fs.file.size(), 1u);
    EXPECT_EQ(fs.file[d.nome_file], "vecchio");
  }
}

TEST(DatiNote, AccentedLettersAreSingleBytesOnLinesTwoAndThreeOnly) {
  const testo_scenario::tabella_righe tabella = documenti::righe_dati_note();
  const std::string testo = tabella.contenuto();
  std::size_t riga = 1;
  std::string non_ascii_per_riga[10];
  for (char c : testo) {
    if (c == '\n') ++riga;
    if (static_cast<unsigned char>(c) >= 0x80) non_ascii_per_riga[riga] += c;
  }
  for (std::size_t r = 1; r <= 9; ++r) {
    SCOPED_TRACE(r);
    const std::string attesi = r == 2 ? "\xE8" : r == 3 ? "\xE0" : "";
    EXPECT_EQ(non_ascii_per_riga[r], attesi);
  }
}

}  // namespace
