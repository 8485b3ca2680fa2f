#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "byte_prova.h"
#include "formato/codifica.h"

namespace {

using namespace formato;

// Stores `v`, checks the bytes and the place returned, and loads it back.
template <typename T>
void controlla(char* (*metti)(char*, T), T (*prendi)(const char*), T v, const std::string& attesi) {
  SCOPED_TRACE(attesi.size());
  char campo[8] = {};
  EXPECT_EQ(metti(campo, v), campo + attesi.size());
  EXPECT_EQ(std::string(campo, attesi.size()), attesi);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(static_cast<double>(prendi(campo))),
            std::bit_cast<std::uint64_t>(static_cast<double>(v)));
}

TEST(Codifica, FieldsAreLittleEndianAndLoadBackWhole) {
  controlla<std::uint8_t>(metti_u8, prendi_u8, 0xAB, byte({0xAB}));
  controlla<std::uint16_t>(metti_u16, prendi_u16, 0xFFFE, byte({0xFE, 0xFF}));
  controlla<std::int16_t>(metti_i16, prendi_i16, 5121, byte({0x01, 0x14}));
  controlla<std::int16_t>(metti_i16, prendi_i16, -2, byte({0xFE, 0xFF}));
  controlla<std::int16_t>(metti_i16, prendi_i16, std::numeric_limits<std::int16_t>::min(), byte({0x00, 0x80}));
  controlla<std::int32_t>(metti_i32, prendi_i32, 0x01020304, byte({0x04, 0x03, 0x02, 0x01}));
  controlla<std::int32_t>(metti_i32, prendi_i32, -500, byte({0x0C, 0xFE, 0xFF, 0xFF}));
  controlla<std::int32_t>(metti_i32, prendi_i32, std::numeric_limits<std::int32_t>::min(), byte({0, 0, 0, 0x80}));
  controlla<double>(metti_f64, prendi_f64, 1.0, byte({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
  controlla<double>(metti_f64, prendi_f64, -0.25, byte({0, 0, 0, 0, 0, 0, 0xD0, 0xBF}));
  controlla<double>(metti_f64, prendi_f64, -0.0, byte({0, 0, 0, 0, 0, 0, 0, 0x80}));
  controlla<double>(metti_f64, prendi_f64, -53854.84186801751, byte({0x58, 0x32, 0x95, 0xF0, 0xDA, 0x4B, 0xEA, 0xC0}));
}

}  // namespace
