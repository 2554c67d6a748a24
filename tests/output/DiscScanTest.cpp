// The drive buttons, the disc scan and "/scancd", over the kernel's drive list and mount table.
#include <gtest/gtest.h>

#include "output/DiscScan.h"
#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

using platform::LinuxOpticalDrives;

TEST(DiscScan, ReadsTheKernelsDriveListAndTheMountTable) {
  EXPECT_EQ(LinuxOpticalDrives::devicesFromCdromInfo("CD-ROM information, Id: cdrom.c 3.20\n\n"
                                                     "drive name:\t\tsr1\tsr0\ndrive speed:\t\t24\t24\n"),
            (QStringList{"/dev/sr0", "/dev/sr1"}));
  EXPECT_TRUE(LinuxOpticalDrives::devicesFromCdromInfo("").isEmpty());
  const auto mounts = LinuxOpticalDrives::mountsFromTable(
      "/dev/sda1 / ext4 rw 0 0\n/dev/sr0 /media/user/My\\040Disc iso9660 ro 0 0\n");
  ASSERT_EQ(mounts.size(), 2);
  EXPECT_EQ(mounts[1], (std::pair<QString, QString>{"/dev/sr0", "/media/user/My Disc"}));
}

// Two drives: the first without a disc, the second with one mounted on "disc".
struct ScanWindow : testing_support::TestWindow, platform::OpticalDrives {
  ScanWindow() {
    tree.file("disc/song.mp3", 1000);
    tree.file("disc/sub/clip.ogg", 2000);
    scanner.form()("chkrecurse").value = 1;
    scanner.run().partcount = 4;
  }
  QList<platform::OpticalDrive> drives() const override { return {{"/dev/sr0", {}}, {"/dev/sr1", tree.path("disc")}}; }
  shell::MainForm scanner{services({.fileDialogs = &dialogs, .trash = &trash, .drives = this})};
  const catalogue::Form& form() const { return std::as_const(scanner).form(); }
  catalogue::Catalogue& lists() { return scanner.catalogue(); }
};

TEST(DiscScan, ButtonsShowTheDiscOrTheDriveAndOnlyADiscIsWalked) {
  ScanWindow t;
  t.scanner.CDROM_Load();
  EXPECT_EQ(t.form().text("cmdcdrom", 0), "/dev/sr0");
  EXPECT_EQ(t.form().text("cmdcdrom", 1), t.tree.path("disc"));
  EXPECT_EQ(t.form().find("cmdcdrom", 1)->toolTip, t.form().find("cmdcdrom", 0)->toolTip);

  t.lists().lstsec().append(catalogue::FileEntry{"/x/y.bin", {}, {}, {}});
  EXPECT_TRUE(t.scanner.cmdcdrom_Click(0));  // no disc: told, nothing touched
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_TRUE(t.messages.shown[0].text.contains("/dev/sr0"));
  EXPECT_EQ(t.lists().lstsec().count(), 1);

  EXPECT_TRUE(t.scanner.cmdcdrom_Click(1));
  EXPECT_TRUE(t.lists().lstsec().isEmpty() && t.lists().lstmain().count() == 2);
  EXPECT_EQ(t.form().text("txtdir"), t.tree.path("disc"));
  EXPECT_EQ(t.scanner.run().partcount, 0);
  EXPECT_FALSE(t.scanner.cmdcdrom_Click(2));
}

// With no drive found, the first button reads its folder, whatever a language pack made of
// its caption.
TEST(DiscScan, TheFirstButtonReadsItsFolderWhateverItsCaption) {
  struct NoDriveWindow : ScanWindow {
    QList<platform::OpticalDrive> drives() const override { return {}; }
  } t;
  t.scanner.CDROM_Load();
  t.scanner.form()("cmdcdrom", 0).text = t.tree.path("disc");
  EXPECT_TRUE(t.scanner.cmdcdrom_Click(0));
  EXPECT_EQ(t.form().text("txtdir"), QString::fromLatin1(output::firstDriveFolder));
  EXPECT_EQ(t.lists().lstmain().count(), 0);
}

// An index that names no drive ends the command line silently.
TEST(DiscScan, TheCommandLineNumbersTheDrivesFound) {
  for (const auto& [index, rows, limit] : {std::tuple{"1", 2, "5"}, {"7", 0, "702"}}) {
    ScanWindow t;
    shell::processcommandline({"/scancd", index, "/limit", "5"}, t.scanner);
    EXPECT_EQ(t.lists().lstmain().count(), rows) << index;
    EXPECT_EQ(t.form().text("txtlimit"), limit) << index;
    EXPECT_TRUE(t.messages.shown.isEmpty());
  }
}

}  // namespace
