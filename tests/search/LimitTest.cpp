// The limit box's rule: what a text becomes, the bytes shown and the whole bytes searched,
// and the largest limit taken: one whose bytes a signed 64-bit count holds.
#include <gtest/gtest.h>

#include <cmath>

#include "search/Limit.h"

// A fraction of a byte holds no file: below 10 megabytes a 10-megabyte file does not fit.
TEST(Limit, ATextBecomesACapacityOrTheFirstEntry) {
  const struct { const char *text, *shown, *bytesText; qint64 bytes; } cases[] = {
      {"702", "702", "736100352", 736100352},   {" 0.5 ", " 0.5 ", "524288", 524288},
      {"abc", "702", "736100352", 736100352},   {"1e400", "702", "736100352", 736100352},
      {"9.9999999", "9.9999999", "10485759.895142401", 10485759}, {"-0.0000001", "-0.0000001", "-0.1048576", -1},
  };
  for (const auto& [text, shown, bytesText, bytes] : cases) {
    const search::Capacity capacity = search::changedCapacity(text, {"702", "98"});
    EXPECT_EQ(QStringList({capacity.text, capacity.bytesText}), QStringList({shown, bytesText})) << text;
    EXPECT_EQ(capacity.bytes, bytes) << text;
    EXPECT_EQ(search::typedCapacity(text).has_value(), QString(shown) == text) << text;
  }
  EXPECT_EQ(search::changedCapacity("", {}).bytes, 4666163200);  // 4450 megabytes
  EXPECT_EQ(search::changedCapacity("", {"x"}).bytesText, "0");
}

TEST(Limit, CapacitiesMustBeA64BitByteCount) {
  const double most = std::ldexp(1.0, 43);  // megabytes in 2^63 bytes
  for (const auto& [megabytes, fits] : {std::pair{most - 1, true}, {most, false}, {1 - most, true}, {-most, false},
                                        {HUGE_VAL, false}, {std::nan(""), false}})
    EXPECT_EQ(search::capacityFits(megabytes), fits) << megabytes;
}
