// The drive is looked at again when its button is pressed: a disc may have been put in
// or taken out since the buttons were made. A drive without a disc is told, not walked.
#include "output/DiscScan.h"

#include "platform/MessageTexts.h"

namespace output {

QString driveCaption(const platform::OpticalDrive& drive) {
  return drive.mountPoint.isEmpty() ? drive.device : drive.mountPoint;
}

QString discFolder(const platform::OpticalDrives& drives, const QString& device) {
  if (device.isEmpty()) return QString::fromLatin1(firstDriveFolder);
  for (const platform::OpticalDrive& drive : drives.drives())
    if (drive.device == device) return drive.mountPoint;
  return {};
}

void scanDisc(catalogue::CommandContext& context, const QString& folder, const QString& driveName,
              platform::Messages& messages, const std::function<void(const QString& folder)>& gather) {
  if (folder.isEmpty())
    return messages.show(platform::text(platform::Msg::ScanTitle),
                         platform::text(platform::Msg::NoDiscMounted).arg(driveName),
                         platform::MessageIcon::Exclamation);
  context.catalogue.lstsec().clear();
  context.run.partcount = 0;
  gather(folder);
  context.catalogue.refreshicons(catalogue::FileList::Kind::Lower, context.icons, context.pump);
}

}  // namespace output
