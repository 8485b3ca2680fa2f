#include "scenario_text/lettore_voci.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using testo_scenario::errore_lettura;
using testo_scenario::lettore_voci;

// The reader keeps a view of its text: one made from a temporary would dangle.
static_assert(!std::is_constructible_v<lettore_voci, std::string&&>);
static_assert(std::is_constructible_v<lettore_voci, const std::string&>);
static_assert(std::is_constructible_v<lettore_voci, const char*>);

enum class genere { testo, numero, corto, byte };

// One read: its kind and either the expected item (numbers in decimal) or
// a failure; `fine` is what alla_fine() must say after it.
struct lettura {
  genere tipo;
  std::string atteso;
  bool fallisce = false;
  bool fine = false;
};

lettura testo(std::string atteso, bool fine = false) { return {genere::testo, std::move(atteso), false, fine}; }
lettura numero(std::int64_t atteso, bool fine = false) { return {genere::numero, std::to_string(atteso), false, fine}; }
lettura corto(std::int64_t atteso, bool fine = false) { return {genere::corto, std::to_string(atteso), false, fine}; }
lettura byte(std::int64_t atteso, bool fine = false) { return {genere::byte, std::to_string(atteso), false, fine}; }
lettura fallisce(genere tipo) { return {tipo, "", true, false}; }

std::string leggi(lettore_voci& lettore, genere tipo) {
  switch (tipo) {
    case genere::testo:
      return lettore.leggi_testo();
    case genere::numero:
      return std::to_string(lettore.leggi_numero());
    case genere::corto:
      return std::to_string(lettore.leggi_corto());
    case genere::byte:
      return std::to_string(static_cast<int>(lettore.leggi_byte()));
  }
  return {};
}

struct caso_lettura {
  const char* nome;
  std::string ingresso;
  std::vector<lettura> letture;
};

const std::vector<caso_lettura>& casi_lettura() {
  static const std::vector<caso_lettura> casi = {
      {"clock numbers separated by blanks alone",
       "orologio, 17 4 30\r\n[fine]\r\n",
       {testo("orologio"), corto(17), corto(4), corto(30), testo("[fine]", true)}},
      {"clock line as the writer spaces it, trailing blank included",
       "orologio,    17              4             30 \r\n[fine]\r\n",
       {testo("orologio"), corto(17), corto(4), corto(30), testo("[fine]", true)}},
      {"speed board with three empty values",
       "indicatori_vmax,  143500,  60,  70,  75,  2,  ,  ,  ,  0\r\n[fine]\r\n",
       {testo("indicatori_vmax"), numero(143500), numero(60), numero(70), numero(75), numero(2), numero(0),
        numero(0), numero(0), numero(0), testo("[fine]", true)}},
      {"empty values do not swallow the last one",
       "indicatori_vmax,  143500,  60,  70,  75,  2,  ,  ,  ,  1\r\n[fine]\r\n",
       {testo("indicatori_vmax"), numero(143500), numero(60), numero(70), numero(75), numero(2), numero(0),
        numero(0), numero(0), numero(1), testo("[fine]", true)}},
      {"comment line of dashes is one item per comma-free line",
       "---------- curve ----------\r\ncurvas3, 1900, 600\r\n",
       {testo("---------- curve ----------"), testo("curvas3"), numero(1900), numero(600, true)}},
      {"section headers are items of their own",
       "[generale]\r\n[curve]\r\n[fine]\r\n",
       {testo("[generale]"), testo("[curve]"), testo("[fine]", true)}},
      {"text keeps inner blanks",
       "progressiva chilometrica uno,    0\r\nstazione,       0, SAN VITTORE ALTO\r\n",
       {testo("progressiva chilometrica uno"), numero(0), testo("stazione"), numero(0),
        testo("SAN VITTORE ALTO", true)}},
      {"board text keeps the blanks that fill its pieces",
       "cartello_indicatore,  35650,   (Torrente  )(Varesca   )( Km 314+347)\r\n",
       {testo("cartello_indicatore"), numero(35650), testo("(Torrente  )(Varesca   )( Km 314+347)", true)}},
      {"text drops leading and trailing blanks",
       "  \tBORGO  MARENCO \t , 5\r\n",
       {testo("BORGO  MARENCO"), numero(5, true)}},
      {"CR LF line ends",
       "a, 1\r\nb, -2\r\n",
       {testo("a"), numero(1), testo("b"), numero(-2, true)}},
      {"LF line ends",
       "a, 1\nb, -2\n",
       {testo("a"), numero(1), testo("b"), numero(-2, true)}},
      {"CR line ends",
       "a, 1\rb, -2\r",
       {testo("a"), numero(1), testo("b"), numero(-2, true)}},
      {"blanks before a comma change nothing",
       "pendenza, 5000   ,   -8   \r\n",
       {testo("pendenza"), numero(5000), numero(-8, true)}},
      {"record split over two lines",
       "segnale,    1650,   2, 4\r\n 0,  0\r\n[fine]\r\n",
       {testo("segnale"), numero(1650), numero(2), numero(4), numero(0), numero(0), testo("[fine]", true)}},
      {"text value taken from the next line",
       "stazione, 146150\r\nFIORNA\r\n",
       {testo("stazione"), numero(146150), testo("FIORNA", true)}},
      {"last record ending in CR LF reaches the end",
       "pendenza, 5000, -8\r\n",
       {testo("pendenza"), numero(5000), numero(-8, true), fallisce(genere::testo)}},
      {"last record without a line end reaches the end",
       "[generale]\r\n[fine]",
       {testo("[generale]"), testo("[fine]", true), fallisce(genere::numero)}},
      {"an item before the last does not reach the end",
       "[fine]\r\nx",
       {testo("[fine]", false), testo("x", true), fallisce(genere::byte)}},
      {"reading an empty file fails",
       "",
       {fallisce(genere::testo)}},
      {"number at its limits",
       "2147483647, -2147483648\r\n",
       {numero(2147483647), numero(-2147483648LL, true)}},
      {"number above its range", "2147483648\r\n", {fallisce(genere::numero)}},
      {"number below its range", "-2147483649\r\n", {fallisce(genere::numero)}},
      {"number far above its range", "123456789012345678901234567890\r\n", {fallisce(genere::numero)}},
      {"short at its limits", "32767, -32768\r\n", {corto(32767), corto(-32768, true)}},
      {"short above its range", "32768\r\n", {fallisce(genere::corto)}},
      {"short below its range", "-32769\r\n", {fallisce(genere::corto)}},
      {"byte at its limits", "0, 255\r\n", {byte(0), byte(255, true)}},
      {"byte above its range", "256\r\n", {fallisce(genere::byte)}},
      {"byte cannot be negative", "-1\r\n", {fallisce(genere::byte)}},
      {"decimal point", "1.5\r\n", {fallisce(genere::numero)}},
      {"decimal comma splits into two numbers", "1,5\r\n", {numero(1), numero(5, true)}},
      {"exponent", "1e3\r\n", {fallisce(genere::numero)}},
      {"plus sign", "+5\r\n", {fallisce(genere::numero)}},
      {"a lone minus", "-\r\n", {fallisce(genere::numero)}},
      {"word where a number is wanted", "abc\r\n", {fallisce(genere::corto)}},
      {"digits followed by letters", "12abc\r\n", {fallisce(genere::numero)}},
      {"quoted text", "\"OSTRALE CENTRALE\"\r\n", {fallisce(genere::testo)}},
      {"quoted text where a number is wanted", "\"5\"\r\n", {fallisce(genere::numero)}},
  };
  return casi;
}

TEST(LettoreVoci, ReadsItemsAsTheFormatDefines) {
  for (const caso_lettura& caso : casi_lettura()) {
    SCOPED_TRACE(caso.nome);
    lettore_voci lettore(caso.ingresso);
    for (std::size_t i = 0; i < caso.letture.size(); ++i) {
      SCOPED_TRACE("read " + std::to_string(i + 1));
      const lettura& passo = caso.letture[i];
      if (passo.fallisce) {
        EXPECT_THROW(leggi(lettore, passo.tipo), errore_lettura);
        break;  // nothing is defined after a failed read
      }
      EXPECT_EQ(leggi(lettore, passo.tipo), passo.atteso);
      EXPECT_EQ(lettore.alla_fine(), passo.fine);
    }
  }
}

struct caso_posizioni {
  const char* nome;
  std::string fine_riga;
};

TEST(LettoreVoci, ItemStartsCountLinesAndColumns) {
  const caso_posizioni casi[] = {{"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}};
  for (const caso_posizioni& caso : casi) {
    SCOPED_TRACE(caso.nome);
    const std::string sep = caso.fine_riga;
    const std::string ingresso = "abc,  de" + sep + "  fg, 12" + sep + sep + "h" + sep;
    lettore_voci lettore(ingresso);
    const testo_scenario::posizione_testo attese[] = {{1, 1}, {1, 7}, {2, 3}, {2, 7}, {3, 1}, {4, 1}};
    for (std::size_t i = 0; i < std::size(attese); ++i) {
      SCOPED_TRACE("item " + std::to_string(i + 1));
      lettore.leggi_testo();
      EXPECT_EQ(lettore.inizio_voce().riga, attese[i].riga);
      EXPECT_EQ(lettore.inizio_voce().colonna, attese[i].colonna);
    }
    EXPECT_TRUE(lettore.alla_fine());
  }
}

TEST(LettoreVoci, FailureNamesWhereTheBadItemStarts) {
  lettore_voci lettore("pendenza, 5000\r\n  aderenza,  9.5\r\n");
  lettore.leggi_testo();
  lettore.leggi_numero();
  lettore.leggi_testo();
  try {
    lettore.leggi_numero();
    FAIL() << "9.5 was read as a number";
  } catch (const errore_lettura& e) {
    EXPECT_EQ(e.dove().riga, 2);
    EXPECT_EQ(e.dove().colonna, 14);
  }
}

TEST(LettoreVoci, ReadPastTheEndNamesTheEndOfFile) {
  lettore_voci lettore("[generale]\r\n[fine]\r\n");
  lettore.leggi_testo();
  lettore.leggi_testo();
  try {
    lettore.leggi_testo();
    FAIL() << "a read past the end succeeded";
  } catch (const errore_lettura& e) {
    EXPECT_EQ(e.dove().riga, 3);
    EXPECT_EQ(e.dove().colonna, 1);
  }
}

struct caso_contiene {
  const char* voce;
  const char* parola;
  bool senza_maiuscole;  // contiene
  bool esatto;           // contiene_esatto
};

TEST(LettoreVoci, KeywordTestsWithAndWithoutLetterCase) {
  const caso_contiene casi[] = {
      {"progressiva chilometrica uno", "uno", true, true},
      {"progressiva chilometrica Uno", "uno", true, false},
      {"PERCENTUALE MASSA FRENATA", "frenata", true, false},
      {"percentuale massa frenata", "MASSA", true, false},
      {"curvad3", "curva", true, true},
      {"[curve]", "curva", false, false},
      {"[pendenze]", "pendenza", false, false},
      {"[segnali]", "segnale", false, false},
      {"ripetizione segnali 4 codici", "segnali", true, true},
      {"sfondo", "sfondo due", false, false},
      {"", "a", false, false},
      {"abc", "", true, true},
      {"", "", true, true},
  };
  for (const caso_contiene& caso : casi) {
    SCOPED_TRACE(std::string(caso.voce) + " / " + caso.parola);
    EXPECT_EQ(testo_scenario::contiene(caso.voce, caso.parola), caso.senza_maiuscole);
    EXPECT_EQ(testo_scenario::contiene_esatto(caso.voce, caso.parola), caso.esatto);
  }
}

}  // namespace
