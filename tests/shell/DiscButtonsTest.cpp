// The drive buttons, the disc scan in the window and "/scancd", over scripted drives.
#include <gtest/gtest.h>

#include "output/DiscScan.h"
#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

// Two drives: the first without a disc, the second with one mounted on "disc".
struct ScanWindow : testing_support::TestWindow {
  ScanWindow() {
    tree.file("disc/song.mp3", 1000);
    tree.file("disc/sub/clip.ogg", 2000);
    window.form()(shell::mainform::chkrecurse).value = 1;
    window.run().partcount = 4;
    drives.present = {{"/dev/sr0", {}}, {"/dev/sr1", tree.path("disc")}};
  }
  const catalogue::Form& form() const { return std::as_const(window).form(); }
  catalogue::Catalogue& lists() { return window.catalogue(); }
};

TEST(DiscButtons, ButtonsShowTheDiscOrTheDriveAndOnlyADiscIsWalked) {
  ScanWindow t;
  t.window.CDROM_Load();
  EXPECT_EQ(t.form().text(shell::mainform::cmdcdrom, 0), "/dev/sr0");
  EXPECT_EQ(t.form().text(shell::mainform::cmdcdrom, 1), t.tree.path("disc"));
  EXPECT_EQ(t.form().find(shell::mainform::cmdcdrom, 1)->toolTip, t.form().find(shell::mainform::cmdcdrom, 0)->toolTip);

  t.addLower("/x/y.bin");
  EXPECT_TRUE(t.window.cmdcdrom_Click(0));  // no disc: told, nothing touched
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_TRUE(t.messages.shown[0].text.contains("/dev/sr0"));
  EXPECT_EQ(t.lists().lstsec().count(), 1);

  EXPECT_TRUE(t.window.cmdcdrom_Click(1));
  EXPECT_TRUE(t.lists().lstsec().isEmpty() && t.lists().lstmain().count() == 2);
  EXPECT_EQ(t.form().text(shell::mainform::txtdir), t.tree.path("disc"));
  EXPECT_EQ(t.window.run().partcount, 0);
  EXPECT_FALSE(t.window.cmdcdrom_Click(2));

  // With no drive found, the first button reads its folder, whatever a language pack
  // made of its caption.
  ScanWindow none;
  none.drives.present.clear();
  none.window.CDROM_Load();
  none.window.form()(shell::mainform::cmdcdrom, 0).text = none.tree.path("disc");
  EXPECT_TRUE(none.window.cmdcdrom_Click(0));
  EXPECT_EQ(none.form().text(shell::mainform::txtdir), QString::fromLatin1(output::firstDriveFolder));
  EXPECT_EQ(none.lists().lstmain().count(), 0);
}

// An index that names no drive ends the command line silently.
TEST(DiscButtons, TheCommandLineNumbersTheDrivesFound) {
  for (const auto& [index, rows, limit] : {std::tuple{"1", 2, "5"}, {"7", 0, "702"}}) {
    ScanWindow t;
    shell::processcommandline({"/scancd", index, "/limit", "5"}, t.window);
    EXPECT_EQ(t.lists().lstmain().count(), rows) << index;
    EXPECT_EQ(t.form().text(shell::mainform::txtlimit), limit) << index;
    EXPECT_TRUE(t.messages.shown.isEmpty());
  }
}

}  // namespace
