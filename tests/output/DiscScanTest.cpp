// The drive buttons and the disc scan: the kernel's drive list and the mount table read,
// a drive without a disc told rather than walked, and "/scancd" numbering the drives found.
#include <gtest/gtest.h>

#include "output/DiscScan.h"
#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

using platform::LinuxOpticalDrives;

class FakeDrives final : public platform::OpticalDrives {
 public:
  QList<platform::OpticalDrive> drives() const override { return list; }
  QList<platform::OpticalDrive> list;
};

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

struct ScanWindow : testing_support::TestWindow {
  ScanWindow() {
    tree.file("disc/song.mp3", 1000);
    tree.file("disc/sub/clip.ogg", 2000);
    drives.list = {{"/dev/sr0", QString()}, {"/dev/sr1", tree.path("disc")}};
    scanner.form()(QStringLiteral("chkrecurse")).value = 1;
    scanner.run().partcount = 4;
  }
  FakeDrives drives;
  shell::MainForm scanner{shell::Services{messages, picker, pump, registry, nullptr, QString(), &dialogs, &trash, &drives}};
};

TEST(DiscScan, ButtonsShowTheDiscOrTheDriveAndOnlyADiscIsWalked) {
  ScanWindow t;
  t.scanner.CDROM_Load();
  const catalogue::Form& form = std::as_const(t.scanner).form();
  EXPECT_EQ(form.text("cmdcdrom", 0), QStringLiteral("/dev/sr0"));
  EXPECT_EQ(form.text("cmdcdrom", 1), t.tree.path("disc"));
  EXPECT_EQ(form.find("cmdcdrom", 1)->toolTip, form.find("cmdcdrom", 0)->toolTip);

  t.scanner.catalogue().lstsec().append(catalogue::FileEntry{"/x/y.bin", {}, {}, {}});
  EXPECT_TRUE(t.scanner.cmdcdrom_Click(0));  // no disc: told, nothing touched
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_TRUE(t.messages.shown[0].text.contains("/dev/sr0"));
  EXPECT_EQ(t.scanner.catalogue().lstsec().count(), 1);

  EXPECT_TRUE(t.scanner.cmdcdrom_Click(1));
  EXPECT_EQ(t.scanner.catalogue().lstsec().count(), 0);
  EXPECT_EQ(t.scanner.catalogue().lstmain().count(), 2);
  EXPECT_EQ(form.text("txtdir"), t.tree.path("disc"));
  EXPECT_EQ(t.scanner.run().partcount, 0);
  EXPECT_FALSE(t.scanner.cmdcdrom_Click(2));
}

TEST(DiscScan, TheCommandLineNumbersTheDrivesFound) {
  ScanWindow t;
  shell::processcommandline({"/scancd", "1", "/limit", "5"}, t.scanner);
  EXPECT_EQ(t.scanner.catalogue().lstmain().count(), 2);
  EXPECT_EQ(std::as_const(t.scanner).form().text("txtlimit"), QStringLiteral("5"));
  ScanWindow u;
  shell::processcommandline({"/scancd", "7", "/limit", "5"}, u.scanner);  // no such drive: the line ends there
  EXPECT_EQ(u.scanner.catalogue().lstmain().count(), 0);
  EXPECT_EQ(std::as_const(u.scanner).form().text("txtlimit"), QStringLiteral("702"));
  EXPECT_TRUE(u.messages.shown.isEmpty());
}

}  // namespace
