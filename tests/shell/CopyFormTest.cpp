// The copy dialog's state: its two settings read on load and written on OK, and the Browse
// button (the window's tests press its buttons and check where it opens).
#include <gtest/gtest.h>

#include "shell/CopyForm.h"
#include "support/Fakes.h"
#include "support/MemorySettingsStore.h"

namespace {

using testing_support::MemorySettingsStore;

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
    EXPECT_EQ(form.form().text(QStringLiteral("txtPath")), QString::fromLatin1(c.shownFolder)) << c.shownFolder;
    EXPECT_EQ(form.form().find(QStringLiteral("chkSound"))->value, c.shownSound) << c.shownFolder;
  }
  shell::CopyForm withoutStore(nullptr, programFolder, picker, {});
  EXPECT_EQ(withoutStore.form().text(QStringLiteral("txtPath")), programFolder);
  EXPECT_TRUE(withoutStore.soundWanted());
}

TEST(CopyForm, OkStoresBothSettingsAndHandsOverTheFolder) {
  MemorySettingsStore store;
  testing_support::ScriptedPicker picker;
  shell::CopyForm form(&store, programFolder, picker, {});
  form.form()(QStringLiteral("txtPath")).text = QStringLiteral("/media/stage");
  form.form()(QStringLiteral("chkSound")).value = 0;
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
    form.form()(QStringLiteral("txtPath")).text = QString::fromLatin1(c.before);
    form.cmdBrowse_Click();
    EXPECT_EQ(picker.starts, QStringList({QString::fromLatin1(c.start)})) << c.before << " " << c.answer;
    EXPECT_EQ(picker.prompts, QStringList({"Select an Image Folder"}));
    EXPECT_EQ(form.form().text(QStringLiteral("txtPath")), QString::fromLatin1(c.after)) << c.before << " " << c.answer;
  }
}

TEST(CopyForm, TakesTheLanguage) {
  testing_support::ScriptedPicker picker;
  shell::CopyForm form(nullptr, programFolder, picker, [](catalogue::Form& f) {
    f(QStringLiteral("chkSound")).text = QStringLiteral("Ton am Ende");
  });
  EXPECT_EQ(form.form().text(QStringLiteral("chkSound")), QStringLiteral("Ton am Ende"));
}

}  // namespace
