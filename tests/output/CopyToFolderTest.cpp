// Copy to Folder with the sound, pointer and progress recorded: what lands where, what ends
// the copy and what is told, and that nothing is ever lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMap>
#include <optional>

#include "output/CopyToFolder.h"
#include "platform/FileNames.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/NoPermissionOverride.h"
#include "support/OutputServices.h"

namespace {

using namespace testing_support;

struct CopyToFolderTest : ::testing::Test, OutputBench {
  RecordingDesktop desktop;
  catalogue::CommandContext copying{lists, run, pump, desktop};
  QString target;

  // The copy to `folder`, with the sound option as given.
  void copy(const QString& folder, bool soundOption = true) {
    target = folder;
    output::copyToFolder(copying, target, {messages, desktop, desktop, "/opt/data/All_Done.wav", soundOption});
  }
  // A file below src/ holding `bytes` (else its own name), in the lower list; every test
  // checks that it is left as it was.
  QString source(const char* relative, const QByteArray& bytes = {}, bool checked = true) {
    const QString path = tree.path(QStringLiteral("src/") + QString::fromLatin1(relative));
    sources[path] = bytes.isNull() ? QByteArray(relative) : bytes;
    EXPECT_TRUE(writeBytes(path, sources[path]));
    addLower(path, sources[path].size(), checked);
    return path;
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

// One copy: the sources made and the folder given (below the test's tree unless absolute),
// then what is below the stage, the parts of the one warning and whether the chime sounds;
// a file size limit is a full disk while the copy runs, and with `bitsBindRoot` permission
// bits stop the copy even when it runs as root.
struct Scenario {
  const char *name, *typed;
  std::function<void(CopyToFolderTest&)> arrange;
  QStringList staged, told;
  bool chimes, soundOption = true;
  rlim_t fileSizeLimit = 0;
  bool bitsBindRoot = false;
};

class CopyToFolderScenario : public CopyToFolderTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(CopyToFolderScenario, StagesTellsAndChimesAsItShould) {
  const QString typed = QString::fromLatin1(GetParam().typed);
  GetParam().arrange(*this);
  {
    std::optional<testing_support::FileSizeLimit> disk;
    if (GetParam().fileSizeLimit) disk.emplace(GetParam().fileSizeLimit);
    std::optional<NoPermissionOverride> bits;
    if (GetParam().bitsBindRoot) bits.emplace();
    copy(typed.startsWith(u'/') ? typed : tree.path(typed), GetParam().soundOption);
  }
  EXPECT_EQ(stagedFiles(), GetParam().staged);
  EXPECT_TRUE(target.endsWith(typed.endsWith(u'/') ? typed : typed + u'/'));
  ASSERT_EQ(messages.shown.size(), GetParam().told.isEmpty() ? 0 : 1);
  for (const QString& part : GetParam().told) {
    EXPECT_TRUE(messages.shown[0].text.contains(part)) << messages.shown[0].text.toStdString();
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Exclamation);
  }
  EXPECT_EQ(desktop.played, GetParam().chimes ? QStringList{"/opt/data/All_Done.wav"} : QStringList{});
  EXPECT_EQ(desktop.calls, QList<bool>({true, false}));
  EXPECT_EQ(desktop.shows, 0);
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
       t.tree.symlink(t.tree.path(QStringLiteral("src/sub")), t.stagedSources() + QStringLiteral("/sub"));
     },
     {}, {"onto itself"}, false},
    // A folder where a file was is told like a vanished file; the copy ends there.
    {"AFolderInTheListIsToldLikeAVanishedFile", "stage",
     [](CopyToFolderTest& t) {
       t.source("1.mp3");
       t.tree.folder(QStringLiteral("src/album"));
       t.addLower(t.tree.path(QStringLiteral("src/album")));
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
       t.addLower(QStringLiteral("/..") + t.tree.path(QStringLiteral("src/1.mp3")));
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
         if (t.desktop.current.contains(u"big.mp3\n(file 2 of 2, 4 of 10")) t.run.stopflag = true;
       };
     },
     {"1.mp3=1.mp3", "big.mp3=old"}, {}, false},
};

INSTANTIATE_TEST_SUITE_P(Each, CopyToFolderScenario, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// Each folder made below the target is no more open than the source folder it stands for
// (less the umask); its owner may always enter and write it.
TEST_F(CopyToFolderTest, FoldersMadeAreNoMoreOpenThanTheirSources) {
  const struct { const char* name; mode_t source, staged; } folders[] = {{"private", 0700, 0700}, {"group", 0750, 0750}, {"open", 0777, 0755}, {"readonly", 0555, 0755}};
  const auto src = [this](const char* name) { return platform::encodeFileName(tree.path("src/" + QString(name))); };
  for (const auto& folder : folders) source(qPrintable(QString::fromLatin1(folder.name) + QStringLiteral("/a.mp3")));
  for (const auto& folder : folders) ::chmod(src(folder.name).constData(), folder.source);
  ::chmod(src("").constData(), 0711);
  const mode_t mask = ::umask(022);
  copy(stage());
  ::umask(mask);
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(stagedFiles().size(), 4);
  const auto stagedMode = [&](const char* name) {
    struct stat st {};
    ::stat((platform::encodeFileName(stage()) + src(name)).constData(), &st);
    return st.st_mode & 07777;
  };
  EXPECT_EQ(stagedMode(""), 0711u);
  for (const auto& folder : folders) EXPECT_EQ(stagedMode(folder.name), folder.staged) << folder.name;
}

}  // namespace
