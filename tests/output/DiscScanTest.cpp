// The kernel's drive list and mount table (the scan itself: tests/shell/DiscButtonsTest).
#include <gtest/gtest.h>

#include "platform/OpticalDrives.h"

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

}  // namespace
