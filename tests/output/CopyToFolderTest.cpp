// Copy to Folder through the main window with the dialog, sound and pointer scripted: what
// lands where, what ends the copy and what is told, and that nothing at the destination is
// ever lost.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <optional>

#include "output/CopyToFolder.h"
#include "platform/FileNames.h"
#include "support/CopyFakes.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

namespace {

using testing_support::filesBelow;
using testing_support::readBytes;
using testing_support::writeBytes;

class CopyToFolderTest : public ::testing::Test, protected testing_support::CopyTestWindow {
 protected:
  // A source file with contents, in the lower list.
  QString source(const char* relative, const QByteArray& bytes, bool checked = true) {
    const QString path = tree.path(QStringLiteral("src/") + QString::fromLatin1(relative));
    EXPECT_TRUE(writeBytes(path, bytes));
    addLower(path, checked, bytes.size());
    return path;
  }
  QString stage() const { return tree.path(QStringLiteral("stage")); }
  // Where a source lands: below the target, with its whole path.
  QString staged(const QString& path) const { return stage() + path; }
  QStringList stagedFiles() const { return filesBelow(stage()); }
  QString lowerPrefix() const { return tree.root().mid(1) + QStringLiteral("/src/"); }
  QStringList messageTexts() const {
    QStringList out;
    for (const auto& m : messages.shown) out.append(m.text);
    return out;
  }
};

TEST(CopyFolderHelpers, MakeDirFolderExistsAndRelativePath) {
  testing_support::TempTree tree;
  EXPECT_FALSE(output::FolderExists(QStringLiteral("/")));
  EXPECT_FALSE(output::FolderExists(QString()));
  EXPECT_TRUE(output::FolderExists(tree.root()));
  tree.file(QStringLiteral("plain"));
  EXPECT_FALSE(output::FolderExists(tree.path(QStringLiteral("plain"))));
  // Every missing level is made; an existing one or a trailing "/" is no hindrance.
  EXPECT_TRUE(output::MakeDir(tree.path(QStringLiteral("a/b/c/"))));
  EXPECT_TRUE(output::FolderExists(tree.path(QStringLiteral("a/b/c"))));
  EXPECT_TRUE(output::MakeDir(tree.path(QStringLiteral("a/b/d"))));
  // A level that cannot be made does not stop the call; the folder is not there after it.
  EXPECT_FALSE(output::MakeDir(tree.path(QStringLiteral("plain/x"))));
  for (const auto& [full, relative] : {std::pair{"/home/ann/Music/Rock/a.mp3", "home/ann/Music/Rock/a.mp3"},
                                       std::pair{"/a.mp3", "a.mp3"}, std::pair{"/cd/a.mp3", "cd/a.mp3"}})
    EXPECT_EQ(output::relativePath(QString::fromLatin1(full)), QString::fromLatin1(relative));
}

TEST_F(CopyToFolderTest, CopiesTheCheckedFilesWithTheirFoldersIntoANewTargetAndChimes) {
  const QString a = source("music/rock/a.mp3", "aaa");
  source("music/b.mp3", "bbb", false);
  const QString c = source("c.mp3", QByteArray(3 << 20, 'c'));
  tree.folder(QStringLiteral("stage"));
  answerOk(stage() + QStringLiteral("/new/deeper"));  // typed without the trailing "/", not there yet
  window.cmdCopy_Click();
  const QString target = stage() + QStringLiteral("/new/deeper/");
  EXPECT_EQ(readBytes(target + a.mid(1)), "aaa");
  EXPECT_EQ(readBytes(target + c.mid(1)).size(), 3 << 20);
  EXPECT_EQ(stagedFiles(), QStringList({QStringLiteral("new/deeper/") + lowerPrefix() + QStringLiteral("c.mp3"),
                                        QStringLiteral("new/deeper/") + lowerPrefix() + QStringLiteral("music/rock/a.mp3")}));
  EXPECT_EQ(window.copyForm()->target, target);
  EXPECT_EQ(sound.played, QStringList({"/opt/data/All_Done.wav"}));
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(busy.calls, QList<bool>({true, false}));
  EXPECT_FALSE(window.running());
}

TEST_F(CopyToFolderTest, KeepsTheModificationTimeAndTheBytesOfOddNames) {
  tree.folder(QStringLiteral("src"));
  const QString odd = tree.rawFile(tree.path(QStringLiteral("src")), QByteArray("caf\xe9.mp3"), 3);
  const struct timespec times[2] = {{1000, 0}, {1500000000, 0}};
  ::utimensat(AT_FDCWD, platform::encodeFileName(odd).constData(), times, 0);
  addLower(odd);
  answerOk(stage());
  window.cmdCopy_Click();
  struct stat st {};
  ASSERT_EQ(::stat(platform::encodeFileName(staged(odd)).constData(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1500000000);
  EXPECT_EQ(st.st_size, 3);
  EXPECT_TRUE(messages.shown.isEmpty());
}

// The ways the dialog ends without a copy, and a copy with nothing checked.
TEST_F(CopyToFolderTest, CancelAndCloseCopyNothingAndStaySilent) {
  source("a.mp3", "a");
  const std::function<void(shell::CopyForm&)> users[] = {
      [](shell::CopyForm& f) { f.cmdCancel_Click(); },
      [](shell::CopyForm& f) { f.Form_QueryUnload(); },
      [](shell::CopyForm& f) {
        f.cmdOK_Click();
        f.Form_QueryUnload();  // OK, then the close box before the dialog was gone
      },
      {},  // the dialog went away without any button
  };
  for (const auto& user : users) {
    dialog.user = user;
    window.cmdCopy_Click();
  }
  EXPECT_EQ(dialog.forms.size(), 4);
  EXPECT_FALSE(QFileInfo::exists(stage()));
  EXPECT_TRUE(sound.played.isEmpty());
  EXPECT_TRUE(busy.calls.isEmpty());
  // The one dialog is kept for the run.
  EXPECT_EQ(dialog.forms.first(), dialog.forms.last());
}

TEST_F(CopyToFolderTest, NothingCheckedOnlyChimesAndAnEmptyListOpensNoDialog) {
  window.cmdCopy_Click();
  EXPECT_TRUE(dialog.forms.isEmpty());
  source("a.mp3", "a", false);
  answerOk(stage());
  window.cmdCopy_Click();
  EXPECT_EQ(sound.played.size(), 1);
  EXPECT_TRUE(stagedFiles().isEmpty());
}

TEST_F(CopyToFolderTest, TheSoundOptionSilencesTheChime) {
  source("a.mp3", "a");
  answerOk(stage(), false);
  window.cmdCopy_Click();
  EXPECT_EQ(readBytes(staged(tree.path(QStringLiteral("src/a.mp3")))), "a");
  EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(CopyToFolderTest, AVanishedSourceStopsTheCopyWithItsRelativePathAfterTheFilesBeforeIt) {
  const QString first = source("1.mp3", "1");
  const QString gone = source("2.mp3", "2");
  const QString third = source("3.mp3", "3");
  ::unlink(platform::encodeFileName(gone).constData());
  answerOk(stage());
  window.cmdCopy_Click();
  EXPECT_EQ(readBytes(staged(first)), "1");
  EXPECT_FALSE(QFileInfo::exists(staged(third)));
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_EQ(messages.shown[0].text, lowerPrefix() + QStringLiteral("2.mp3 No such file or directory"));
  EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_TRUE(sound.played.isEmpty());
  EXPECT_EQ(busy.calls, QList<bool>({true, false}));
}

// Targets that would put a file onto itself: refused before anything is written.
TEST_F(CopyToFolderTest, ACopyOntoItselfIsRefusedBeforeAnythingIsWritten) {
  const QString first = source("1.mp3", "1");
  const QString second = source("2.mp3", "2");
  // A link in the source tree that leads back to the root: src/root + full path is the file.
  tree.symlink(QStringLiteral("/"), QStringLiteral("src/root"));
  for (const QString& target : {QStringLiteral("/"), tree.path(QStringLiteral("src/root"))}) {
    messages.shown.clear();
    answerOk(target);
    window.cmdCopy_Click();
    ASSERT_EQ(messages.shown.size(), 1) << target.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("onto itself"))) << target.toStdString();
    EXPECT_EQ(readBytes(first), "1");
    EXPECT_EQ(readBytes(second), "2");
  }
  EXPECT_EQ(filesBelow(tree.path(QStringLiteral("src"))).filter(QStringLiteral("fillpack")), QStringList());
  EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(CopyToFolderTest, AFileLaterInTheListThatLandsOnItselfStopsTheCopyBeforeTheFirstFile) {
  const QString first = source("1.mp3", "1");
  tree.folder(QStringLiteral("src2"));
  ASSERT_TRUE(writeBytes(tree.path(QStringLiteral("src2/2.mp3")), "2"));
  addLower(tree.path(QStringLiteral("src2/2.mp3")));
  // The staged folder of the second file is a link back to its own folder.
  tree.folder(QStringLiteral("stage") + tree.root());
  tree.symlink(tree.path(QStringLiteral("src2")), QStringLiteral("stage") + tree.root() + QStringLiteral("/src2"));
  answerOk(stage());
  window.cmdCopy_Click();
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("onto itself")));
  EXPECT_FALSE(QFileInfo::exists(staged(first)));
  EXPECT_EQ(readBytes(tree.path(QStringLiteral("src2/2.mp3"))), "2");
}

// A destination that cannot be written ends the copy with the file and the reason; the
// files before it stay, the old file is as it was and no partial file is left.
struct Unwritable {
  const char* name;
  const char* reason;
};

class CopyToFolderUnwritable : public CopyToFolderTest, public ::testing::WithParamInterface<Unwritable> {};

TEST_P(CopyToFolderUnwritable, StopsWithTheFileAndTheSystemsReason) {
  const bool full = QByteArray(GetParam().name) == "FullDisk";
  const QString first = source("1.mp3", "1");
  const QString second = source("2.mp3", QByteArray(200000, 'z'));
  const QString third = source("3.mp3", "3");
  ASSERT_TRUE(writeBytes(staged(second), "old"));
  if (!full) ::chmod(platform::encodeFileName(staged(second)).constData(), 0444);
  answerOk(stage());
  {
    std::optional<testing_support::FileSizeLimit> disk;
    if (full) disk.emplace(100000);
    window.cmdCopy_Click();
  }
  EXPECT_EQ(readBytes(staged(first)), "1");
  EXPECT_EQ(readBytes(staged(second)), "old");
  EXPECT_FALSE(QFileInfo::exists(staged(third)));
  EXPECT_EQ(stagedFiles().size(), 2);  // no temporary file
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_TRUE(messages.shown[0].text.contains(lowerPrefix() + QStringLiteral("2.mp3")));
  EXPECT_TRUE(messages.shown[0].text.contains(QString::fromLatin1(GetParam().reason))) << messages.shown[0].text.toStdString();
  EXPECT_TRUE(sound.played.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Each, CopyToFolderUnwritable,
                         ::testing::Values(Unwritable{"ReadOnlyFile", "Permission denied"},
                                           Unwritable{"FullDisk", "File too large"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyToFolderTest, StopMidFileLeavesTheOldFileAndNoPartialShowingProgressMeanwhile) {
  const QString first = source("1.mp3", "1");
  const QString big = source("big.mp3", QByteArray(10 << 20, 'b'));  // three chunks
  ASSERT_TRUE(writeBytes(staged(big), "old"));
  QStringList progress;
  pump.onPump = [&](int) {
    const QString now = window.form().text(QStringLiteral("lblcurrent"));
    if (progress.isEmpty() || progress.last() != now) progress.append(now);
    if (now.contains(QStringLiteral("4 of 10 MB"))) window.cmdstop_Click();
  };
  answerOk(stage());
  window.cmdCopy_Click();
  EXPECT_EQ(readBytes(staged(first)), "1");
  EXPECT_EQ(readBytes(staged(big)), "old");
  EXPECT_EQ(stagedFiles().size(), 2);
  EXPECT_TRUE(progress.filter(QStringLiteral("big.mp3 (file 2 of 2")).size() >= 2) << progress.join(u'|').toStdString();
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_TRUE(sound.played.isEmpty());
  EXPECT_FALSE(window.form().find(QStringLiteral("framain"))->visible);
  EXPECT_EQ(busy.calls, QList<bool>({true, false}));
}

}  // namespace
