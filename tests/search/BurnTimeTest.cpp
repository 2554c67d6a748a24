// The burn-time estimate: whole seconds at 150 KB a second per speed step, the fields of
// the duration, and the estimate of a byte total at a speed list's entry.
#include <gtest/gtest.h>

#include <limits>

#include "catalogue/Numbers.h"
#include "search/BurnTime.h"

using namespace search;

namespace {
constexpr qint32 hourAt1x = 3600 * 150;
constexpr qint32 maxKb = std::numeric_limits<qint32>::max();
}  // namespace

TEST(BurnTime, SecondsAreTruncatedAndEveryFieldHasTwoDigitsOrMore) {
  const struct { qint32 kb; quint8 speed; const char* text; } cases[] = {
      {700 * 1024, 48, "01:39"},     {700 * 1024, 1, "01:19:38"},  {150, 1, "00:01"},
      {149, 1, "00:00"},             {hourAt1x, 1, "01:00:00"},    {hourAt1x - 150, 1, "59:59"},
      {0, 0, "00:00"},               {0, 48, "00:00"},             {150, 0, "00:00"},
      {-150, 1, "00:00"},            {32700 * 10, 218, "00:10"},   {32850 * 10, 219, ""},
      {maxKb, 255, ""},              {9 * hourAt1x + 61 * 150, 1, "09:01:01"},
      {100 * hourAt1x, 1, "100:00:00"}, {255 * hourAt1x + 150, 1, "255:00:01"},
      {256 * hourAt1x, 1, "256:00:00"}, {maxKb, 1, "3976:49:17"},
  };
  for (const auto& [kb, speed, text] : cases)
    EXPECT_EQ(burntime(kb, speed).toStdString(), text) << kb << " at " << int(speed);
}

TEST(BurnTime, IntdivCountsWholeTimesAndLeavesTheRest) {
  const qint64 huge = std::numeric_limits<qint64>::max();
  const qint32 most = std::numeric_limits<qint32>::max();
  const struct { qint64 number, bywhat; qint32 count; qint64 rest; } cases[] = {
      {7, 3, 2, 1},   {3, 3, 1, 0},  {2, 3, 0, 2},  {-7, 3, 0, -7},
      {7, 0, 0, 7},   {7, -3, 0, 7}, {huge, 1, most, huge - most},
  };
  for (auto [number, bywhat, count, rest] : cases) {
    const qint64 given = number;
    EXPECT_EQ(intdiv(number, bywhat), count) << given << " by " << bywhat;
    EXPECT_EQ(number, rest) << given << " by " << bywhat;
  }
}

// The total counts as the megabytes its box shows, to the hundredth (149 KB show as 0.15 MB),
// and becomes kilobytes rounded, not truncated: 2.49 MB are 2549.76 KB and count as 2550.
TEST(BurnTime, EstimateTakesTheShownMegabytesAndTheSpeedEntry) {
  constexpr qint64 mb = catalogue::MB;
  const struct { qint64 bytes; const char *speed, *text; } cases[] = {
      {700 * mb, "48x", "01:39"},   {700 * mb, "1x", "01:19:38"},   {qint64(2.49 * mb), "1x", "00:17"},
      {qint64(2.05 * mb), "1x", "00:13"}, {149 * 1024, "1x", "00:01"}, {0, "1x", "00:00"},
      {0, "", "00:00"},             {700 * mb, "0x", "00:00"},      {700 * mb, "219x", ""},
      {700 * mb, "256x", ""},       {700 * mb, "-1x", ""},          {1'000'000'000 * mb, "1x", "3976:49:17"},
      {-1'000'000'000 * mb, "1x", "00:00"},
  };
  for (const auto& [bytes, entry, text] : cases) {
    const std::optional<quint8> speed = entrySpeed(entry);
    EXPECT_EQ((speed ? speedEstimate(bytes, *speed) : QString()).toStdString(), text) << bytes << " at " << entry;
  }
}

TEST(BurnTime, SpeedListRunsFrom1xTo100x) {
  const QStringList speeds = speedList();
  ASSERT_EQ(speeds.size(), 27);
  EXPECT_EQ(speeds.mid(0, 4), (QStringList{"1x", "2x", "4x", "8x"}));
  EXPECT_EQ(speeds.last(), "100x");
}
