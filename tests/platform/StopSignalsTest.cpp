// Stop signals are caught, told once through the descriptor, and handed back when done; a
// second one ends the process at once, without leaving the file it was writing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdlib>

#include "platform/FileNames.h"
#include "platform/FileWrite.h"
#include "platform/StopSignals.h"
#include "support/TempTree.h"

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

// A second signal ends the process at once. The temporary file it was writing goes with it;
// a file that took that name after the temporary was renamed over its list stays.
// The same for a copy's temporary file, made by name in an open folder.
TEST(StopSignalsDeathTest, ASecondSignalEndsTheProcessAndTakesOnlyItsTemporaryFile) {
  for (const auto& [inFolder, renamed] : {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
    SCOPED_TRACE(std::string(inFolder ? "in a folder, " : "beside a path, ") +
                 (renamed ? "after the rename" : "while writing"));
    testing_support::TempTree tree;
    tree.file("list.txt", 3);
    const QByteArray target = platform::encodeFileName(tree.path("list.txt"));
    const QByteArray folder = platform::encodeFileName(tree.root());
    EXPECT_EXIT(
        {
          platform::StopSignals signals;
          QByteArray temporary;
          if (inFolder) {
            const int handle = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (handle < 0 || platform::temporaryIn(handle, ".fillpack-", temporary) < 0) std::_Exit(1);
            ::close(handle);  // the signal handler keeps a handle of its own
            temporary = folder + '/' + temporary;
          } else if (platform::temporaryBeside(target, ".fillpack-", temporary) < 0) {
            std::_Exit(1);
          }
          if (renamed && (::rename(temporary.constData(), target.constData()) != 0 ||
                          ::open(temporary.constData(), O_CREAT | O_EXCL | O_WRONLY, 0600) < 0))
            std::_Exit(2);
          ::raise(SIGTERM);  // heard
          ::raise(SIGTERM);  // ends the process
          std::_Exit(3);
        },
        ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_TRUE(QFileInfo::exists(tree.path("list.txt")));
    EXPECT_EQ(QDir(tree.root()).entryList({".fillpack-*"}, QDir::Files | QDir::Hidden).size(), renamed ? 1 : 0);
  }
}
