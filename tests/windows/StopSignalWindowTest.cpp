// A stop signal closes the main window as the user would: the close event runs, so a
// running command sees the stop request and the command line ends.
#include <QCoreApplication>
#include <csignal>

#include "windows/SignalClose.h"
#include "windows/WindowFixture.h"

namespace {

class StopSignalWindow : public testing_support::WindowFixture {};

TEST_F(StopSignalWindow, ClosesTheWindowAndEndsTheCommands) {
  platform::StopSignals signals;
  windows::closeOnStopSignal(signals, view);
  view.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(view.isVisible());
  EXPECT_FALSE(window.run().closing);

  ASSERT_EQ(::raise(SIGTERM), 0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(view.isVisible());
  EXPECT_TRUE(window.run().closing);
  EXPECT_TRUE(window.run().stopflag);
}

}  // namespace
