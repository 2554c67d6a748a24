// Where a window may stand, against screens given as rectangles: no display needed.
#include <gtest/gtest.h>

#include "shell/WindowPlace.h"

namespace {

// Two screens of 12000 x 9000 twips side by side; the primary is the first named.
TEST(WindowPlace, OnlyAWindowNoScreenShowsIsMovedOntoThePrimaryScreen) {
  const QRect left(0, 0, 12000, 9000), right(12000, 0, 12000, 9000);
  const struct {
    const char* what;
    QList<QRect> screens;
    QRect window, placed;
  } cases[] = {
      {"on the primary screen", {left, right}, {1000, 1000, 10440, 8600}, {1000, 1000, 10440, 8600}},
      {"on the other screen", {left, right}, {15000, 500, 8000, 6000}, {15000, 500, 8000, 6000}},
      {"across both", {left, right}, {8000, 0, 10440, 8600}, {8000, 0, 10440, 8600}},
      {"partly above and left, enough shown", {left}, {-9720, -7880, 10440, 8600}, {-9720, -7880, 10440, 8600}},
      {"far left and up", {left, right}, {-99999, -99999, 10440, 8600}, {780, 200, 10440, 8600}},
      {"far right and down", {left, right}, {99999, 99999, 10440, 8600}, {780, 200, 10440, 8600}},
      {"a sliver too narrow to grab", {left}, {-9721, 0, 10440, 8600}, {780, 200, 10440, 8600}},
      {"a sliver too low to grab", {left}, {0, -7881, 10440, 8600}, {780, 200, 10440, 8600}},
      {"beside the screens", {left, right}, {24000, 0, 10440, 8600}, {780, 200, 10440, 8600}},
      {"onto the primary, wherever it is", {right, left}, {-99999, 0, 10440, 8600}, {12780, 200, 10440, 8600}},
      {"too large for the primary", {left, right}, {-99999, 0, 30000, 5000}, {0, 2000, 12000, 5000}},
      {"a small window wholly shown", {left}, {11700, 8700, 300, 300}, {11700, 8700, 300, 300}},
      {"no screens known", {}, {-99999, 0, 10440, 8600}, {-99999, 0, 10440, 8600}},
      {"no window yet", {left}, QRect(), QRect()},
  };
  for (const auto& c : cases) EXPECT_EQ(shell::placeOnScreens(c.screens, c.window), c.placed) << c.what;
}

}  // namespace
