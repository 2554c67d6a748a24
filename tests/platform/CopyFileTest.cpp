// One file copied through a temporary beside the destination: contents, time and bits
// kept, progress by chunk, and on every failure or stop the old destination untouched and
// no temporary left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cerrno>
#include <optional>

#include "platform/CopyFile.h"
#include "platform/FileNames.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempTree.h"

namespace {

using platform::CopyOutcome;
using testing_support::namesIn;
using testing_support::readBytes;
using testing_support::writeBytes;

class CopyFileTest : public ::testing::Test {
 protected:
  QString at(const char* relative) const { return tree.path(QString::fromLatin1(relative)); }
  testing_support::TempTree tree;
  const QByteArray data = QByteArray(10000, 'x') + QByteArray(5000, 'y') + "end";
};

// Both ways of moving the bytes behave alike.
class CopyFileBothWays : public CopyFileTest, public ::testing::WithParamInterface<platform::CopyMethod> {};

TEST_P(CopyFileBothWays, CopiesTheBytesInChunksAndKeepsTimeAndPermissions) {
  ASSERT_TRUE(writeBytes(at("src/a.bin"), data));
  ::chmod(platform::encodeFileName(at("src/a.bin")).constData(), 0640);
  const struct utimbuf when {1000000000, 1234567890};
  ::utime(platform::encodeFileName(at("src/a.bin")).constData(), &when);
  tree.folder(QStringLiteral("out"));
  QList<qint64> steps;
  const auto result = platform::copyFile(at("src/a.bin"), at("out/a.bin"), [&](qint64 n) {
    steps.append(n);
    return true;
  }, 4096, GetParam());
  EXPECT_EQ(result.outcome, CopyOutcome::Copied);
  EXPECT_EQ(readBytes(at("out/a.bin")), data);
  EXPECT_EQ(steps, QList<qint64>({4096, 8192, 12288, 15003}));
  struct stat st {};
  ASSERT_EQ(::stat(platform::encodeFileName(at("out/a.bin")).constData(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(st.st_mode & 0777, 0640u & ~mask);
  EXPECT_EQ(namesIn(at("out")), QStringList({"a.bin"}));
}

INSTANTIATE_TEST_SUITE_P(Each, CopyFileBothWays,
                         ::testing::Values(platform::CopyMethod::Kernel, platform::CopyMethod::ReadWrite),
                         [](const auto& info) {
                           return std::string(info.param == platform::CopyMethod::Kernel ? "Kernel" : "ReadWrite");
                         });

// Each way a copy can end early, over an existing destination, by either way of copying.
struct Early {
  const char* name;
  CopyOutcome outcome;
  int error;
};

class CopyFileEarlyEnd : public CopyFileTest,
                         public ::testing::WithParamInterface<std::tuple<Early, platform::CopyMethod>> {};

TEST_P(CopyFileEarlyEnd, LeavesTheOldDestinationAndNoTemporary) {
  const Early& c = std::get<0>(GetParam());
  ASSERT_TRUE(writeBytes(at("src/a.bin"), data));
  ASSERT_TRUE(writeBytes(at("out/a.bin"), "old contents"));
  std::optional<testing_support::FileSizeLimit> full;
  std::function<bool(qint64)> afterChunk = [](qint64) { return true; };
  QString source = at("src/a.bin");
  if (c.outcome == CopyOutcome::Stopped) afterChunk = [](qint64 n) { return n < 8192; };
  if (c.error == EACCES) ::chmod(platform::encodeFileName(at("out/a.bin")).constData(), 0444);
  if (c.error == ENOENT) source = at("src/gone.bin");
  if (c.error == EFBIG) full.emplace(6000);  // the disk is full after 6000 bytes
  const auto result = platform::copyFile(source, at("out/a.bin"), afterChunk, 4096, std::get<1>(GetParam()));
  full.reset();
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.error, c.error);
  EXPECT_EQ(readBytes(at("out/a.bin")), "old contents");
  EXPECT_EQ(namesIn(at("out")), QStringList({"a.bin"}));
}

INSTANTIATE_TEST_SUITE_P(Each, CopyFileEarlyEnd,
                         ::testing::Combine(::testing::Values(Early{"Stopped", CopyOutcome::Stopped, 0},
                                                              Early{"ReadOnlyDestination", CopyOutcome::TargetFailed, EACCES},
                                                              Early{"DiskFull", CopyOutcome::TargetFailed, EFBIG},
                                                              Early{"SourceGone", CopyOutcome::SourceFailed, ENOENT}),
                                            ::testing::Values(platform::CopyMethod::Kernel, platform::CopyMethod::ReadWrite)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == platform::CopyMethod::Kernel ? "Kernel" : "ReadWrite");
                         });

TEST_F(CopyFileTest, RefusesToCopyAFileOntoItselfByAnyName) {
  ASSERT_TRUE(writeBytes(at("src/a.bin"), data));
  tree.symlink(at("src"), QStringLiteral("link"));
  for (const char* onto : {"src/a.bin", "link/a.bin"}) {
    EXPECT_TRUE(platform::sameFile(at("src/a.bin"), at(onto))) << onto;
    const auto result = platform::copyFile(at("src/a.bin"), at(onto), {});
    EXPECT_EQ(result.outcome, CopyOutcome::SameFile) << onto;
    EXPECT_EQ(readBytes(at("src/a.bin")), data) << onto;
  }
  EXPECT_EQ(namesIn(at("src")), QStringList({"a.bin"}));
  EXPECT_FALSE(platform::sameFile(at("src/a.bin"), at("src/other.bin")));
}

}  // namespace
