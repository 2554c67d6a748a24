// The one command that destroys user data: it asks first, touches the checked entries
// only, trashes a symbolic link as the link, and tells which files it could not trash
// instead of letting them vanish from the lists. Paths are compared exactly, as the file
// system does; two files whose names differ in letter case are two files.
#include "output/DeleteFiles.h"

#include <sys/stat.h>
#include <cerrno>

#include <QSet>

#include "catalogue/Paths.h"
#include "catalogue/Utilization.h"
#include "platform/FileNames.h"

namespace output {

namespace {

const QString title = QStringLiteral("Delete files");

// Whether anything, a dangling link included, still stands at the path. Only the file
// system's own "no such entry" counts as gone: a path it cannot look at (too long, no
// permission) may still name a file, and its entry stays.
bool stillThere(const QString& path) {
  struct stat st {};
  if (::lstat(platform::encodeFileName(path).constData(), &st) == 0) return true;
  return errno != ENOENT && errno != ENOTDIR;
}

}  // namespace

void mnufiledelete_Click(catalogue::WindowContext& w, platform::Messages& messages, platform::Trash& trash) {
  if (!messages.ask(title, QStringLiteral("Are you sure you want to delete the files selected?"))) return;
  catalogue::FileList& lower = w.catalogue.lstsec();
  if (lower.isEmpty()) return;

  QStringList checked;
  for (int row = 0; row < lower.count(); ++row)
    if (lower.at(row).checked) checked.append(lower.at(row).text);
  const QStringList failed = checked.isEmpty() ? QStringList() : trash.moveToTrash(checked);
  if (!failed.isEmpty())
    messages.show(title,
                  QStringLiteral("These files could not be moved to the trash and stay in the lists:\r\n") +
                      failed.join(QStringLiteral("\r\n")),
                  platform::MessageIcon::Exclamation);

  QSet<QString> gone;
  for (int row = 0; row < lower.count(); ++row)
    if (!stillThere(lower.at(row).text)) gone.insert(lower.at(row).text);
  if (gone.isEmpty()) return;
  const catalogue::PathStyle style = w.catalogue.style();
  w.catalogue.removeUpperIf(
      [&](const catalogue::FileEntry& e) { return gone.contains(catalogue::chkdir(e.folder, e.text, style)); });
  lower.removeIf([&](const catalogue::FileEntry& e) { return gone.contains(e.text); });
  w.catalogue.refreshUpperSummary();
  catalogue::showLowerResult(w.form, w.catalogue, catalogue::listBytes(lower));
}

}  // namespace output
