// Stop signals are caught, told once through the descriptor, and handed back when done.
#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>

#include "platform/StopSignals.h"

namespace {

bool readable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, 0) == 1;
}

TEST(StopSignals, CatchesTheSignalAndRestoresTheOldHandler) {
  for (const int number : {SIGINT, SIGTERM}) {
    struct sigaction before {};
    ::sigaction(number, nullptr, &before);
    {
      platform::StopSignals signals;
      EXPECT_EQ(signals.received(), 0);
      EXPECT_FALSE(readable(signals.descriptor()));
      ASSERT_EQ(::raise(number), 0);  // the test process lives on: the signal was caught
      EXPECT_EQ(signals.received(), number);
      EXPECT_EQ(signals.exitStatus(), 128 + number);
      EXPECT_TRUE(readable(signals.descriptor()));
      signals.drain();
      EXPECT_FALSE(readable(signals.descriptor()));
      EXPECT_EQ(signals.received(), number);
    }
    struct sigaction after {};
    ::sigaction(number, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    platform::StopSignals fresh;  // a new watch starts with no signal
    EXPECT_EQ(fresh.received(), 0);
  }
}

}  // namespace
