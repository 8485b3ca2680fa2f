#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "scenario_text/riempi_testo.h"

namespace {

using testo_scenario::a_destra;
using testo_scenario::a_sinistra;

TEST(RiempiTesto, FieldsArePaddedOnTheOtherSide) {
  const struct {
    const char* testo;
    std::size_t larghezza;
    const char* sinistra;
    const char* destra;
  } casi[] = {
      {"80", 4, "80  ", "  80"},
      {"Torrente", 8, "Torrente", "Torrente"},  // exactly full: no blank
      {"", 3, "   ", "   "},
      {"\xe8", 2, "\xe8 ", " \xe8"},  // one byte is one column
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.testo);
    EXPECT_EQ(a_sinistra(caso.testo, caso.larghezza), caso.sinistra);
    EXPECT_EQ(a_destra(caso.testo, caso.larghezza), caso.destra);
  }
}

// A field one character too wide would shift every bar after it on the line.
TEST(RiempiTesto, ATextWiderThanItsFieldIsRefused) {
  EXPECT_THROW(static_cast<void>(a_sinistra("Torrente", 7)), std::length_error);
  EXPECT_THROW(static_cast<void>(a_destra("12345", 4)), std::length_error);
  EXPECT_THROW(static_cast<void>(a_sinistra("x", 0)), std::length_error);
}

}  // namespace
