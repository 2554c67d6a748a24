// The search and list-file commands driven through the window's buttons, offscreen:
// Search, Save and Load with scripted dialogs, Load stopped by a second press, the
// question for a list whose files are gone, and the buttons the timer makes available.
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "windows/WindowFixture.h"

namespace {

class ListCommandsWindowTest : public testing_support::WindowFixture {
 protected:
  QPushButton* button(const char* name) { return widget<QPushButton>(name); }
  QString label(const char* name) { return widget<QLabel>(name)->text(); }
  int lowerRows() { return table("lstsec")->model()->rowCount(); }
  void tick() {
    window.Timer_Timer();
    view.syncFromState();
  }
  // Gathers three files through the window and searches with a 10 MB limit.
  void searchThree() {
    window.setLimitText(QStringLiteral("10"));
    gather({{"a.bin", 6}, {"b.bin", 5}, {"c.bin", 4}});
    view.syncFromState();
    button("cmdsearch")->click();
  }
  void writeList(const QString& name, const QStringList& entries) {
    QFile file(tree.path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n____________________\r\n")).toUtf8());
  }
};

TEST_F(ListCommandsWindowTest, TheTimerOffersSearchAndSaveOnlyWhenTheirListsHoldRows) {
  EXPECT_FALSE(button("cmdsearch")->isEnabled());
  EXPECT_FALSE(button("cmdsave")->isEnabled());
  searchThree();
  tick();
  EXPECT_TRUE(button("cmdsearch")->isEnabled());
  EXPECT_TRUE(button("cmdsave")->isEnabled());
  window.catalogue().lstsec().clear();
  tick();
  EXPECT_FALSE(button("cmdsave")->isEnabled());
  EXPECT_EQ(label("lblCountList2"), QString());
}

TEST_F(ListCommandsWindowTest, SearchSaveAndLoadThroughTheButtons) {
  searchThree();
  EXPECT_EQ(lowerRows(), 2);
  EXPECT_EQ(label("lblCountList2"), QStringLiteral("2 Files of 10 Megabytes"));
  EXPECT_EQ(label("lblpercent"), QStringLiteral("100% CD utilization"));
  tick();
  const QString list = tree.path(QStringLiteral("part"));
  dialogs.answers = {list};
  button("cmdsave")->click();
  QFile saved(list + QStringLiteral(".txt"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), (in(QStringLiteral("a.bin")) + QStringLiteral("\r\n") + in(QStringLiteral("c.bin")) +
                              QStringLiteral("\r\n____________________\r\nTotal Size: 10/10 megabytes (100% CD "
                                             "utilization)\r\n"))
                                 .toUtf8());

  window.catalogue().lstsec().clear();
  dialogs.answers = {list + QStringLiteral(".txt")};
  button("cmdload")->click();
  EXPECT_EQ(lower(), (QStringList{in(QStringLiteral("a.bin")), in(QStringLiteral("c.bin"))}));
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Fillpack (") + list + QStringLiteral(".txt)"));
  EXPECT_EQ(button("cmdload")->text(), QStringLiteral("&Load"));
  EXPECT_TRUE(messages.asked.isEmpty());
}

TEST_F(ListCommandsWindowTest, ASecondPressOfLoadStopsTheLoadWithWhatItRead) {
  gather({{"a.bin", 1}, {"b.bin", 1}, {"c.bin", 1}, {"d.bin", 1}}, false);
  writeList(QStringLiteral("four.txt"),
            {in(QStringLiteral("a.bin")), in(QStringLiteral("b.bin")), in(QStringLiteral("c.bin")), in(QStringLiteral("d.bin"))});
  dialogs.answers = {tree.path(QStringLiteral("four.txt"))};
  QString captionWhileLoading;
  pump.onPump = [&](int call) {
    if (call != 4) return;  // after the second file, before the line of the third
    view.syncFromState();
    captionWhileLoading = button("cmdload")->text();
    button("cmdload")->click();
  };
  button("cmdload")->click();
  EXPECT_EQ(captionWhileLoading, QStringLiteral("&Cancel"));
  EXPECT_EQ(lower(), (QStringList{in(QStringLiteral("a.bin")), in(QStringLiteral("b.bin"))}));
  EXPECT_EQ(label("lblCountList2"), QStringLiteral("2 Files of 2 Megabytes"));
  EXPECT_EQ(button("cmdload")->text(), QStringLiteral("&Load"));
  EXPECT_TRUE(messages.asked.isEmpty());  // a stopped load asks nothing
}

TEST_F(ListCommandsWindowTest, AListWhoseFilesAreGoneIsOfferedForTheTrash) {
  writeList(QStringLiteral("burned.txt"), {tree.path(QStringLiteral("gone/a.bin"))});
  dialogs.answers = {tree.path(QStringLiteral("burned.txt"))};
  messages.answers = {true};
  button("cmdload")->click();
  ASSERT_EQ(messages.asked.size(), 1);
  EXPECT_EQ(messages.asked[0].title, QStringLiteral("Delete empty file list?"));
  EXPECT_EQ(trash.received, QStringList{tree.path(QStringLiteral("burned.txt"))});
  EXPECT_EQ(lowerRows(), 0);
}

}  // namespace
