// One file copied through a temporary beside the destination, by either way of moving the
// bytes: contents, time and permission bits kept, progress by chunk, and on every early end
// (the window's tests drive the same ends through the dialog) the old destination untouched
// and no temporary left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cerrno>
#include <cstdio>
#include <optional>

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

// What one copy works on; each early end below changes one thing of it.
struct Attempt {
  QString folder, source, destination;
  std::function<bool(qint64)> afterChunk = [](qint64) { return true; };
  std::optional<testing_support::FileSizeLimit> full;
};

TEST_P(CopyFileTest, EachEarlyEndLeavesTheOldDestinationAndNoTemporary) {
  const auto readOnly = [](const QString& path) { ::chmod(encodeFileName(path).constData(), 0444); };
  const struct {
    const char* name;
    std::function<void(Attempt&)> arrange;
    CopyOutcome outcome;
    int error;
  } cases[] = {
      {"Stopped", [](Attempt& r) { r.afterChunk = [](qint64 n) { return n < 8192; }; }, CopyOutcome::Stopped, 0},
      {"ReadOnlyDestination", [&](Attempt& r) { readOnly(r.destination); }, CopyOutcome::TargetFailed, EACCES},
      {"DiskFull", [](Attempt& r) { r.full.emplace(6000); }, CopyOutcome::TargetFailed, EFBIG},
      {"SourceGone", [](Attempt& r) { r.source += QStringLiteral(".gone"); }, CopyOutcome::SourceFailed, ENOENT},
      {"OntoItself", [](Attempt& r) { r.destination = r.source; }, CopyOutcome::SameFile, 0},
      {"OntoItselfReadOnly",
       [&](Attempt& r) {
         readOnly(r.source);
         r.destination = r.source;
       },
       CopyOutcome::SameFile, EACCES},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Attempt r;
    r.folder = tree.path(QString::fromLatin1(c.name));
    r.source = r.folder + QStringLiteral("/a.bin");
    r.destination = r.folder + QStringLiteral("/old.bin");
    ASSERT_TRUE(writeBytes(r.source, data) && writeBytes(r.destination, "old contents"));
    c.arrange(r);
    const QByteArray before = readBytes(r.destination);
    const QStringList files = filesBelow(r.folder);
    const auto result = platform::copyFile(r.source, r.destination, r.afterChunk, 4096, GetParam());
    r.full.reset();
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(readBytes(r.destination), before);
    EXPECT_EQ(filesBelow(r.folder), files);
  }
}

INSTANTIATE_TEST_SUITE_P(Each, CopyFileTest,
                         ::testing::Values(platform::CopyMethod::Kernel, platform::CopyMethod::ReadWrite),
                         [](const auto& info) {
                           return std::string(info.param == platform::CopyMethod::Kernel ? "Kernel" : "ReadWrite");
                         });

}  // namespace
