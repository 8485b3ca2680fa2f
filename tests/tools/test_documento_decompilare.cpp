#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"
#include "tools/compila/esegui_compila.h"
#include "tools/decompila/esegui_decompila.h"
#include "tools/esamina/codifica.h"
#include "tools/esamina/riga_comando.h"

// docs/decompilare.md, held to the programs: its example descriptions are
// compiled, decompiled and compared with the decompiled files it shows; the
// fault it shows comes from the cell it names; its edit, compiled and
// compared, gives the comparison it shows.

namespace {

struct blocco {
  std::string tipo;  // the first word of the fence's info string
  std::string nome;  // the rest
  std::string testo;
};

std::vector<blocco> blocchi_del_documento() {
  std::ifstream in(std::string(CARTELLA_DOCUMENTAZIONE) + "/decompilare.md", std::ios::binary);
  EXPECT_TRUE(in) << "docs/decompilare.md non trovato";
  std::vector<blocco> blocchi;
  blocco* aperto = nullptr;
  for (std::string riga; std::getline(in, riga);) {
    if (riga.rfind("```", 0) == 0) {
      if (aperto != nullptr) {
        aperto = nullptr;
        continue;
      }
      const std::string info = riga.substr(3);
      const auto spazio = info.find(' ');
      blocchi.push_back({info.substr(0, spazio), spazio == std::string::npos ? "" : info.substr(spazio + 1), ""});
      aperto = &blocchi.back();
    } else if (aperto != nullptr) {
      aperto->testo += riga + "\n";
    }
  }
  return blocchi;
}

// A description file as the format has it: CR LF line ends.
std::string con_crlf(const std::string& testo) {
  std::string esito;
  for (char c : testo) {
    if (c == '\n') esito += '\r';
    esito += c;
  }
  return esito;
}

// What a program printed, as the document shows it: UTF-8, '/' between folder and file.
std::string come_nel_documento(const std::string& uscita) {
  std::string testo = strumenti::in_utf8(uscita);
  for (char& c : testo) {
    if (c == piattaforma::separatore) c = '/';
  }
  return testo;
}

std::string percorso(const char* cartella, const std::string& nome) {
  return piattaforma::unisci_percorso(cartella, nome);
}

class DocumentoDecompilare : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const blocco& b : blocchi_del_documento()) per_tipo[b.tipo].push_back(b);
    for (const blocco& b : per_tipo["descrizione"]) fs.file[percorso("s", b.nome)] = con_crlf(b.testo);
    ASSERT_EQ(per_tipo["descrizione"].size(), 2u);
    ASSERT_EQ(compila("s", "c"), 0) << err.str();
    ASSERT_EQ(decompila({"c", "Valle_Bruna", "12", "--output", "o"}), 0) << err.str();
  }

  int compila(const char* da, const char* in) {
    const std::vector<std::string> a = {percorso(da, "Valle_Bruna_linea.txt"), percorso(da, "Valle_Bruna_12-.txt"),
                                        "--output", in};
    return strumento_compila::esegui_compila(a, fs, nulla(), err);
  }
  int decompila(const std::vector<std::string>& a) { return decompila::esegui_decompila(a, fs, nulla(), err); }
  std::ostream& nulla() {
    out.str("");
    err.str("");
    return out;
  }

  std::map<std::string, std::vector<blocco>> per_tipo;
  piattaforma::file_system_memoria fs;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(DocumentoDecompilare, TheExampleDecompilesToWhatThePageShows) {
  ASSERT_EQ(per_tipo["decompilato"].size(), 2u);
  for (const blocco& b : per_tipo["decompilato"]) {
    EXPECT_EQ(fs.file[percorso("o", b.nome)], con_crlf(b.testo)) << b.nome;
  }
}

TEST_F(DocumentoDecompilare, TheFaultShownIsTheOneOfTheCellItNames) {
  ASSERT_EQ(per_tipo["anomalia"].size(), 1u);
  fs.file[percorso("c", "Valle_Bruna_12.dat")][std::size_t{100} * 15] = 7;
  EXPECT_EQ(decompila({"c", "Valle_Bruna", "12", "--output", "o", "--force"}), 1);
  EXPECT_EQ(come_nel_documento(err.str()), per_tipo["anomalia"][0].testo);
}

TEST_F(DocumentoDecompilare, TheEditShownGivesTheComparisonShown) {
  ASSERT_EQ(per_tipo["modifica"].size(), 1u);
  ASSERT_EQ(per_tipo["confronto"].size(), 1u);
  const blocco& modifica = per_tipo["modifica"][0];
  std::string& file = fs.file[percorso("o", modifica.nome)];
  std::istringstream righe(modifica.testo);
  for (std::string prima, dopo; std::getline(righe, prima) && std::getline(righe, dopo);) {
    ASSERT_EQ(prima[0], '-');
    ASSERT_EQ(dopo[0], '+');
    const auto dove = file.find(prima.substr(1) + "\r\n");
    ASSERT_NE(dove, std::string::npos) << prima;
    file.replace(dove, prima.size() - 1, dopo.substr(1));
  }
  ASSERT_EQ(compila("o", "r"), 0) << err.str();

  std::ostringstream confronto;
  const std::vector<std::string> a = {"c", "Valle_Bruna", "12", "--confronta", "r", "Valle_Bruna", "12"};
  EXPECT_EQ(strumenti::esegui_esamina(a, fs, confronto, err), 1);
  EXPECT_EQ(come_nel_documento(confronto.str()), per_tipo["confronto"][0].testo);
}

}  // namespace
