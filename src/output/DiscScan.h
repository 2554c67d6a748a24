// The optical-drive buttons and the disc scan: pressing a drive's button reads the whole
// disc into the upper list, to see which files are already backed up. It deletes nothing.
#pragma once

#include "catalogue/Gathering.h"
#include "catalogue/WindowContext.h"
#include "platform/Messages.h"
#include "platform/OpticalDrives.h"

namespace output {

// The folder the first drive button stands for while no drive is found. Its caption shows it,
// but a caption can be translated: the scan reads this folder, whatever the caption says.
inline constexpr char firstDriveFolder[] = "/media/cdrom";

// The button caption of a drive: its disc's mount point, or the device without a disc.
QString driveCaption(const platform::OpticalDrive& drive);

// One button per optical drive, in the drives' order; button 0 is kept when there is none.
void CDROM_Load(catalogue::Form& form, const platform::OpticalDrives& drives);

// The scan of the drive of button `index`; false when there is no such button.
bool cmdcdrom_Click(catalogue::WindowContext& window, catalogue::Gathering& gathering,
                    const platform::OpticalDrives& drives, platform::Messages& messages, int index);

}  // namespace output
