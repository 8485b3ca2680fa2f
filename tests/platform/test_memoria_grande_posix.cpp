#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/memoria_grande.h"

namespace {

using vettore = std::vector<double, piattaforma::allocatore_grande<double>>;

// Large blocks start on a 2 MiB boundary, so the system can back them with
// large pages; small ones take the ordinary heap. Every size keeps its values.
TEST(MemoriaGrande, LargeBlocksAreAlignedForLargePagesAndEverySizeHoldsItsValues) {
  constexpr std::size_t mib = std::size_t{1} << 20;
  struct caso {
    std::size_t elementi;
    bool allineato;
  };
  const caso casi[] = {{1, false}, {mib / 16 - 1, false}, {mib / 8, true}, {159001, true}, {1007001, true}};
  for (const caso& c : casi) {
    SCOPED_TRACE(c.elementi);
    vettore v(c.elementi);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<double>(i) * 0.5;
    if (c.allineato) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(v.data()) % (2 * mib), 0u);
    }
    vettore copia = v;
    v.clear();
    v.shrink_to_fit();
    ASSERT_EQ(copia.size(), c.elementi);
    EXPECT_EQ(copia.front(), 0.0);
    EXPECT_EQ(copia.back(), static_cast<double>(c.elementi - 1) * 0.5);
  }
}

}  // namespace
