// One tick of the availability timer at a time, without any clock.
#include <gtest/gtest.h>

#include "support/OutputFakes.h"

namespace {

TEST(AvailabilityTimer, CommandsFollowTheRowCountsOfTheLists) {
  const char* const outputs[] = {"cmdCopy", "cmdsave", "cmdClipBoard", "cmddelete"};
  for (const auto& [upper, lower] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
    SCOPED_TRACE(testing::Message() << "upper " << upper << " lower " << lower);
    testing_support::TestWindow t;
    catalogue::Catalogue& lists = t.window.catalogue();
    if (upper) lists.addfile("/x/a.bin", 1), lists.setUpperChecked(0, false);  // unchecked rows count too
    if (lower) t.addLower("/x/b.bin");
    t["cmdsearch"].enabled = !upper;
    for (const char* name : outputs) t[name].enabled = !lower;
    t["lblCountList2"].text = "1 Files of 1 Megabytes";
    t.window.Timer_Timer();
    EXPECT_EQ(t["cmdsearch"].enabled, upper);
    for (const char* name : outputs) EXPECT_EQ(t[name].enabled, lower) << name;
    EXPECT_EQ(t["lblCountList2"].text.isEmpty(), !lower);
  }
}

TEST(AvailabilityTimer, MagnifierWalksItsSquareBackToTheStart) {
  testing_support::TestWindow t;
  EXPECT_FALSE(t["Timer"].enabled || t["cmdsearch"].enabled);
  QRect& magnifier = t["imgmag"].geometry;
  EXPECT_EQ(magnifier, QRect(1680, 1080, 480, 480));
  for (const QPoint step : {QPoint(1800, 1080), QPoint(1800, 1200), QPoint(1680, 1200), QPoint(1680, 1080)}) {
    t.window.Timer_Timer();
    EXPECT_EQ(magnifier, QRect(step, QSize(480, 480)));
  }
}

}  // namespace
