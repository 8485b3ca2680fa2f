#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system_memoria.h"
#include "scenario_compilato.h"

// What the decompiler writes where the compile hides how a record was
// written: a small description, compiled, decompiled and compiled again.
// Each case names the lines it expects back, in order; the bytes must be
// the same in every case.

namespace {

struct caso {
  const char* nome;
  std::string generale;             // general section of the line file, after the length
  std::string linea;                // body of the line file, after its general section
  std::string treno;                // body of the service file
  std::vector<std::string> attese;  // lines of the decompiled files, blanks collapsed
};

void PrintTo(const caso& c, std::ostream* os) { *os << c.nome; }

// A line with its blanks collapsed: "a,   1,2" reads "a, 1, 2".
std::string compatta(const std::string& riga) {
  std::string esito;
  std::istringstream parti(riga);
  std::string pezzo;
  bool primo = true;
  while (std::getline(parti, pezzo, ',')) {
    const auto a = pezzo.find_first_not_of(' ');
    const auto b = pezzo.find_last_not_of(' ');
    if (!primo) esito += ", ";
    esito += a == std::string::npos ? "" : pezzo.substr(a, b - a + 1);
    primo = false;
  }
  return esito;
}

std::vector<std::string> righe_compatte(const std::string& testo) {
  std::vector<std::string> righe;
  std::istringstream in(testo);
  for (std::string r; std::getline(in, r);) {
    if (!r.empty() && r.back() == '\r') r.pop_back();
    righe.push_back(compatta(r));
  }
  return righe;
}

const std::string lunghezza = "[generale]\r\nlunghezza percorso, 20000\r\n";
const std::string generale_treno = "[generale]\r\nvelocita, 0, 100\r\n";

class DecompilaCasi : public ::testing::TestWithParam<caso> {};

TEST_P(DecompilaCasi, WritesWhatReproducesTheBytes) {
  const caso& c = GetParam();
  piattaforma::file_system_memoria fs;
  fs.file["s" SEPARATORE_PROVA "Val_linea.txt"] = lunghezza + c.generale + "[curve]\r\n" + c.linea + "[fine]\r\n";
  fs.file["s" SEPARATORE_PROVA "Val_9-.txt"] = generale_treno + c.treno + "[fine]\r\n";
  const auto originale = prova_decompila::compila(fs, "s", "Val", "9", "c");
  ASSERT_EQ(originale.stato, 0) << originale.errori;

  const auto d = prova_decompila::decompila(fs, {"c", "Val", "9", "--output", "o"});
  EXPECT_EQ(d.stato, 0) << d.errori;
  std::vector<std::string> scritte = righe_compatte(fs.file["o" SEPARATORE_PROVA "Val_linea.txt"]);
  const std::vector<std::string> treno = righe_compatte(fs.file["o" SEPARATORE_PROVA "Val_9-.txt"]);
  scritte.insert(scritte.end(), treno.begin(), treno.end());
  auto da = scritte.begin();
  for (const std::string& attesa : c.attese) {
    const auto trovata = std::find(da, scritte.end(), attesa);
    EXPECT_NE(trovata, scritte.end()) << "manca, o fuori ordine: " << attesa << "\n"
                                      << fs.file["o" SEPARATORE_PROVA "Val_linea.txt"]
                                      << fs.file["o" SEPARATORE_PROVA "Val_9-.txt"];
    if (trovata != scritte.end()) da = trovata + 1;
  }

  EXPECT_EQ(prova_decompila::compila(fs, "o", "Val", "9", "r").stato, 0);
  EXPECT_EQ(prova_decompila::differenze(prova_decompila::binari(fs, "c", "Val", "9"),
                                        prova_decompila::binari(fs, "r", "Val", "9")),
            "");
}

const caso casi[] = {
    {"positions_round_to_their_cell",
     "",
     "pendenza, 0, 3\r\npendenza, 4020, -12\r\n",
     "velocita, 8010, 60\r\naderenza, 0, 300\r\n",
     {"pendenza, 0, 3", "pendenza, 4000, -12", "aderenza, 0, 44", "velocita, 8000, 60"}},
    {"a_curve_laid_after_the_one_it_starts_inside",
     "",
     "curvad2, 3000, 700\r\ncurvas6, 3500, 250\r\n",
     "",
     {"curvad2, 3000, 700", "curvas6, 3700, 50"}},
    {"a_curve_from_the_start_of_the_line", "", "curvad1, 0, 300\r\n", "", {"curvad1, 0, 300"}},
    {"chainage_in_line_order",
     "progressiva chilometrica tre, 15000, 27000, 1\r\nprogressiva chilometrica uno, 0, 12000, 0\r\n",
     "",
     "",
     {"progressiva chilometrica uno, 0, 12000, 0", "progressiva chilometrica due, 15000, 27000, 1"}},
    {"a_mountain_near_the_one_before_gets_kind_3",
     "",
     "montagna, 1000, 2000, 1\r\nmontagna, 2100, 3000, 2\r\n",
     "",
     {"montagna, 1000, 2000, 1", "montagna, 2100, 3000, 3"}},
    {"three_free_cells_and_more_than_150_m_keep_the_kind",
     "",
     "montagna, 1000, 2025, 1\r\nmontagna, 2225, 3000, 2\r\n",
     "",
     {"montagna, 1000, 2050, 1", "montagna, 2224, 3000, 2"}},
    {"a_mountain_that_kept_its_kind_next_to_another",
     "",
     "montagna, 3000, 4000, 1\r\nmontagna, 500, 1000, 1\r\nmontagna, 4000, 5000, 2\r\n",
     "",
     {"montagna, 500, 1000, 3", "montagna, 3000, 4000, 1",
      "- montagna senza celle: quella dopo resta del suo tipo anche vicina all'altra", "montagna, 0, 0, 0",
      "montagna, 4000, 5000, 2"}},
    {"markers_of_two_overlapping_mountains", "", "montagna, 2000, 5000, 11\r\nmontagna, 2100, 3000, 12\r\n", "", {}},
    {"a_kind_above_10_without_markers", "", "montagna, 2000, 2100, -244\r\n", "", {"montagna, 2000, 2100, -244"}},
    {"the_list_reaches_the_last_cells",
     "",
     "",
     "velocita, 26900, 80\r\nvelocita, 50, 60\r\n",
     {"velocita, 26900, 80", "velocita, 50, 60"}},
    {"a_signal_time_is_raised_to_101",
     "",
     "",
     "segnale, 2500, 2, 4, 0, 0, 0, 2, 1, 0, 0, 50\r\n",
     {"segnale, 2500, 2, 4, 0, 0, 0, 2, 1, 0, 0, 101"}},
    {"sx_and_dx_past_the_digit_from_the_approach_codes",
     "",
     "",
     "segnale, 5000, 2, 4, 1, 0, 1, 4, 1, 0, 0, 0\r\n",
     {"segnale, 5000, 3, 4, 1, 0, 1, 1, 1, 0, 0, 0"}},
    {"a_wrapped_abbattimento_value", "", "", "abbattimento, 3000, 65536\r\n", {"abbattimento, 3000, 65536"}},
    {"an_author_point_where_the_post_processing_puts_one",
     "",
     "",
     "rallentamento, 5000, 60, 1000, 0, 0, 0\r\nabbattimento, 4750, 180\r\n",
     {"rallentamento, 5000, 60, 1000, 0, 0, 0", "abbattimento, 4750, 180"}},
    {"a_slowdown_off_the_multiple_of_50",
     "",
     "",
     "rallentamento, 5025, 60, 400, 0, 1, 40\r\n",
     {"rallentamento, 5025, 60, 425, 0, 1, 40"}},
    {"station_areas_by_kind",
     "",
     "",
     "stazione, 0, 7, 400, 1, 1, 1, 1,1,1, 1,1,1, 30, 7, 30, 0, PRIMA\r\n"
     "stazione, 5000, 5, 300, 0, 0, 0, 1,1,0, 4,1,1, 20, 7, 35, 10, SECONDA\r\n"
     "stazione, 12000, 12, 600, 0, 1, 1, 1,1,0, 4,1,1, 20, 7, 40, 0, TERZA\r\n"
     "stazione, 16000, 30, 200, 1, 0, 0, 0,0,0, 0,0,0, 0, 0, 0, 0, ULTIMA\r\n",
     {"stazione, 0, 7, 400, 1, 0, 0, 1, 1, 1, 1, 1, 1, 30, 7, 30, 0, PRIMA",
      "stazione, 5000, 5, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 20, 7, 35, 10, SECONDA",
      "stazione, 12000, 12, 600, 0, 1, 1, 1, 1, 0, 4, 1, 1, 20, 7, 40, 0, TERZA",
      "stazione, 16000, 30, 200, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ULTIMA"}},
    {"the_first_station_extended_50_m",
     "",
     "",
     "stazione, 1000, 12, 400, 0, 0, 1, 0,0,0, 0,0,0, 0, 0, 0, 0, A\r\n",
     {"stazione, 1000, 12, 400, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, A"}},
    {"a_speed_board_under_a_stop",
     "",
     "indicatori_vmax, 1100, 100, 110, 115, 1, 90, 100, 105, 2\r\n",
     "stazione, 1000, 12, 400, 0, 0, 0, 0,0,0, 0,0,0, 0, 0, 0, 0, A\r\n",
     {"indicatori_vmax, 1100, 0, 110, 115, 1, 0, 100, 105, 2"}},
    {"a_kilometre_board_under_a_stop",
     "",
     "cartello_indicatore, 1150, (Km 1)\r\ncartello_indicatore, 3000, (Km 3)\r\n",
     "stazione, 1000, 12, 400, 0, 0, 0, 0,0,0, 0,0,0, 0, 0, 0, 0, A\r\n",
     {"cartello_indicatore, 1150, (Km 1)", "cartello_indicatore, 3000, (Km 3)"}},
    {"a_slowdown_under_a_stop",
     "",
     "",
     "rallentamento, 6200, 60, 500, 1, 0, 40\r\nstazione, 6000, 12, 600, 0, 0, 0, 0,0,0, 0,0,0, 0, 0, 0, 0, A\r\n",
     {"[rallentamenti sotto le fermate]", "rallentamento, 6200, 60, 500, 1, 0, 40", "[stazioni]"}},
    {"a_signal_whose_approach_codes_a_station_overwrites",
     "",
     "",
     "segnale, 6400, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0\r\nstazione, 6000, 12, 600, 0, 0, 0, 0,0,0, 0,0,0, 0, 0, 0, 0, A\r\n",
     {"[segnali prima delle stazioni]", "segnale, 6400, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0", "[stazioni]"}},
    {"signals_whose_approach_cells_overlap",
     "",
     "",
     "segnale, 5100, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0\r\nsegnale, 5000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\r\n",
     {"segnale, 5100, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0", "segnale, 5000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0"}},
};

INSTANTIATE_TEST_SUITE_P(Descrizioni, DecompilaCasi, ::testing::ValuesIn(casi),
                         [](const ::testing::TestParamInfo<caso>& i) { return std::string(i.param.nome); });

}  // namespace
