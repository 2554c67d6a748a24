// The drive is looked at again when its button is pressed: a disc may have been put in
// or taken out since the buttons were made. A drive without a disc is told, not walked.
#include "output/DiscScan.h"

#include "catalogue/Transitional.h"

namespace output {

namespace {

const QString buttons = QStringLiteral("cmdcdrom");

}  // namespace

QString driveCaption(const platform::OpticalDrive& drive) {
  return drive.mountPoint.isEmpty() ? drive.device : drive.mountPoint;
}

void CDROM_Load(catalogue::Form& form, const platform::OpticalDrives& drives) {
  const QList<platform::OpticalDrive> found = drives.drives();
  for (int i = 0; i < found.size(); ++i) {
    catalogue::Control& button = form.load(buttons, i);
    button.text = driveCaption(found[i]);
    button.tag = found[i].device;
    button.visible = true;
  }
}

bool cmdcdrom_Click(catalogue::WindowContext& w, catalogue::Gathering& gathering,
                    const platform::OpticalDrives& drives, platform::Messages& messages, int index) {
  const catalogue::Control* button = w.form.find(buttons, index);
  if (!button) return false;
  // A button made from a drive names its device; the first button, before any drive was
  // found, names a folder.
  QString folder = button->tag.isEmpty() && index == 0 ? QString::fromLatin1(firstDriveFolder) : QString();
  for (const platform::OpticalDrive& drive : drives.drives())
    if (drive.device == button->tag) folder = drive.mountPoint;
  if (folder.isEmpty()) {
    messages.show(QStringLiteral("Scan disc"),
                  QStringLiteral("There is no disc mounted in the drive %1.").arg(button->text),
                  platform::MessageIcon::Exclamation);
    return true;
  }
  w.catalogue.lstsec().clear();
  w.form(QStringLiteral("lblCountCDTotal")).text.clear();
  w.run.partcount = 0;
  w.form(QStringLiteral("txtdir")).text = folder;
  gathering.add(catalogue::gatherRequestOf(w.form));
  w.form(QStringLiteral("lblCountList2")).text = w.catalogue.lowerSummary(w.form.text(QStringLiteral("txttotal")));
  w.catalogue.refreshicons(catalogue::FileList::Kind::Lower, w.icons, w.pump);
  return true;
}

}  // namespace output
