// The largest limit the program takes: one whose bytes a signed 64-bit count holds.
#include <gtest/gtest.h>

#include <cmath>

#include "search/Limit.h"

TEST(Limit, CapacitiesMustBeA64BitByteCount) {
  const double most = std::ldexp(1.0, 43);  // megabytes in 2^63 bytes
  for (const auto& [megabytes, fits] : {std::pair{most - 1, true}, {most, false}, {1 - most, true}, {-most, false},
                                        {HUGE_VAL, false}, {std::nan(""), false}})
    EXPECT_EQ(search::capacityFits(megabytes), fits) << megabytes;
}
