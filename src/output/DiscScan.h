// The disc scan: pressing a drive's button reads the whole disc into the upper list, to
// see which files are already backed up. It deletes nothing.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/CommandContext.h"
#include "platform/Messages.h"
#include "platform/OpticalDrives.h"

namespace output {

// The folder the first drive button stands for while no drive is found. Its caption shows it,
// but a caption can be translated: the scan reads this folder, whatever the caption says.
inline constexpr char firstDriveFolder[] = "/media/cdrom";

// The button caption of a drive: its disc's mount point, or the device without a disc.
QString driveCaption(const platform::OpticalDrive& drive);

// The folder to scan for the drive `device` as the drives are now: its disc's mount point,
// empty when it has no disc. An empty device (the first button, no drive found) stands for
// firstDriveFolder.
QString discFolder(const platform::OpticalDrives& drives, const QString& device);

// The scan of `folder`, the disc of the drive the user knows as `driveName`: without a
// folder the missing disc is told; else the lower list and the part counter start afresh
// and `gather` reads the folder into the upper list.
void scanDisc(catalogue::CommandContext& context, const QString& folder, const QString& driveName,
              platform::Messages& messages, const std::function<void(const QString& folder)>& gather);

}  // namespace output
