// Starting programs for real: the bytes of every argument arrive, a program that cannot be
// started is told, and the room of a command line follows the kernel's rules.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileNames.h"
#include "platform/ProcessStart.h"
#include "support/BurnerFakes.h"

namespace {

using testing_support::BurnerWindow;
using testing_support::TestPath;

// Everything written into the FIFO open as `fd` until its writer closes it, waiting at
// most 20 seconds for each piece.
QByteArray readFifo(int fd) {
  QByteArray got;
  for (;;) {
    pollfd wait{fd, POLLIN, 0};
    if (::poll(&wait, 1, 20000) <= 0) return got + "<timeout>";
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) return got;
    got.append(buffer, n);
  }
}

// A fake brasero first on PATH writes its arguments, NUL-ended, into a FIFO: start-up finds
// it and the burn button starts it with the checked files, names that are not valid UTF-8
// kept byte for byte.
TEST(ProcessStart, TheBurnerFoundIsStartedWithTheCheckedFiles) {
  testing_support::TempTree tree;
  const QByteArray fifo = platform::encodeFileName(tree.path(QStringLiteral("arguments")));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  const int fd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  platform::PosixProcessStart starter;
  BurnerWindow t(QStringLiteral("brasero"), &starter, "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + fifo + "'\n");
  const QString odd = platform::decodeFileName(QByteArray("/m/bad\xff name.bin"));
  t.lower({{"/m/a.mp3", true}, {"/m/skipped.mp3", false}, {odd, true}});
  t.window.cmdburn_Click(0);
  EXPECT_EQ(readFifo(fd), QByteArray("--data\0/m/a.mp3\0/m/bad\xff name.bin\0", 33));
  ::close(fd);
  EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST(ProcessStart, AProgramThatCannotBeStartedIsTold) {
  TestPath path;
  platform::PosixProcessStart starter;
  const QString runs = path.program(QStringLiteral("runs"), "#!/bin/sh\nexit 0\n");
  const QString locked = path.program(QStringLiteral("locked"), "#!/bin/sh\nexit 0\n");
  ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner));  // not even root runs a file without x
  EXPECT_TRUE(starter.startDetached(runs, {QStringLiteral("any")}));
  EXPECT_FALSE(starter.startDetached(locked, {}));
  EXPECT_FALSE(starter.startDetached(path.bin() + QStringLiteral("/missing"), {}));
  EXPECT_FALSE(starter.startDetached(path.bin(), {}));
}

// Each argument costs its bytes, its NUL and a pointer; argv ends with a null pointer. A
// single argument may hold at most MAX_ARG_STRLEN bytes with its NUL.
TEST(ProcessStart, ACommandLineFitsItsRoomAndTheSingleArgumentLimit) {
  const struct {
    const char* what;
    QStringList arguments;
    qint64 room;
    bool fits;
  } cases[] = {
      {"exactly the room", {"ab"}, (2 + 1 + 8) + (2 + 1 + 8) + 8, true},
      {"one byte short", {"ab"}, (2 + 1 + 8) + (2 + 1 + 8) + 8 - 1, false},
      {"no arguments", {}, (2 + 1 + 8) + 8, true},
      {"the longest argument", {QString(platform::maxArgumentBytes - 1, u'x')}, qint64(1) << 30, true},
      {"one byte longer", {QString(platform::maxArgumentBytes, u'x')}, qint64(1) << 30, false},
      {"counted in bytes, not characters", {QString(platform::maxArgumentBytes / 2, QChar(0xe9))}, qint64(1) << 30,
       false},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::fitsCommandLine(QStringLiteral("/b"), c.arguments, c.room), c.fits) << c.what;
}

// The started program inherits our environment, so what it takes is not room for arguments.
TEST(ProcessStart, TheEnvironmentTakesRoomFromTheCommandLine) {
  platform::PosixProcessStart starter;
  const qint64 before = starter.commandLineRoom();
  EXPECT_LT(before, ::sysconf(_SC_ARG_MAX));
  qputenv("FILLPACK_TEST_BULK", QByteArray(10000, 'x'));
  const qint64 after = starter.commandLineRoom();
  qunsetenv("FILLPACK_TEST_BULK");
  EXPECT_LE(after, before - 10000 - 18);
  EXPECT_GT(after, before - 10100);
}

}  // namespace
