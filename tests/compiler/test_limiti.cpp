#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "compiler/compilatore.h"
#include "conta_memoria.h"
#include "formato/campi.h"
#include "formato/scrivi_binari.h"
#include "formato/voci.h"
#include "platform/file_system_memoria.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitizzato = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sanitizzato = true;
#else
constexpr bool sanitizzato = false;
#endif
#else
constexpr bool sanitizzato = false;
#endif

// About two seconds for the largest input; the sanitizers slow everything tenfold or more.
constexpr double secondi_massimi = sanitizzato ? 40.0 : 2.0;

constexpr std::int32_t lunghezza = compilatore::lunghezza_massima;
constexpr std::int32_t estesa = lunghezza + compilatore::estensione_linea;
constexpr std::int32_t n_celle = estesa / 50;  // 1007000 / 50 is whole: no rounding to decide
// The last position whose record still passes the grid check (p + 100) / 50 <= n_celle.
constexpr std::int32_t ultima_posizione = n_celle * 50 - 100;

std::string n(std::int64_t v) { return std::to_string(v); }

// The general section at the maximum length, and a curve that turns the
// whole line up to the last metre the geometry may compute.
std::string generale_massima() {
  return "[generale]\r\nlunghezza percorso, " + n(lunghezza) +
         "\r\nprogressiva chilometrica uno, 0, 350000, 1\r\nprogressiva chilometrica due, 500000, 850000, 0\r\n"
         "progressiva chilometrica tre, 900000, 1250000, 1\r\nsfondo uno, 1\r\nsfondo due, 2\r\nsfondo tre, 3\r\n"
         "ripetizione segnali 9 codici, 1650, " + n(lunghezza) + "\r\n[curve]\r\ncurvad1, 0, 999999\r\n";
}

std::string pendenze_ovunque() {
  std::string t = "[pendenze]\r\n";
  for (std::int32_t p = 0; p <= ultima_posizione; p += 50) t += "pendenza, " + n(p) + ", " + n(p / 50 % 41 - 20) + "\r\n";
  return t;
}

std::string montagne_massime() {
  std::string t = "[montagne]\r\n";
  for (int i = 0; i < compilatore::massimo_montagne; ++i) {
    t += "montagna, " + n(12500 * i) + ", " + n(12500 * i + 12000) + ", " + n(i % 2 == 0 ? 3 : 13) + "\r\n";
  }
  return t;
}

// Speed boards on every cell from 2 to the last one a record reaches, but a
// kilometre board every 500 cells: 40 boards.
constexpr int cartelli = 40;
std::string cartelli_ovunque() {
  std::string t = "[cartelli]\r\n";
  for (std::int32_t p = 50; p <= ultima_posizione; p += 50) {
    if (p / 50 % 500 == 250) {
      t += "cartello_indicatore, " + n(p) + ", (Km " + n(p / 1000) + "+" + n(p % 1000) + ")\r\n";
    } else {
      t += "indicatori_vmax, " + n(p) + ", 150, 140, 130, 2, 100, 90, 80, 1\r\n";
    }
  }
  return t;
}

std::string linea_piena() {
  return generale_massima() + pendenze_ovunque() + montagne_massime() + cartelli_ovunque() + "[fine]\r\n";
}

std::string linea_libera() { return generale_massima() + pendenze_ovunque() + montagne_massime() + "[fine]\r\n"; }

std::string testa_treno() {
  return "[generale]\r\nnumero vetture, 12\r\npercentuale massa frenata, 150\r\nsabbia, 32767\r\n"
         "orologio, 23 59 59\r\n";
}

std::string velocita_e_aderenze_ovunque() {
  std::string t = "[vel_limite]\r\n";
  for (std::int32_t p = 0; p <= ultima_posizione; p += 50) t += "velocita, " + n(p) + ", " + n(60 + p / 50 % 20 * 5) + "\r\n";
  t += "[aderenze]\r\n";
  for (std::int32_t p = 0; p <= ultima_posizione; p += 50) t += "aderenza, " + n(p) + ", " + n(50 + p / 50 % 50) + "\r\n";
  return t;
}

// As many stations as the table holds beside the boards, 25 km apart.
std::string stazioni_massime(int quante) {
  std::string t = "[stazioni]\r\n";
  for (int i = 0; i < quante; ++i) {
    t += "stazione, " + n(1000 + 25000 * i) + ", " + n(i % 2 == 0 ? 12 : 8) +
         ", 400, 0, 0, 0, 1, 2, 3, 4, 5, 6, 60, 10, " + n(i % 60) + ", 0, Stazione " + n(i) + "\r\n";
  }
  return t;
}

// A signal on every cell the approach codes allow, to the last one.
std::string segnali_ovunque() {
  std::string t = "[segnali]\r\n";
  for (std::int32_t p = 400; p <= ultima_posizione; p += 50) t += "segnale, " + n(p) + ", 2, 4, 0, 0, 0, 2, 1, 0, 0, 50\r\n";
  return t;
}

// A slow slowdown every 2500 m, each with its four cells before the warning.
std::string rallentamenti_ovunque() {
  std::string t = "[rallentamenti]\r\n";
  for (std::int32_t x = 2500; x + 3000 <= lunghezza; x += 2500) t += "rallentamento, " + n(x) + ", 30, 1000, 1, 1, 20\r\n";
  return t;
}

struct caso {
  const char* nome;
  std::string linea;
  std::string treno;
  std::uint8_t evento;  // the event the case fills the grid with...
  std::size_t almeno;   // ...in at least this many cells
};

std::size_t conta(const compilatore::modello& m, std::uint8_t evento) {
  std::size_t quante = 0;
  for (const auto& c : m.celle) quante += c.evento == evento ? 1 : 0;
  return quante;
}

// The heap the model itself needs at the maximum length: the grid and both coordinates.
constexpr std::size_t byte_modello =
    (n_celle + 1) * sizeof(compilatore::cella) + 2 * std::size_t{estesa + 1} * sizeof(double);

TEST(Limiti, WorstInputsAtTheMaximumLengthStayWithinTimeAndMemory) {
  const caso casi[] = {
      {"every cell a speed board, max boards, stations, mountains, gradients, speeds",
       linea_piena(), testa_treno() + velocita_e_aderenze_ovunque() + stazioni_massime(78 - cartelli) + "[fine]\r\n",
       compilatore::evento::indicatore_v_max, (n_celle - 3) - cartelli - (78 - cartelli)},
      {"a signal on every cell", linea_libera(), testa_treno() + segnali_ovunque() + "[fine]\r\n",
       compilatore::evento::segnale, (ultima_posizione - 400) / 50 + 1},
      // Each slowdown gets three points before it and one every 400 m inside.
      {"a slowdown every 2500 m", linea_libera(), testa_treno() + rallentamenti_ovunque() + "[fine]\r\n",
       compilatore::evento::abbattimento, 398 * 5},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    piattaforma::file_system_memoria fs;
    fs.file["p/linea.txt"] = c.linea;
    fs.file["p/treno.txt"] = c.treno;
    const std::size_t ingresso = c.linea.size() + c.treno.size();

    const std::size_t prima = conta_memoria::in_uso();
    conta_memoria::azzera_picco();
    const auto inizio = std::chrono::steady_clock::now();
    const compilatore::compilato fatto =
        compilatore::compila(fs, {"p/linea.txt", "p/treno.txt"}, {"Ostrale_Fiorna", "40817", 1, true});
    const double secondi_compila = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    const std::size_t picco_compila = conta_memoria::picco() - prima;

    ASSERT_EQ(fatto.errore.codice_errore, 0) << "at " << fatto.errore.posizione_errore << " m";
    const compilatore::modello& m = fatto.m;
    EXPECT_EQ(m.n_celle, n_celle);
    EXPECT_EQ(m.celle.size(), std::size_t{n_celle} + 1);
    EXPECT_EQ(m.punti.x.size(), std::size_t{estesa} + 1);
    EXPECT_EQ(m.punti.assegnati, estesa - 1);
    EXPECT_GE(conta(m, c.evento), c.almeno);

    conta_memoria::azzera_picco();
    const std::size_t prima_file = conta_memoria::in_uso();
    const auto inizio_file = std::chrono::steady_clock::now();
    const std::string tracciato = formato::contenuto_tracciato(m.punti);
    const std::string tabella = formato::contenuto_tabella(m.tabella);
    const std::string celle = formato::contenuto_celle(m.celle);
    const double secondi_file = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio_file).count();
    const std::size_t picco_file = conta_memoria::picco() - prima_file;
    // Each coordinate is a 2-byte kind tag and its value: 2 bytes for the two
    // seeded integer points, 8 for every computed one, none for the last two.
    EXPECT_EQ(tracciato.size(), 2 * 2 * (2 + 2) + std::size_t{estesa - 3} * 2 * (2 + 8) + 2 * 2 * 2);
    EXPECT_EQ(celle.size(), (std::size_t{n_celle} + 1) * formato::byte_cella);

    std::cout << "  " << c.nome << ": " << ingresso / 1024 << " KiB in, compile " << secondi_compila << " s, peak "
              << picco_compila / (1024 * 1024) << " MiB; files " << secondi_file << " s, peak "
              << picco_file / (1024 * 1024) << " MiB\n";
    EXPECT_LT(secondi_compila + secondi_file, secondi_massimi);
    if (conta_memoria::misura_attiva()) {
      // The model, the text of both files read once, and a little working space.
      EXPECT_LT(picco_compila, byte_modello + 2 * ingresso + (std::size_t{4} << 20));
      // The three files, with room for one reallocation of the largest.
      const std::size_t uscita = tracciato.size() + tabella.size() + celle.size();
      EXPECT_LT(picco_file, 2 * uscita + (std::size_t{1} << 20));
    }
  }
}

// Each length line once resized and zero-filled the whole grid and geometry:
// a 60 KB file of them took minutes. The last length still decides the size.
TEST(Limiti, RepeatedLengthLinesSizeTheGridOnceByTheLastOne) {
  std::string linea = "[generale]\r\n";
  for (int i = 0; i < 20000; ++i) linea += i % 2 == 0 ? "lunghezza percorso, 1000000\r\n" : "lunghezza percorso, 0\r\n";
  linea += "lunghezza percorso, 500000\r\n[curve]\r\ncurvas2, 1000, 400000\r\n[fine]\r\n";
  piattaforma::file_system_memoria fs;
  fs.file["p/linea.txt"] = linea;
  fs.file["p/treno.txt"] = "[generale]\r\nvelocita, 0, 100\r\n[fine]\r\n";

  const auto inizio = std::chrono::steady_clock::now();
  const compilatore::compilato fatto =
      compilatore::compila(fs, {"p/linea.txt", "p/treno.txt"}, {"Ostrale_Fiorna", "40817", 1, true});
  const double secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();

  ASSERT_EQ(fatto.errore.codice_errore, 0);
  const compilatore::modello& m = fatto.m;
  EXPECT_EQ(m.tabella[formato::voce_lunghezza].fine, 500000);
  EXPECT_EQ(m.n_celle, (500000 + 7000) / 50);
  EXPECT_EQ(m.punti.x.size(), std::size_t{500000 + 7000 + 1});
  EXPECT_EQ(m.celle[m.n_celle - 3].vel_limite, 20);
  EXPECT_LT(secondi, secondi_massimi);
}

}  // namespace
