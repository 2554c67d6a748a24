// Copy to Folder through the main window with the dialog, sound and pointer scripted: what
// lands where, what ends the copy and what is told, and that nothing is ever lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMap>
#include <optional>

#include "platform/FileNames.h"
#include "shell/CopyDialog.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/MemorySettingsStore.h"
#include "support/NoPermissionOverride.h"
#include "support/OutputFakes.h"

namespace {

using namespace testing_support;

// The Copy command's desktop, scripted: a dialog that does what the test says, and a sound
// and a busy pointer that record their calls.
struct ScriptedCopyDialog final : shell::CopyDialog {
  void show(shell::CopyForm& form) override {
    forms.append(&form);
    if (user) user(form);
  }
  std::function<void(shell::CopyForm&)> user;  // nothing: the dialog ends without OK
  QList<shell::CopyForm*> forms;
};

struct RecordingDesktop final : platform::Sound, platform::BusyCursor {
  void play(const QString& file) override { played.append(file); }
  void setBusy(bool busy) override { calls.append(busy); }
  QStringList played;
  QList<bool> calls;  // the busy pointer
};

struct CopyToFolderTest : ::testing::Test, TestServices {
  TempTree tree;
  MemorySettingsStore settings;
  ScriptedCopyDialog dialog;
  RecordingDesktop desktop;
  shell::MainForm window{services({.programFolder = "/opt/fillpack", .dataFolder = "/opt/data",
                                   .copy = {&dialog, &desktop, &desktop, &settings}})};

  // The user types `folder` and presses OK (with the sound option as given).
  void answerOk(const QString& folder, bool soundOption = true) {
    dialog.user = [folder, soundOption](shell::CopyForm& form) {
      form.form()(QStringLiteral("txtPath")).text = folder;
      form.form()(QStringLiteral("chkSound")).value = soundOption ? 1 : 0;
      form.cmdOK_Click();
    };
  }
  // A file below src/ holding `bytes` (else its own name), in the lower list; every test
  // checks that it is left as it was.
  QString source(const char* relative, const QByteArray& bytes = {}, bool checked = true) {
    const QString path = tree.path(QStringLiteral("src/") + QString::fromLatin1(relative));
    sources[path] = bytes.isNull() ? QByteArray(relative) : bytes;
    EXPECT_TRUE(writeBytes(path, sources[path]));
    entry(path, sources[path].size(), checked);
    return path;
  }
  void entry(const QString& path, qint64 size = 0, bool checked = true) {
    window.catalogue().lstsec().append(catalogue::FileEntry{path, {}, {}, {}, size, 0, checked});
  }
  // A file outside the stage that must stay as it is (absent, when `bytes` is null).
  void keep(const char* relative, const QByteArray& bytes = {}) {
    const QString path = tree.path(QString::fromLatin1(relative));
    EXPECT_TRUE(bytes.isNull() || writeBytes(path, bytes));
    sources[path] = bytes;
  }
  // The folder of the sources as staged, below the stage, made beforehand.
  QString stagedSources() {
    const QString relative = QStringLiteral("stage") + tree.root() + QStringLiteral("/src");
    tree.folder(relative);
    return relative;
  }
  void vanish(const QString& path) {
    ::unlink(platform::encodeFileName(path).constData());
    sources.remove(path);
  }
  QString stage() const { return tree.path(QStringLiteral("stage")); }
  // Where a source lands: below the target, with its whole path.
  QString staged(const QString& path) const { return stage() + path; }
  // The files below the stage as "path=bytes", the path of the source folder left out.
  QStringList stagedFiles() const {
    QStringList out;
    for (const QString& file : filesBelow(stage()))
      out.append(QString(file).remove(tree.root().mid(1) + QStringLiteral("/src/")) + u'=' +
                 QString::fromLatin1(readBytes(stage() + u'/' + file)));
    return out;
  }
  QMap<QString, QByteArray> sources;
};

// One copy through the dialog: the sources made and the folder typed (below the test's
// tree unless absolute), then what is below the stage, the parts of the one warning and
// whether the chime sounds.
struct Scenario {
  const char* name;
  const char* typed;
  std::function<void(CopyToFolderTest&)> arrange;
  QStringList staged;
  QStringList told;
  bool chimes;
  bool soundOption = true;
  rlim_t fileSizeLimit = 0;  // a full disk while the copy runs
  bool bitsBindRoot = false;  // permission bits stop the copy even when it runs as root
};

class CopyToFolderScenario : public CopyToFolderTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(CopyToFolderScenario, StagesTellsAndChimesAsItShould) {
  const QString typed = QString::fromLatin1(GetParam().typed);
  GetParam().arrange(*this);
  answerOk(typed.startsWith(u'/') ? typed : tree.path(typed), GetParam().soundOption);
  {
    std::optional<testing_support::FileSizeLimit> disk;
    if (GetParam().fileSizeLimit) disk.emplace(GetParam().fileSizeLimit);
    std::optional<NoPermissionOverride> bits;
    if (GetParam().bitsBindRoot) bits.emplace();
    window.cmdCopy_Click();
  }
  EXPECT_EQ(stagedFiles(), GetParam().staged);
  EXPECT_TRUE(window.copyForm()->target.endsWith(typed.endsWith(u'/') ? typed : typed + u'/'));
  ASSERT_EQ(messages.shown.size(), GetParam().told.isEmpty() ? 0 : 1);
  for (const QString& part : GetParam().told) {
    EXPECT_TRUE(messages.shown[0].text.contains(part)) << messages.shown[0].text.toStdString();
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Exclamation);
  }
  EXPECT_EQ(desktop.played, GetParam().chimes ? QStringList{"/opt/data/All_Done.wav"} : QStringList{});
  EXPECT_EQ(desktop.calls, QList<bool>({true, false}));
  EXPECT_FALSE(window.running());
  EXPECT_FALSE(window.form().find(QStringLiteral("framain"))->visible);
  for (auto s = sources.cbegin(); s != sources.cend(); ++s) EXPECT_EQ(readBytes(s.key()), s.value());
  EXPECT_EQ(filesBelow(tree.path(QStringLiteral("src"))).filter(QStringLiteral("fillpack")), QStringList());
}

// Three files, of which 2.mp3 is large and already staged, read-only when `locked`.
void overOldSecond(CopyToFolderTest& t, bool locked) {
  t.source("1.mp3");
  const QString second = t.source("2.mp3", QByteArray(200000, 'z'));
  t.source("3.mp3");
  EXPECT_TRUE(writeBytes(t.staged(second), "old"));
  if (locked) ::chmod(platform::encodeFileName(t.staged(second)).constData(), 0444);
}

// One file, to a stage that no one may write.
void sourceIntoReadOnlyStage(CopyToFolderTest& t) {
  t.source("1.mp3");
  t.tree.folder(QStringLiteral("stage"));
  ::chmod(platform::encodeFileName(t.stage()).constData(), 0555);
}

const Scenario scenarios[] = {
    {"OnlyTheCheckedIntoAMissingFolderTypedWithoutTheSlash", "stage/new/deeper",
     [](CopyToFolderTest& t) {
       t.source("rock/1.mp3");
       t.source("2.mp3", {}, false);
       t.source("3.mp3");
       t.tree.folder(QStringLiteral("stage"));
     },
     {"new/deeper/3.mp3=3.mp3", "new/deeper/rock/1.mp3=rock/1.mp3"}, {}, true},
    {"NothingCheckedOnlyChimes", "stage/", [](CopyToFolderTest& t) { t.source("1.mp3", {}, false); }, {}, {}, true},
    {"TheSoundOptionOffEndsSilently", "stage", [](CopyToFolderTest& t) { t.source("1.mp3"); }, {"1.mp3=1.mp3"}, {},
     false, false},
    {"AVanishedSourceStopsAfterTheFilesBeforeIt", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       t.vanish(t.source("2.mp3"));
       t.source("3.mp3");
     },
     {"1.mp3=1.mp3"}, {"/src/2.mp3 No such file or directory"}, false},
    {"AReadOnlyDestinationStopsWithTheFileAndTheReason", "stage", [](CopyToFolderTest& t) { overOldSecond(t, true); },
     {"1.mp3=1.mp3", "2.mp3=old"}, {"/src/2.mp3\" cannot be copied", "Permission denied"}, false},
    {"AFullDiskStopsWithTheFileAndTheReason", "stage", [](CopyToFolderTest& t) { overOldSecond(t, false); },
     {"1.mp3=1.mp3", "2.mp3=old"}, {"/src/2.mp3\" cannot be copied", "File too large"}, false, true, 100000},
    {"TheRootAsTargetIsRefused", "/", [](CopyToFolderTest& t) { t.source("1.mp3"); }, {}, {"onto itself"}, false},
    // The staged folder of the second file is a link back to its own folder: nothing is
    // written, not even the first file.
    {"ALaterFileLandingOnItselfIsRefusedBeforeTheFirstIsCopied", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       t.source("sub/2.mp3");
       t.tree.folder(QStringLiteral("stage") + t.tree.root() + QStringLiteral("/src"));
       t.tree.symlink(t.tree.path(QStringLiteral("src/sub")),
                      QStringLiteral("stage") + t.tree.root() + QStringLiteral("/src/sub"));
     },
     {}, {"onto itself"}, false},
    // A folder where a file was is told like a vanished file; the copy ends there.
    {"AFolderInTheListIsToldLikeAVanishedFile", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       t.tree.folder(QStringLiteral("src/album"));
       t.entry(t.tree.path(QStringLiteral("src/album")));
       t.source("3.mp3");
     },
     {"1.mp3=1.mp3"}, {"/src/album Not a regular file"}, false},
    // A link planted below the target is never followed: the copy stops there and nothing
    // lands where it points.
    {"ALinkBelowTheTargetStopsTheCopyAndNamesIt", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       t.source("sub/2.mp3");
       t.tree.folder(QStringLiteral("outside"));
       t.tree.symlink(t.tree.path(QStringLiteral("outside")), t.stagedSources() + QStringLiteral("/sub"));
       t.keep("outside/2.mp3");
     },
     {"1.mp3=1.mp3"}, {"The copy stopped at", "/src/sub\""}, false},
    // A list line such as "/../tmp/x" names a real file, yet below the target its ".."
    // would lead out.
    {"ADotDotBelowTheTargetStopsTheCopyAndNamesIt", "stage",
     [](CopyToFolderTest& t) {
       EXPECT_TRUE(writeBytes(t.tree.path(QStringLiteral("src/1.mp3")), "1.mp3"));
       t.entry(QStringLiteral("/..") + t.tree.path(QStringLiteral("src/1.mp3")));
       t.keep(qPrintable(t.tree.root().mid(1) + QStringLiteral("/src/1.mp3")));
     },
     {}, {"The copy stopped at", "/stage/..\""}, false},
    // A link with the file's own name is replaced itself; the file it points to stays.
    {"ALinkAtTheFilesOwnNameIsReplacedNotWrittenThrough", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       t.keep("outside/keep.mp3", "keep");
       t.tree.symlink(t.tree.path(QStringLiteral("outside/keep.mp3")), t.stagedSources() + QStringLiteral("/1.mp3"));
     },
     {"1.mp3=1.mp3"}, {}, true},
    // The reason is the one the failing call gave, for a level below the target and for
    // the target itself.
    {"AFolderBelowTheTargetThatCannotBeMadeGivesTheRealReason", "stage",
     sourceIntoReadOnlyStage,
     {}, {"/src/1.mp3\" cannot be copied", "Permission denied"}, false, true, 0, true},
    {"ATargetThatCannotBeMadeGivesTheRealReason", "stage/new",
     sourceIntoReadOnlyStage,
     {}, {"/src/1.mp3\" cannot be copied", "Permission denied"}, false, true, 0, true},
    // Stop is pressed once the progress shows the big file (of three chunks) a chunk along.
    {"StopMidFileLeavesTheOldFileAndNoPartial", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       EXPECT_TRUE(writeBytes(t.staged(t.source("big.mp3", QByteArray(10 << 20, 'b'))), "old"));
       t.pump.onPump = [&t](int) {
         if (t.window.form().text(QStringLiteral("lblcurrent")).contains(u"big.mp3\n(file 2 of 2, 4 of 10"))
           t.window.cmdstop_Click();
       };
     },
     {"1.mp3=1.mp3", "big.mp3=old"}, {}, false},
};

INSTANTIATE_TEST_SUITE_P(Each, CopyToFolderScenario, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// Each folder made below the target is no more open than the source folder it stands for
// (less the umask); its owner may always enter and write it.
TEST_F(CopyToFolderTest, FoldersMadeAreNoMoreOpenThanTheirSources) {
  const struct {
    const char* name;
    mode_t source, staged;
  } folders[] = {{"private", 0700, 0700}, {"group", 0750, 0750}, {"open", 0777, 0755}, {"readonly", 0555, 0755}};
  for (const auto& folder : folders) source(qPrintable(QString::fromLatin1(folder.name) + QStringLiteral("/a.mp3")));
  for (const auto& folder : folders)
    ::chmod(platform::encodeFileName(tree.path(QStringLiteral("src/") + QString::fromLatin1(folder.name))).constData(),
            folder.source);
  ::chmod(platform::encodeFileName(tree.path(QStringLiteral("src"))).constData(), 0711);
  answerOk(stage());
  const mode_t mask = ::umask(022);
  window.cmdCopy_Click();
  ::umask(mask);
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(stagedFiles().size(), 4);
  const auto modeOf = [](const QString& path) {
    struct stat st {};
    ::stat(platform::encodeFileName(path).constData(), &st);
    return st.st_mode & 07777;
  };
  EXPECT_EQ(modeOf(staged(tree.path(QStringLiteral("src")))), 0711u);
  for (const auto& folder : folders)
    EXPECT_EQ(modeOf(staged(tree.path(QStringLiteral("src/") + QString::fromLatin1(folder.name)))), folder.staged)
        << folder.name;
}

// The ways the dialog ends without a copy; an empty list opens no dialog at all.
TEST_F(CopyToFolderTest, CancelAndCloseCopyNothingAndStaySilent) {
  window.cmdCopy_Click();
  EXPECT_TRUE(dialog.forms.isEmpty());
  source("a.mp3");
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
  EXPECT_EQ(dialog.forms.first(), dialog.forms.last());  // one dialog for the run
  EXPECT_FALSE(QFileInfo::exists(stage()));
  EXPECT_TRUE(desktop.played.isEmpty());
  EXPECT_TRUE(desktop.calls.isEmpty());
}

}  // namespace
