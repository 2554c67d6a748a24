// The copy dialog's state: its two settings read on load and written on OK, and the Browse
// button; and the Copy command of the window, which the dialog lets run or not.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "shell/CopyDialog.h"
#include "shell/CopyForm.h"
#include "support/FileBytes.h"
#include "support/MemorySettingsStore.h"
#include "support/OutputFakes.h"

namespace {

using namespace testing_support;

const QString programFolder = QStringLiteral("/opt/fillpack");

QString key(const char* name) {
  return MemorySettingsStore::address(QStringLiteral("Fillpack"), QStringLiteral("Main"), QString::fromLatin1(name));
}

TEST(CopyForm, LoadsLastFolderAndSoundWithTheirDefaults) {
  const struct {
    const char* folder;  // nullptr: not stored
    const char* sound;
    const char* shownFolder;
    int shownSound;
  } cases[] = {
      {nullptr, nullptr, "/opt/fillpack", 1},
      {"/media/stage/", "0", "/media/stage/", 0},
      {"/media/stage/", "1", "/media/stage/", 1},
      {"", "damaged", "", 1},  // an empty folder stays empty; a damaged option stays on
  };
  testing_support::ScriptedPicker picker;
  for (const auto& c : cases) {
    MemorySettingsStore store;
    if (c.folder) store.values[key("Last Folder")] = QString::fromLatin1(c.folder);
    if (c.sound) store.values[key("Sound")] = QString::fromLatin1(c.sound);
    shell::CopyForm form(&store, programFolder, picker, {});
    EXPECT_EQ(form.form().text(shell::copyform::txtPath), QString::fromLatin1(c.shownFolder)) << c.shownFolder;
    EXPECT_EQ(form.form().find(shell::copyform::chkSound)->value, c.shownSound) << c.shownFolder;
  }
  shell::CopyForm withoutStore(nullptr, programFolder, picker, {});
  EXPECT_EQ(withoutStore.form().text(shell::copyform::txtPath), programFolder);
  EXPECT_TRUE(withoutStore.soundWanted());
}

TEST(CopyForm, OkStoresBothSettingsAndHandsOverTheFolder) {
  MemorySettingsStore store;
  testing_support::ScriptedPicker picker;
  shell::CopyForm form(&store, programFolder, picker, {});
  form.form()(shell::copyform::txtPath).text = QStringLiteral("/media/stage");
  form.form()(shell::copyform::chkSound).value = 0;
  form.cmdOK_Click();
  EXPECT_FALSE(form.cancelled);
  EXPECT_EQ(form.target, QStringLiteral("/media/stage"));
  EXPECT_EQ(store.values[key("Last Folder")], QStringLiteral("/media/stage"));
  EXPECT_EQ(store.values[key("Sound")], QStringLiteral("0"));
  form.cmdCancel_Click();
  form.Form_QueryUnload();
  EXPECT_EQ(store.writes.size(), 2);  // Cancel and the close box write nothing
}

TEST(CopyForm, BrowseOpensOnTheFieldAndReturnsTheFolderWithATrailingSlash) {
  const struct {
    const char* before;
    const char* answer;
    const char* start;  // where the picker opens
    const char* after;
  } cases[] = {
      {"/media/stage/", "/srv/burn", "/media/stage/", "/srv/burn/"},
      {"/media/stage/", "/srv/burn/", "/media/stage/", "/srv/burn/"},
      {"", "/srv/burn", "/", "/srv/burn/"},
      {"/media/stage/", "", "/media/stage/", "/media/stage/"},  // cancelled
      {"", "", "/", "/"},
  };
  for (const auto& c : cases) {
    testing_support::ScriptedPicker picker;
    picker.answer = QString::fromLatin1(c.answer);
    shell::CopyForm form(nullptr, programFolder, picker, {});
    form.form()(shell::copyform::txtPath).text = QString::fromLatin1(c.before);
    form.cmdBrowse_Click();
    EXPECT_EQ(picker.starts, QStringList({QString::fromLatin1(c.start)})) << c.before << " " << c.answer;
    EXPECT_EQ(picker.prompts, QStringList({"Select an Image Folder"}));
    EXPECT_EQ(form.form().text(shell::copyform::txtPath), QString::fromLatin1(c.after)) << c.before << " " << c.answer;
  }
}

TEST(CopyForm, TakesTheLanguage) {
  testing_support::ScriptedPicker picker;
  shell::CopyForm form(nullptr, programFolder, picker, [](catalogue::Form& f) {
    f(shell::copyform::chkSound).text = QStringLiteral("Ton am Ende");
  });
  EXPECT_EQ(form.form().text(shell::copyform::chkSound), QStringLiteral("Ton am Ende"));
}

// The Copy command of the window: the dialog decides whether a copy runs. One that ends
// without OK copies nothing and stays silent; an empty list opens no dialog at all. OK
// copies below the folder typed, chimes the data folder's sound, hides the progress frame
// and frees the window for the next command.
struct CopyCommand : ::testing::Test, shell::CopyDialog {
  void show(shell::CopyForm& form) override {
    forms.append(&form);
    if (user) user(form);
  }
  std::function<void(shell::CopyForm&)> user;  // nothing: the dialog ends without OK
  QList<shell::CopyForm*> forms;
  MemorySettingsStore settings;
  RecordingDesktop desktop;
  TestWindow t{nullptr, QStringLiteral("/opt/data"), shell::CopyDesktop{this, &desktop, &desktop, &settings}};
  shell::MainForm& window = t.window;
};

TEST_F(CopyCommand, TheDialogDecidesWhetherACopyRuns) {
  window.cmdCopy_Click();
  EXPECT_TRUE(forms.isEmpty());
  const QString file = t.tree.path(QStringLiteral("src/a.mp3")), stage = t.tree.path(QStringLiteral("stage"));
  ASSERT_TRUE(writeBytes(file, "a"));
  t.addLower(file);
  const std::function<void(shell::CopyForm&)> users[] = {
      [](shell::CopyForm& f) { f.cmdCancel_Click(); },
      [](shell::CopyForm& f) { f.Form_QueryUnload(); },
      [](shell::CopyForm& f) {
        f.cmdOK_Click();
        f.Form_QueryUnload();  // OK, then the close box before the dialog was gone
      },
      {},  // the dialog went away without any button
  };
  for (const auto& each : users) {
    user = each;
    window.cmdCopy_Click();
  }
  EXPECT_EQ(forms.size(), 4);
  EXPECT_EQ(forms.first(), forms.last());  // one dialog for the run
  EXPECT_FALSE(QFileInfo::exists(stage));
  EXPECT_TRUE(desktop.played.isEmpty() && desktop.calls.isEmpty());

  user = [&stage](shell::CopyForm& f) {
    f.form()(shell::copyform::txtPath).text = stage;
    f.cmdOK_Click();
  };
  window.cmdCopy_Click();
  EXPECT_EQ(window.copyForm()->target, stage + u'/');
  EXPECT_TRUE(QFileInfo::exists(stage + file));
  EXPECT_EQ(desktop.played, QStringList{"/opt/data/All_Done.wav"});
  EXPECT_EQ(desktop.calls, QList<bool>({true, false}));
  EXPECT_FALSE(window.running());
  EXPECT_FALSE(window.form().find(shell::mainform::framain)->visible);
}

}  // namespace
