// One file copied through a temporary beside the destination, by either way of moving the
// bytes: contents, time and permission bits kept, progress by chunk; a full disk and a copy
// onto itself leave everything as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cerrno>
#include <cstdio>

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
  const auto result = platform::copyFile(from, to, [&](qint64 n) {
    steps.append(n);
    return true;
  }, 4096, GetParam());
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

INSTANTIATE_TEST_SUITE_P(Each, CopyFileTest,
                         ::testing::Values(platform::CopyMethod::Kernel, platform::CopyMethod::ReadWrite),
                         [](const auto& info) {
                           return std::string(info.param == platform::CopyMethod::Kernel ? "Kernel" : "ReadWrite");
                         });

}  // namespace
