// Sizes are always read from the disk, whatever the "No CD in Drive" box says: without
// them every list would look burned and be offered for deletion. Only regular files come
// in, as gathering takes them; a line naming a folder, a device, a FIFO or a file of /sys
// is left out and counted, and each file is looked at by its metadata only, so that no
// such line can block the load. The running total is handed over as a request, so the
// labels are written when the window draws, not per row. Whether a load runs is a flag of
// its own: the button's caption is in the user's language.
#include "output/LoadList.h"

#include <QFile>
#include <QScopeGuard>
#include <QStringList>

#include "output/ListFile.h"
#include "platform/FileKind.h"
#include "platform/FileNames.h"
#include "platform/MessageTexts.h"

namespace output {

namespace {

// The lines of a list that a load left out, by what they name.
struct LeftOut {
  int folders = 0;
  int special = 0;
  int missing = 0;
  int empty = 0;

  // Whether a file of these `facts` comes in; counts it when not.
  bool admits(const platform::FileFacts& facts) {
    switch (facts.kind) {
      case platform::FileKind::Regular:
        if (facts.size > 0) return true;
        ++empty;
        return false;
      case platform::FileKind::Folder:
        ++folders;
        return false;
      case platform::FileKind::Special:
        ++special;
        return false;
      default:
        ++missing;
        return false;
    }
  }
  // Lines that name nothing a burned list would leave behind.
  bool strange() const { return folders + special > 0; }
  QString text() const {
    QStringList lines;
    const auto add = [&lines](int count, platform::Msg what) {
      if (count > 0) lines.append(platform::text(what).arg(count));
    };
    add(folders, platform::Msg::LeftOutFolders);
    add(special, platform::Msg::LeftOutSpecial);
    add(missing, platform::Msg::LeftOutMissing);
    add(empty, platform::Msg::LeftOutEmpty);
    if (lines.isEmpty()) return {};
    return platform::text(platform::Msg::LeftOutLines).arg(folders + special + missing + empty) +
           QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n"));
  }
};

}  // namespace

void cmdload_Click(catalogue::CommandContext& w, const LoadServices& services, LoadView& view) {
  w.run.stopflag = false;
  if (w.run.loading) {
    w.run.stopflag = true;
    view.runChanged();
    return;
  }
  const QString loadTitle = platform::text(platform::Msg::LoadTitle);
  services.dialogs.InitOpenDialog(platform::text(platform::Msg::TextFile) + QStringLiteral(" (*.txt)|*.txt"), loadTitle,
                                  QString());
  const QString path = w.run.pendingListPath.isEmpty() ? services.dialogs.ShowOpen() : w.run.pendingListPath;
  if (path.isEmpty()) return;

  QFile file(QFile::decodeName(platform::encodeFileName(path)));
  if (!file.open(QIODevice::ReadOnly)) {
    services.messages.show(loadTitle, platform::text(platform::Msg::ListCannotOpen).arg(path),
                           platform::MessageIcon::Exclamation);
    w.run.pendingListPath.clear();
    return;
  }
  w.run.loading = true;
  const auto idle = qScopeGuard([&] { w.run.loading = false; });
  view.runChanged();
  view.opened(path);
  const QStringList entries = entryLines(file.readAll());
  file.close();

  catalogue::FileList& lower = w.catalogue.lstsec();
  lower.clear();
  qint64 total = 0;
  bool stopped = false;
  LeftOut left;
  for (const QString& entry : entries) {
    w.pump.pump();
    const platform::FileFacts facts = platform::lookAt(entry, platform::Links::Follow);
    if (w.run.stopflag) {
      stopped = true;
      break;
    }
    if (!left.admits(facts)) continue;
    catalogue::FileEntry row;
    row.text = entry;
    row.size = facts.size;
    lower.append(std::move(row));
    total += facts.size;
    w.catalogue.refreshLowerTotals(total);
    w.pump.pump();
  }

  if (!stopped) {
    // A list of files that are all gone was burned; one that names other things was not.
    if (!lower.isEmpty() || left.strange()) {
      if (const QString told = left.text(); !told.isEmpty())
        services.messages.show(loadTitle, told, platform::MessageIcon::Information);
    } else if (services.messages.ask(platform::text(platform::Msg::EmptyListTitle),
                                     platform::text(platform::Msg::BurnedAlready)) &&
               !services.trash.moveToTrash({path}).isEmpty()) {
      services.messages.show(platform::text(platform::Msg::EmptyListTitle),
                             platform::text(platform::Msg::ListNotTrashed).arg(path),
                             platform::MessageIcon::Exclamation);
    }
    if (lower.isEmpty()) w.run.pendingListPath.clear();
  }
  w.catalogue.refreshLowerTotals(total);
  view.measured(total);
  w.catalogue.resort(catalogue::FileList::Kind::Lower);
  w.catalogue.refreshicons(catalogue::FileList::Kind::Lower, w.icons, w.pump);
  if (stopped) w.catalogue.refreshUpperSummary();
  w.run.loading = false;
  view.runChanged();
}

}  // namespace output
