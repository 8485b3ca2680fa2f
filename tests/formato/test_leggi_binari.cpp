#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "byte_prova.h"
#include "formato/leggi_binari.h"
#include "formato/scrivi_binari.h"
#include "formato/voci.h"

namespace {

using namespace formato;

void confronta(const voce& letta, const voce& attesa) {
  EXPECT_EQ(letta.tipo_stazione, attesa.tipo_stazione);
  EXPECT_EQ(letta.inizio, attesa.inizio);
  EXPECT_EQ(letta.fine, attesa.fine);
  EXPECT_EQ(letta.progressiva, attesa.progressiva);
  EXPECT_EQ(letta.capolinea, attesa.capolinea);
  EXPECT_EQ(letta.nome, attesa.nome);
  EXPECT_EQ(letta.gruppo_a1, attesa.gruppo_a1);
  EXPECT_EQ(letta.gruppo_a2, attesa.gruppo_a2);
  EXPECT_EQ(letta.gruppo_b1, attesa.gruppo_b1);
  EXPECT_EQ(letta.gruppo_b2, attesa.gruppo_b2);
  EXPECT_EQ(letta.gruppo_b3, attesa.gruppo_b3);
  EXPECT_EQ(letta.gruppo_a3, attesa.gruppo_a3);
  EXPECT_EQ(letta.sosta, attesa.sosta);
  EXPECT_EQ(letta.prolunga, attesa.prolunga);
  EXPECT_EQ(letta.flag_lunghezza, attesa.flag_lunghezza);
  EXPECT_EQ(letta.orario, attesa.orario);
}

void confronta(const cella& letta, const cella& attesa) {
  EXPECT_EQ(letta.evento, attesa.evento);
  EXPECT_EQ(letta.dato1, attesa.dato1);
  EXPECT_EQ(letta.dato2, attesa.dato2);
  EXPECT_EQ(letta.dato3, attesa.dato3);
  EXPECT_EQ(letta.dato4, attesa.dato4);
  EXPECT_EQ(letta.tempo_segnale, attesa.tempo_segnale);
  EXPECT_EQ(letta.preavviso, attesa.preavviso);
  EXPECT_EQ(letta.tipo_montagna, attesa.tipo_montagna);
  EXPECT_EQ(letta.vel_limite, attesa.vel_limite);
  EXPECT_EQ(letta.pendenza, attesa.pendenza);
  EXPECT_EQ(letta.aderenza, attesa.aderenza);
}

// Every field distinct and at the edges of its width, so a swapped, shortened
// or sign-lost field shows.
std::array<voce, voci_tabella> tabella_varia() {
  std::array<voce, voci_tabella> t{};
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto n = static_cast<std::int32_t>(i);
    t[i] = voce{.tipo_stazione = static_cast<std::uint8_t>(255 - i),
                .inizio = -100000 - n,
                .fine = 2000000000 + n,
                .progressiva = n * 50,
                .capolinea = static_cast<std::uint8_t>(i % 2),
                .nome = i % 3 == 0 ? std::string() : "VOCE " + std::to_string(i) + " CITT\xC0",
                .gruppo_a1 = static_cast<std::int16_t>(-32768 + n),
                .gruppo_a2 = static_cast<std::int16_t>(32767 - n),
                .gruppo_b1 = static_cast<std::int16_t>(n),
                .gruppo_b2 = static_cast<std::int16_t>(-n),
                .gruppo_b3 = static_cast<std::int16_t>(n * 3),
                .gruppo_a3 = static_cast<std::uint8_t>(i + 100),
                .sosta = static_cast<std::uint8_t>(i + 1),
                .prolunga = static_cast<std::uint8_t>(i % 5),
                .flag_lunghezza = static_cast<std::uint8_t>(i % 7),
                .orario = -n * 3600};
  }
  return t;
}

tracciato tracciato_curvo(std::int32_t ultimo) {
  tracciato p;
  p.x.assign(static_cast<std::size_t>(ultimo) + 1, 0.0);
  p.y.assign(static_cast<std::size_t>(ultimo) + 1, 0.0);
  p.y[1] = 1.0;
  for (std::int32_t m = 2; m <= ultimo - 2; ++m) {
    p.x[static_cast<std::size_t>(m)] = -std::sin(m * 0.001) * 1e-3 / 3.0;
    p.y[static_cast<std::size_t>(m)] = m + 1.0 / 7.0;
  }
  p.assegnati = ultimo - 1;
  return p;
}

TEST(LeggiBinari, TableRoundTripsEveryField) {
  const auto tabella = tabella_varia();
  std::array<voce, voci_tabella> letta{};
  const auto esito = leggi_tabella(contenuto_tabella(tabella), "t.sim", letta);
  ASSERT_TRUE(esito.riuscito()) << esito.messaggio();
  for (std::size_t i = 0; i < tabella.size(); ++i) {
    SCOPED_TRACE("voce " + std::to_string(i));
    confronta(letta[i], tabella[i]);
  }
}

TEST(LeggiBinari, CellsRoundTripEveryField) {
  std::vector<cella> celle(40);
  for (std::size_t i = 0; i < celle.size(); ++i) {
    const auto n = static_cast<int>(i);
    celle[i] = cella{.evento = static_cast<std::uint8_t>(i % 15),
                     .dato1 = static_cast<std::int16_t>(5121 + n),
                     .dato2 = static_cast<std::int16_t>(-2 - n),
                     .dato3 = static_cast<std::int16_t>(-32768 + n),
                     .dato4 = static_cast<std::int16_t>(32767 - n),
                     .tempo_segnale = static_cast<std::uint8_t>(101 + n),
                     .preavviso = static_cast<std::uint8_t>(81 + n),
                     .tipo_montagna = static_cast<std::uint8_t>(n % 4),
                     .vel_limite = static_cast<std::uint8_t>(28 - n / 2),
                     .pendenza = static_cast<std::uint8_t>(92 + n),
                     .aderenza = static_cast<std::uint8_t>(255 - n)};
  }
  std::vector<cella> lette;
  const auto esito = leggi_celle(contenuto_celle(celle), "t.dat", lette);
  ASSERT_TRUE(esito.riuscito()) << esito.messaggio();
  ASSERT_EQ(lette.size(), celle.size());
  for (std::size_t i = 0; i < celle.size(); ++i) {
    SCOPED_TRACE("cella " + std::to_string(i));
    confronta(lette[i], celle[i]);
  }
}

TEST(LeggiBinari, GeometryRoundTripsValuesAndElementKinds) {
  const tracciato punti = tracciato_curvo(60);
  tracciato letto;
  const auto esito = leggi_tracciato(contenuto_tracciato(punti), "l.dat", letto);
  ASSERT_TRUE(esito.riuscito()) << esito.messaggio();
  EXPECT_EQ(letto.assegnati, punti.assegnati);
  ASSERT_EQ(letto.x.size(), punti.x.size());
  ASSERT_EQ(letto.y.size(), punti.y.size());
  for (std::int32_t m = 0; m <= punti.ultimo_indice(); ++m) {
    SCOPED_TRACE("metro " + std::to_string(m));
    EXPECT_EQ(letto.tipo_di(m), punti.tipo_di(m));
    EXPECT_EQ(letto.x[static_cast<std::size_t>(m)], punti.x[static_cast<std::size_t>(m)]);
    EXPECT_EQ(letto.y[static_cast<std::size_t>(m)], punti.y[static_cast<std::size_t>(m)]);
  }
  EXPECT_EQ(letto.y[1], 1.0);
}

// No compiled file is empty: a grid has at least its 141 cells, a geometry
// its 7001 points a coordinate.
TEST(LeggiBinari, EmptyCellAndGeometryFilesAreRefused) {
  std::vector<cella> celle(3);
  tracciato punti = tracciato_curvo(10);
  EXPECT_EQ(leggi_celle("", "t.dat", celle).messaggio(), "t.dat: byte 0: il file \xE8 vuoto");
  EXPECT_EQ(celle.size(), 3u);
  EXPECT_EQ(leggi_tracciato("", "l.dat", punti).messaggio(), "l.dat: byte 0: il file \xE8 vuoto");
  EXPECT_EQ(punti.x.size(), 11u);
}

// Offsets below are counted from the record layout: with empty texts every
// record is 34 bytes, the last entry (voce_ripetizione) starts at 2924, its
// count at 2938, its `orario` at 2954; the file is 2958 bytes.
const std::string tabella_vuota = std::string(2958, '\0');

std::string con_byte(std::string s, std::size_t dove, const std::string& nuovi) {
  s.replace(dove, nuovi.size(), nuovi);
  return s;
}

enum class quale { tabella, celle, tracciato };

struct caso_guasto {
  const char* nome;
  quale file;
  std::string byte;
  std::string messaggio;  // the whole expected text after "<file>: "
};

TEST(LeggiBinari, MalformedFilesGiveTheOffsetAndWhatWasExpected) {
  const std::string intero_0 = byte({2, 0, 0, 0});
  const std::string intero_1 = byte({2, 0, 1, 0});
  const std::string reale = byte({5, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F});  // 1.0
  const std::string vuoto = byte({0, 0});
  const caso_guasto casi[] = {
      {"table empty", quale::tabella, "",
       "byte 0: atteso tipo_stazione della voce 0 (1 byte), ma il file finisce dopo 0"},
      {"table cut inside the last field", quale::tabella, tabella_vuota.substr(0, 2956),
       "byte 2954: atteso orario della voce 86 (4 byte), ma il file finisce dopo 2"},
      {"table cut between records", quale::tabella, tabella_vuota.substr(0, 34),
       "byte 34: atteso tipo_stazione della voce 1 (1 byte), ma il file finisce dopo 0"},
      {"table with trailing bytes", quale::tabella, tabella_vuota + "abcde",
       "byte 2958: attesa la fine del file dopo la voce 86, restano 5 byte"},
      {"text count past the end", quale::tabella, con_byte(tabella_vuota, 2938, byte({0x2C, 0x01})),
       "byte 2938: nome della voce 86 dichiara 300 byte, ma il file ne ha solo 18 dopo il conteggio"},
      {"text count cut in half", quale::tabella, tabella_vuota.substr(0, 2939),
       "byte 2938: atteso nome della voce 86 (2 byte), ma il file finisce dopo 1"},
      {"cells not a multiple of 15", quale::celle, std::string(52, '\0'),
       "byte 45: la lunghezza 52 non \xE8 un multiplo di 15: restano 7 byte dopo l'ultima cella intera"},
      {"cells shorter than one cell", quale::celle, std::string(14, '\0'),
       "byte 0: la lunghezza 14 non \xE8 un multiplo di 15: restano 14 byte dopo l'ultima cella intera"},
      {"geometry with an odd element count", quale::tracciato, vuoto + vuoto + vuoto,
       "byte 6: il file finisce dopo 3 elementi, atteso un numero pari (tutte le x, poi tutte le y)"},
      {"geometry type code 3", quale::tracciato, vuoto + byte({3, 0}) + vuoto + vuoto,
       "byte 2: elemento 1 con codice di tipo 3, atteso 0, 2 o 5"},
      {"geometry type code 0x0105", quale::tracciato, intero_0 + byte({5, 1}),
       "byte 4: elemento 1 con codice di tipo 261, atteso 0, 2 o 5"},
      {"geometry double cut short", quale::tracciato, intero_0 + byte({5, 0, 1, 2, 3}),
       "byte 6: atteso il valore reale dell'elemento 1 (8 byte), ma il file finisce dopo 3"},
      {"geometry type code cut in half", quale::tracciato, intero_0 + byte({5}),
       "byte 4: atteso il codice di tipo dell'elemento 1 (2 byte), ma il file finisce dopo 1"},
      {"geometry integer after the seeded points", quale::tracciato,
       intero_0 + intero_0 + intero_0 + vuoto + intero_0 + intero_1 + reale + vuoto,
       "byte 8: coordinata x del metro 2 di tipo 2 (intero), atteso il tipo 5 (reale) (3 punti assegnati)"},
      {"geometry coordinates assigned to different lengths", quale::tracciato,
       intero_0 + intero_0 + reale + vuoto + intero_0 + intero_1 + vuoto + vuoto,
       "byte 28: coordinata y del metro 2 di tipo 0 (vuoto), atteso il tipo 5 (reale) (3 punti assegnati)"},
      {"geometry value after an empty element", quale::tracciato,
       intero_0 + vuoto + reale + intero_0 + vuoto + reale,
       "byte 6: coordinata x del metro 2 di tipo 5 (reale), atteso il tipo 0 (vuoto) (1 punti assegnati)"},
  };
  for (const caso_guasto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    piattaforma::esito esito = piattaforma::esito::ok();
    std::string nome_file;
    switch (caso.file) {
      case quale::tabella: {
        auto tabella = tabella_varia();
        nome_file = "dir/B_T.sim";
        esito = leggi_tabella(caso.byte, nome_file, tabella);
        EXPECT_EQ(tabella[5].nome, tabella_varia()[5].nome) << "a failed read changed the output";
        break;
      }
      case quale::celle: {
        std::vector<cella> celle(2, cella{.evento = 7});
        nome_file = "dir/B_T.dat";
        esito = leggi_celle(caso.byte, nome_file, celle);
        EXPECT_EQ(celle.size(), 2u) << "a failed read changed the output";
        break;
      }
      case quale::tracciato: {
        tracciato punti = tracciato_curvo(10);
        nome_file = "dir/B_linea.dat";
        esito = leggi_tracciato(caso.byte, nome_file, punti);
        EXPECT_EQ(punti.assegnati, 9) << "a failed read changed the output";
        break;
      }
    }
    ASSERT_FALSE(esito.riuscito());
    EXPECT_EQ(esito.percorso(), nome_file);
    EXPECT_EQ(esito.ragione(), caso.messaggio);
  }
}

}  // namespace
