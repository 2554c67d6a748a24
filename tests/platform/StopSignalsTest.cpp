// Stop signals are caught, told once through the descriptor, and handed back when done.
#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>

#include "platform/StopSignals.h"

static bool readable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, 0) == 1;
}

TEST(StopSignals, CatchesTheSignalAndRestoresTheOldHandler) {
  for (const int number : {SIGINT, SIGTERM}) {
    struct sigaction before = {}, after = {};
    ::sigaction(number, nullptr, &before);
    {
      platform::StopSignals signals;
      EXPECT_EQ(signals.received(), 0) << "a new watch starts with no signal";
      EXPECT_FALSE(readable(signals.descriptor()));
      ASSERT_EQ(::raise(number), 0);  // the test process lives on: the signal was caught
      EXPECT_EQ(signals.exitStatus(), 128 + number);
      EXPECT_TRUE(readable(signals.descriptor()));
      signals.drain();
      EXPECT_FALSE(readable(signals.descriptor()));
      EXPECT_EQ(signals.received(), number);
    }
    ::sigaction(number, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
  }
}
