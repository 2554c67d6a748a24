// Sizes are always read from the disk, whatever the "No CD in Drive" box says: without
// them every list would look burned and be offered for deletion. The running total is
// handed over as a request, so the labels are written when the window draws, not per row.
#include "output/LoadList.h"

#include <QFile>

#include "catalogue/Utilization.h"
#include "output/ListFile.h"
#include "platform/FileNames.h"
#include "platform/FolderListing.h"

namespace output {

namespace {

const QString idleCaption = QStringLiteral("&Load");
const QString busyCaption = QStringLiteral("&Cancel");

}  // namespace

void cmdload_Click(catalogue::WindowContext& w, LoadServices services) {
  w.run.stopflag = false;
  catalogue::Control& load = w.form(QStringLiteral("cmdload"));
  if (load.text != idleCaption) {
    w.run.stopflag = true;
    load.text = idleCaption;
    return;
  }
  w.form(QStringLiteral("Timer")).enabled = true;
  services.dialogs.InitOpenDialog(QStringLiteral("Text File (*.txt)|*.txt"), QStringLiteral("Load File List"), QString());
  const QString path = w.run.pendingListPath.isEmpty() ? services.dialogs.ShowOpen() : w.run.pendingListPath;
  if (path.isEmpty()) return;

  QFile file(QFile::decodeName(platform::encodeFileName(path)));
  if (!file.open(QIODevice::ReadOnly)) {
    services.messages.show(QStringLiteral("Load File List"),
                           QStringLiteral("The list file \"%1\" cannot be opened.").arg(path),
                           platform::MessageIcon::Exclamation);
    w.run.pendingListPath.clear();
    return;
  }
  w.form(QStringLiteral("cmdload")).text = busyCaption;
  w.form(QStringLiteral("frmmain")).text = QStringLiteral("Fillpack (") + path + u')';
  const QStringList entries = entryLines(file.readAll());
  file.close();

  catalogue::FileList& lower = w.catalogue.lstsec();
  lower.clear();
  qint64 total = 0;
  bool stopped = false;
  for (const QString& entry : entries) {
    w.pump.pump();
    const qint64 size = platform::fileSize(entry).value_or(0);
    if (w.run.stopflag) {
      stopped = true;
      break;
    }
    if (size == 0) continue;  // gone, unreadable or empty
    catalogue::FileEntry row;
    row.text = entry;
    row.size = size;
    lower.append(std::move(row));
    total += size;
    w.catalogue.refreshLowerTotals(total);
    w.pump.pump();
  }

  if (!stopped) {
    if (lower.isEmpty() &&
        services.messages.ask(QStringLiteral("Delete empty file list?"),
                              QStringLiteral("The files in this file list appear to have been burned and deleted "
                                             "already.\r\nWould you like to delete this file list?")) &&
        !services.trash.moveToTrash({path}).isEmpty())
      services.messages.show(QStringLiteral("Delete empty file list?"),
                             QStringLiteral("The list file \"%1\" could not be moved to the trash.").arg(path),
                             platform::MessageIcon::Exclamation);
    if (lower.isEmpty()) w.run.pendingListPath.clear();
  }
  w.catalogue.refreshLowerTotals(total);
  w.form(QStringLiteral("lblpercent")).text = catalogue::utilizationCaption(w.form, double(total), catalogue::limitBytes(w.form));
  w.catalogue.resort(catalogue::FileList::Kind::Lower);
  w.catalogue.refreshicons(catalogue::FileList::Kind::Lower, w.icons, w.pump);
  if (stopped) w.catalogue.refreshUpperSummary();
  w.form(QStringLiteral("cmdload")).text = idleCaption;
}

}  // namespace output
