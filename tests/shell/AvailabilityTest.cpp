// One tick of the availability timer at a time, without any clock.
#include <gtest/gtest.h>

#include "support/OutputFakes.h"

namespace {

// Search follows the upper list's rows (checked or not), the output commands the lower list's.
TEST(AvailabilityTimer, CommandsFollowTheRowCountsOfTheLists) {
  const catalogue::ControlId outputs[] = {mainform::cmdCopy, mainform::cmdsave, mainform::cmdClipBoard, mainform::cmddelete};
  for (const auto& [upper, lower] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
    SCOPED_TRACE(testing::Message() << "upper " << upper << " lower " << lower);
    testing_support::TestWindow t;
    if (upper) t.window.catalogue().addfile("/x/a.bin", 1), t.window.catalogue().setUpperChecked(0, false);
    if (lower) t.addLower("/x/b.bin");
    t[mainform::cmdsearch].enabled = !upper;
    for (const catalogue::ControlId name : outputs) t[name].enabled = !lower;
    t[mainform::lblCountList2].text = "1 Files of 1 Megabytes";
    t.window.Timer_Timer();
    EXPECT_EQ(t[mainform::cmdsearch].enabled, upper);
    for (const catalogue::ControlId name : outputs) EXPECT_EQ(t[name].enabled, lower) << name.name;
    EXPECT_EQ(t[mainform::lblCountList2].text.isEmpty(), !lower);
  }
}

// Each tick moves the magnifier to the next corner of its square; nothing ticks before an Add.
TEST(AvailabilityTimer, MagnifierWalksItsSquareBackToTheStart) {
  testing_support::TestWindow t;
  EXPECT_FALSE(t[mainform::Timer].enabled || t[mainform::cmdsearch].enabled);
  QList<QRect> steps = {t[mainform::imgmag].geometry};
  for (int tick = 1; tick <= 4; ++tick) t.window.Timer_Timer(), steps.append(t[mainform::imgmag].geometry);
  EXPECT_EQ(steps, QList<QRect>({{1680, 1080, 480, 480}, {1800, 1080, 480, 480}, {1800, 1200, 480, 480},
                                 {1680, 1200, 480, 480}, {1680, 1080, 480, 480}}));
}

}  // namespace
