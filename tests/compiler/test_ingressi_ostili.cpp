#include <gtest/gtest.h>

#include <string>

#include "cartella_temporanea.h"
#include "compiler/compilatore.h"
#include "compiler/errori.h"
#include "formato/campi.h"
#include "formato/scrivi_binari.h"
#include "formato/voci.h"
#include "platform/file_system_memoria.h"

namespace {

const compilatore::sorgenti sorgenti{"p/Ostrale_Fiorna_linea.txt", "p/Ostrale_Fiorna_40817-.txt"};
const compilatore::opzioni opzioni{"Ostrale_Fiorna", "40817", 1, true};

compilatore::compilato compila(const std::string& linea, const std::string& treno) {
  piattaforma::file_system_memoria fs;
  fs.file[sorgenti.linea] = linea;
  fs.file[sorgenti.treno] = treno;
  return compilatore::compila(fs, sorgenti, opzioni);
}

// A small sound scenario; each case spoils one record of it.
std::string linea(const std::string& generale, const std::string& corpo) {
  return "[generale]\r\n" + generale + "[curve]\r\ncurvas3, 1900, 600\r\n[pendenze]\r\npendenza, 0, 0\r\n" + corpo +
         "[fine]\r\n";
}
const std::string lunghezza = "lunghezza percorso, 20000\r\n";
std::string linea(const std::string& corpo) { return linea(lunghezza, corpo); }

std::string treno(const std::string& corpo) {
  return "[generale]\r\nnumero vetture, 3\r\norologio, 17 4 30\r\nvelocita, 0, 110\r\naderenza, 0, 100\r\n"
         "stazione, 1000, 12, 400, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Ostrale\r\n" +
         corpo + "[fine]\r\n";
}

std::string sostituisci(std::string testo, const std::string& da, const std::string& a) {
  for (std::size_t i = testo.find(da); i != std::string::npos; i = testo.find(da, i + a.size())) {
    testo.replace(i, da.size(), a);
  }
  return testo;
}

const std::string mega_cifre(5u << 20, '9');
const std::string mega_zeri(5u << 20, '0');
const std::string mega_parola(5u << 20, 'x');

struct caso {
  const char* nome;
  std::string linea;
  std::string treno;
  int codice;  // 0: the format accepts the input and it compiles
};

const caso casi[] = {
    // Missing values: the record takes the next line's keyword as its number.
    {"gradient without its value", linea("pendenza, 5000\r\npendenza, 6000, 3\r\n"), treno(""), 25},
    {"station with two of its seventeen values", linea(""), treno("stazione, 6000, 12\r\n"), 25},
    {"length followed by the end marker", "[generale]\r\nlunghezza percorso\r\n[fine]\r\n", treno(""), 25},
    // An empty item is a 0 where a number is wanted: a gradient of 0, even a line of 0 m, is sound.
    {"empty value reads as 0", linea("pendenza, 5000, , \r\n"), treno(""), 0},
    {"empty length is a line of 0 m", linea("lunghezza percorso,\r\n", ""), treno(""), 0},
    // Words where numbers belong.
    {"word for the length", linea("lunghezza percorso, ventimila\r\n", ""), treno(""), 25},
    {"word for a signal aspect", linea(""), treno("segnale, 1650, 2, verde, 0, 0, 0, 2, 1, 0, 0, 0\r\n"), 25},
    {"number with trailing letters", linea("pendenza, 5000m, -8\r\n"), treno(""), 25},
    {"quoted station name", linea(""),
     treno("stazione, 6000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, \"Fiorna\"\r\n"), 25},
    // Numbers outside their kind.
    {"number beyond 32 bits", linea("pendenza, 4294967296, -8\r\n"), treno(""), 25},
    {"five megabytes of digits", linea("pendenza, " + mega_cifre + ", -8\r\n"), treno(""), 25},
    {"station kind above a byte", linea(""),
     treno("stazione, 6000, 256, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Fiorna\r\n"), 25},
    {"clock hours above 16 bits", linea(""), treno("orologio, 40000 4 30\r\n"), 25},
    {"negative byte", linea(""), treno("stazione, 6000, -1, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Fiorna\r\n"),
     25},
    {"line one metre too long", linea("lunghezza percorso, 1000001\r\n", ""), treno(""), 1},
    {"negative line length", linea("lunghezza percorso, -50\r\n", ""), treno(""), 34},
    {"speed board converting past 16 bits", linea("indicatori_vmax, 3000, 2000, 0, 0, 0, 0, 0, 0, 0\r\n"), treno(""),
     25},
    {"signal before the approach codes fit", linea(""), treno("segnale, 300, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\r\n"), 29},
    {"gradient beyond the line", linea("pendenza, 2000000000, -8\r\n"), treno(""), 15},
    {"station beyond the line", linea(""),
     treno("stazione, 2000000000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, X\r\n"), 15},
    {"slowdown beyond the line", linea(""), treno("rallentamento, 26000, 60, 1000, 1, 1, 0\r\n"), 27},
    {"curve beyond the geometry", linea("curvad2, 20000, 9000\r\n"), treno(""), 26},
    {"mountain ending past the grid", linea("montagna, 1000, 2000000000, 3\r\n"), treno(""), 31},
    // Decimal points and other number forms the format does not have.
    {"decimal point in a position", linea("pendenza, 5000.5, -8\r\n"), treno(""), 25},
    {"decimal comma splits the value", linea(""), treno("velocita, 1950, 140,5\r\n"), 0},
    {"exponent", linea("lunghezza percorso, 2e4\r\n", ""), treno(""), 25},
    {"plus sign", linea(""), treno("velocita, +1950, 140\r\n"), 25},
    // Keywords with typos match nothing; their values are then read as keywords, also matching nothing.
    {"misspelt gradient is ignored", linea("pendneza, 5000, -8\r\n"), treno(""), 0},
    {"misspelt length leaves no length", linea("lunghezza percoso, 20000\r\n", ""), treno(""), 33},
    {"misspelt general section", sostituisci(linea(""), "[generale]", "[generle]"), treno(""), 102},
    {"misspelt curve class", linea("curvas7, 5000, 100\r\n"), treno(""), 103},
    // Positions out of order.
    {"station before the previous one", linea(""),
     treno("stazione, 9000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, B\r\n"
           "stazione, 5000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, C\r\n"),
     22},
    {"gradient before the previous one", linea("pendenza, 9000, 5\r\npendenza, 3000, -3\r\n"), treno(""), 0},
    {"speed before the previous one", linea(""), treno("velocita, 9000, 140\r\nvelocita, 3000, 60\r\n"), 0},
    {"signal on the cell of another", linea(""),
     treno("segnale, 5000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\r\nsegnale, 5000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\r\n"), 16},
    // A value on the next line is read there: the format reads items, not lines.
    {"gradient split across lines", linea("pendenza, 5000\r\n -8\r\n"), treno(""), 0},
    {"clock split across lines", linea(""), treno("orologio, 17\r\n4\r\n30\r\n"), 0},
    // Line ends: CR alone and LF alone end a line as CR LF does.
    {"CR without LF", sostituisci(linea(""), "\r\n", "\r"), sostituisci(treno(""), "\r\n", "\r"), 0},
    {"LF without CR", sostituisci(linea(""), "\r\n", "\n"), sostituisci(treno(""), "\r\n", "\n"), 0},
    // A NUL byte is just a byte: it ends no item and is no digit.
    {"NUL inside a number", linea(std::string("pendenza, 50") + '\0' + "00, -8\r\n"), treno(""), 25},
    {"NUL inside a keyword", linea(std::string("pend\0enza, 5000, -8\r\n", 21)), treno(""), 0},
    {"NUL file", std::string(64, '\0'), treno(""), 102},
    // Empty files.
    {"empty line file", "", treno(""), 102},
    {"empty service file", linea(""), "", 0},
    // One line of several megabytes.
    {"keyword of five megabytes", linea(mega_parola + "\r\n"), treno(""), 0},
    {"length after five megabytes of zeros", linea("lunghezza percorso, " + mega_zeri + "20000\r\n", ""), treno(""), 0},
    {"whole file on one line", sostituisci(linea(mega_parola + "\r\n"), "\r\n", " "), treno(""), 33},
    // Bytes above 127 in texts are kept as they are; in keywords they just match nothing.
    {"non-ASCII station name", linea(""),
     treno("stazione, 6000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Citt\xE0 \xFF\x80\r\n"), 0},
    {"non-ASCII board text", linea("cartello_indicatore, 3000, (Km \xE8\xE0)\r\n"), treno(""), 0},
    {"non-ASCII keyword", linea("pendenz\xE0, 5000, -8\r\n"), treno(""), 0},
};

std::string leggi_dati(const std::string& nome) { return leggi_file(std::string(CARTELLA_DATI_TEST) + "/" + nome); }

TEST(IngressiOstili, EveryMalformedRecordGivesItsNumberedErrorAndTheScenarioStillCompiles) {
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const compilatore::compilato fatto = compila(c.linea, c.treno);
    const compilatore::errore_compilazione& e = fatto.errore;
    EXPECT_EQ(e.codice_errore, c.codice);
    // Every refusal is a known number the user can look up.
    EXPECT_FALSE(compilatore::descrizione_errore(e.codice_errore).empty() && e.codice_errore != 0);
    if (e.codice_errore == 0) {
      // Accepted input must also go through the writers.
      EXPECT_EQ(formato::contenuto_celle(fatto.m.celle).size(), fatto.m.celle.size() * formato::byte_cella);
    }
  }
  // Nothing the bad input did lingers: the embedded scenario compiles to its expected files.
  const compilatore::compilato fatto =
      compila(leggi_dati("Ostrale_Fiorna_linea.txt"), leggi_dati("Ostrale_Fiorna_40817-.txt"));
  ASSERT_EQ(fatto.errore.codice_errore, 0);
  const compilatore::modello& m = fatto.m;
  EXPECT_TRUE(formato::contenuto_tracciato(m.punti) == leggi_dati("Ostrale_Fiorna_linea.dat"));
  EXPECT_TRUE(formato::contenuto_tabella(m.tabella) == leggi_dati("Ostrale_Fiorna_40817.sim"));
  EXPECT_TRUE(formato::contenuto_celle(m.celle) == leggi_dati("Ostrale_Fiorna_40817.dat"));
}

TEST(IngressiOstili, LoneCrAndLoneLfEndLinesAsCrLfDoes) {
  const std::string corpo_linea = "pendenza, 5000\r\n-8\r\ncartello_indicatore, 3000, (Km 3)\r\n";
  const std::string corpo_treno = "orologio, 17\r\n4 30\r\nsegnale, 1650, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0\r\n";
  const compilatore::compilato fatto_crlf = compila(linea(corpo_linea), treno(corpo_treno));
  ASSERT_EQ(fatto_crlf.errore.codice_errore, 0);
  const compilatore::modello& crlf = fatto_crlf.m;
  for (const char* fine : {"\r", "\n"}) {
    SCOPED_TRACE(fine[0] == '\r' ? "CR" : "LF");
    const compilatore::compilato fatto = compila(sostituisci(linea(corpo_linea), "\r\n", fine),
                                                sostituisci(treno(corpo_treno), "\r\n", fine));
    ASSERT_EQ(fatto.errore.codice_errore, 0);
    const compilatore::modello& m = fatto.m;
    EXPECT_TRUE(formato::contenuto_celle(m.celle) == formato::contenuto_celle(crlf.celle));
    EXPECT_TRUE(formato::contenuto_tabella(m.tabella) == formato::contenuto_tabella(crlf.tabella));
    EXPECT_EQ(m.tabella[formato::voce_ripetizione].gruppo_b2, 4);
  }
}

}  // namespace
