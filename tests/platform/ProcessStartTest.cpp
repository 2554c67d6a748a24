// Starting programs for real, and the room of one command line.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/BurnerFakes.h"

namespace {

using testing_support::BurnerWindow;

// A fake brasero on PATH writes its arguments, each NUL-ended, into a FIFO, whose reading
// waits for it: the burn button starts it with the checked files, a name that is not valid
// UTF-8 byte for byte.
TEST(ProcessStart, TheBurnerFoundIsStartedWithTheCheckedFiles) {
  testing_support::TempTree tree;
  QFile fifo(tree.path(QStringLiteral("arguments")));
  ASSERT_EQ(::mkfifo(platform::encodeFileName(fifo.fileName()).constData(), 0600), 0);
  platform::PosixProcessStart starter;
  BurnerWindow t(QStringLiteral("brasero"), &starter,
                 "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + platform::encodeFileName(fifo.fileName()) + "'\n");
  tree.file(QStringLiteral("m/a.mp3"), 1);
  tree.file(QStringLiteral("m/no.mp3"), 1);
  const QString odd = tree.rawFile(QStringLiteral("m"), "b\xff.bin", 1);
  t.lower({{tree.path(QStringLiteral("m/a.mp3")), true}, {tree.path(QStringLiteral("m/no.mp3")), false}, {odd, true}});
  t.window.cmdburn_Click(0);
  ASSERT_TRUE(fifo.open(QIODevice::ReadOnly));
  const QByteArray m = platform::encodeFileName(tree.path(QStringLiteral("m/")));
  EXPECT_EQ(fifo.readAll(), "--data" + QByteArray(1, '\0') + m + "a.mp3" + '\0' + m + "b\xff.bin" + '\0');
  EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST(ProcessStart, AProgramThatCannotBeStartedIsTold) {
  testing_support::TestPath path;
  platform::PosixProcessStart starter;
  const QString locked = path.program(QStringLiteral("locked"), "#!/bin/sh\n");
  EXPECT_TRUE(starter.startDetached(locked, {QStringLiteral("any")}));
  ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner));  // not even root runs a file without x
  EXPECT_FALSE(starter.startDetached(locked, {}));
  EXPECT_FALSE(starter.startDetached(path.bin() + QStringLiteral("/missing"), {}));
}

// Each argument costs its bytes, its NUL and a pointer, and argv ends with a null pointer;
// one argument holds at most MAX_ARG_STRLEN bytes with its NUL.
TEST(ProcessStart, ACommandLineFitsItsRoomAndTheSingleArgumentLimit) {
  const qint64 two = (2 + 1 + 8) + (2 + 1 + 8) + 8, plenty = qint64(1) << 30;
  const struct {
    QStringList arguments;
    qint64 room;
    bool fits;
  } cases[] = {
      {{"ab"}, two, true},
      {{"ab"}, two - 1, false},
      {{QString(platform::maxArgumentBytes - 1, u'x')}, plenty, true},
      {{QString(platform::maxArgumentBytes, u'x')}, plenty, false},
      {{QString(platform::maxArgumentBytes / 2, QChar(0xe9))}, plenty, false},  // bytes, not characters
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::fitsCommandLine(QStringLiteral("/b"), c.arguments, c.room), c.fits) << c.room;
}

// The started program inherits our environment, so what it takes is no room for arguments.
TEST(ProcessStart, TheEnvironmentTakesRoomFromTheCommandLine) {
  platform::PosixProcessStart starter;
  const qint64 before = starter.commandLineRoom();
  qputenv("FILLPACK_TEST_BULK", QByteArray(10000, 'x'));
  const qint64 after = starter.commandLineRoom();
  qunsetenv("FILLPACK_TEST_BULK");
  EXPECT_LT(before, ::sysconf(_SC_ARG_MAX));
  EXPECT_TRUE(after <= before - 10000 && after > before - 10100) << before << " " << after;
}

}  // namespace
