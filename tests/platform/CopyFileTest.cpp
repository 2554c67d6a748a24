// One file copied through a temporary beside the destination, by either way of moving the
// bytes: contents, time and permission bits kept, progress by chunk; a full disk, a copy
// onto itself and anything but a regular file at either end leave everything as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <utime.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <future>

#include "platform/CopyFile.h"
#include "platform/FileNames.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempTree.h"

namespace {

using platform::CopyOutcome;
using platform::encodeFileName;
using testing_support::filesBelow;
using testing_support::readBytes;
using testing_support::writeBytes;

class CopyFileTest : public ::testing::TestWithParam<platform::CopyMethod> {
 protected:
  QString at(const char* relative) const { return tree.path(QString::fromLatin1(relative)); }
  testing_support::TempTree tree;
  const QByteArray data = QByteArray(10000, 'x') + QByteArray(5000, 'y') + "end";
};

// The source's name is not valid UTF-8.
TEST_P(CopyFileTest, CopiesTheBytesInChunksAndKeepsTimeAndPermissions) {
  const QString from = platform::decodeFileName(encodeFileName(at("src/caf")) + "\xe9"), to = at("out/a.bin");
  ASSERT_TRUE(writeBytes(at("src/plain"), data));
  tree.folder(QStringLiteral("out"));
  ::rename(encodeFileName(at("src/plain")).constData(), encodeFileName(from).constData());
  ::chmod(encodeFileName(from).constData(), 0640);
  const struct utimbuf when {1000000000, 1234567890};
  ::utime(encodeFileName(from).constData(), &when);
  QList<qint64> steps;
  const auto result = platform::copyFile(from, to, [&](qint64 n) { return steps.append(n), true; }, 4096, GetParam());
  EXPECT_EQ(result.outcome, CopyOutcome::Copied);
  EXPECT_EQ(steps, QList<qint64>({4096, 8192, 12288, 15003}));
  struct stat st {};
  ASSERT_EQ(::stat(encodeFileName(to).constData(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(st.st_mode & 0777, 0640u & ~mask);
  EXPECT_EQ(readBytes(to), data);
  EXPECT_EQ(filesBelow(at("out")), QStringList{"a.bin"});  // no temporary beside it
}

// The disk fills after 6000 bytes: whichever way the bytes go, the old destination stays and
// no temporary is left. (The window's tests end a copy every other way.)
TEST_P(CopyFileTest, AFullDiskLeavesTheOldDestinationAndNoTemporary) {
  ASSERT_TRUE(writeBytes(at("src/a.bin"), data) && writeBytes(at("out/a.bin"), "old"));
  platform::CopyResult result;
  {
    const testing_support::FileSizeLimit full(6000);
    result = platform::copyFile(at("src/a.bin"), at("out/a.bin"), {}, 4096, GetParam());
  }
  EXPECT_EQ(result.outcome, CopyOutcome::TargetFailed);
  EXPECT_EQ(result.error, EFBIG);
  EXPECT_EQ(readBytes(at("out/a.bin")), "old");
  EXPECT_EQ(filesBelow(at("out")), QStringList{"a.bin"});
}

// The window refuses such a copy before it starts; a file met as its own destination all
// the same is refused here too, also one that cannot be written.
TEST_P(CopyFileTest, RefusesToCopyAFileOntoItself) {
  ASSERT_TRUE(writeBytes(at("a.bin"), data));
  for (const mode_t mode : {0644, 0444}) {
    ::chmod(encodeFileName(at("a.bin")).constData(), mode);
    EXPECT_EQ(platform::copyFile(at("a.bin"), at("a.bin"), {}, 4096, GetParam()).outcome, CopyOutcome::SameFile) << mode;
    EXPECT_EQ(readBytes(at("a.bin")), data);
  }
  EXPECT_EQ(filesBelow(tree.root()), QStringList{"a.bin"});
}

// A socket bound at `path`, left behind as the file it makes.
bool makeSocket(const QByteArray& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
  const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (fd >= 0) ::close(fd);
  return bound;
}

bool linkTo(const QString& target, const QByteArray& path) {
  return ::symlink(encodeFileName(target).constData(), path.constData()) == 0;
}

// The copy of `from`, waited for a bounded time: a copy blocked opening a FIFO is freed by
// a writer coming and going, so that it fails rather than hangs.
platform::CopyResult copyWithoutHanging(const QString& from, const QString& to, platform::CopyMethod method) {
  auto copy = std::async(std::launch::async, [=] { return platform::copyFile(from, to, {}, 4096, method); });
  if (copy.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "the copy blocked on " << from.toStdString();
    const int writer = ::open(encodeFileName(from).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0) ::close(writer);
  }
  return copy.get();
}

// The source is looked at through its links; only a regular file is copied, and nothing
// else is even opened in a way that could block. The device is skipped where devices
// cannot be made.
TEST_P(CopyFileTest, CopiesOnlyARegularFile) {
  tree.folder(QStringLiteral("out"));
  ASSERT_TRUE(writeBytes(at("src/plain"), data));
  const struct {
    const char* name;
    std::function<bool(const QByteArray&)> make;
    CopyOutcome outcome;
  } sources[] = {
      {"folder", [](const QByteArray& p) { return ::mkdir(p.constData(), 0755) == 0; }, CopyOutcome::SourceNotAFile},
      {"fifo", [](const QByteArray& p) { return ::mkfifo(p.constData(), 0644) == 0; }, CopyOutcome::SourceNotAFile},
      {"socket", makeSocket, CopyOutcome::SourceNotAFile},
      {"device", [](const QByteArray& p) { return ::mknod(p.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
       CopyOutcome::SourceNotAFile},
      {"linkToFifo", [this](const QByteArray& p) { return linkTo(at("src/fifo"), p); }, CopyOutcome::SourceNotAFile},
      {"linkToFile", [this](const QByteArray& p) { return linkTo(at("src/plain"), p); }, CopyOutcome::Copied},
  };
  for (const auto& source : sources) {
    const QString from = at("src/") + QString::fromLatin1(source.name);
    const QString to = at("out/") + QString::fromLatin1(source.name);
    if (!source.make(encodeFileName(from))) {
      EXPECT_EQ(std::string(source.name), "device") << std::strerror(errno);
      continue;
    }
    EXPECT_EQ(copyWithoutHanging(from, to, GetParam()).outcome, source.outcome) << source.name;
  }
  EXPECT_EQ(filesBelow(at("out")), QStringList{"linkToFile"});
  EXPECT_EQ(readBytes(at("out/linkToFile")), data);
}

// A link with the destination's name is replaced itself, never written through; a folder
// or a FIFO there is left alone.
TEST_P(CopyFileTest, ReplacesALinkAtTheDestinationButNothingElseThatIsNoFile) {
  ASSERT_TRUE(writeBytes(at("a.bin"), data) && writeBytes(at("elsewhere"), "keep"));
  tree.symlink(at("elsewhere"), QStringLiteral("out/link"));
  tree.folder(QStringLiteral("out/folder/inside"));
  tree.fifo(QStringLiteral("out/fifo"));
  EXPECT_EQ(platform::copyFile(at("a.bin"), at("out/link"), {}, 4096, GetParam()).outcome, CopyOutcome::Copied);
  EXPECT_EQ(readBytes(at("out/link")), data);
  EXPECT_EQ(readBytes(at("elsewhere")), "keep");
  struct stat st {};
  for (const char* name : {"folder", "fifo"}) {
    EXPECT_EQ(copyWithoutHanging(at("a.bin"), at("out/") + QString::fromLatin1(name), GetParam()).outcome,
              CopyOutcome::TargetNotAFile)
        << name;
    EXPECT_EQ(::lstat(encodeFileName(at("out/") + QString::fromLatin1(name)).constData(), &st), 0);
    EXPECT_FALSE(S_ISREG(st.st_mode)) << name;
  }
  EXPECT_EQ(filesBelow(at("out")), QStringList({"fifo", "link"}));
}

INSTANTIATE_TEST_SUITE_P(Each, CopyFileTest,
                         ::testing::Values(platform::CopyMethod::Kernel, platform::CopyMethod::ReadWrite),
                         [](const auto& info) {
                           return std::string(info.param == platform::CopyMethod::Kernel ? "Kernel" : "ReadWrite");
                         });

}  // namespace
