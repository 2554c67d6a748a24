// The one command that destroys user data: it asks first, touches the checked entries
// only, trashes a symbolic link as the link, and tells which files it could not trash
// instead of letting them vanish from the lists. Whatever a list holds, only regular files
// and links go to the trash: a folder or a device named by a loaded list stays where it
// is. Paths are compared exactly, as the file system does; two files whose names differ
// in letter case are two files.
#include "output/DeleteFiles.h"

#include <QSet>

#include "catalogue/Paths.h"
#include "platform/FileKind.h"
#include "platform/MessageTexts.h"

namespace output {

namespace {

// The entry as it stands, a link taken as the link. Only the file system's own "no such
// entry" counts as gone: a path it cannot look at (too long, no permission) may still name
// a file, and its entry stays.
platform::FileKind kindOf(const QString& path) { return platform::lookAt(path, platform::Links::AsLinks).kind; }

}  // namespace

void mnufiledelete_Click(catalogue::Catalogue& lists, platform::Messages& messages, platform::Trash& trash) {
  if (!messages.ask(platform::text(platform::Msg::DeleteTitle), platform::text(platform::Msg::DeleteQuestion))) return;
  catalogue::FileList& lower = lists.lstsec();
  if (lower.isEmpty()) return;

  QStringList files, notFiles;
  for (int row = 0; row < lower.count(); ++row) {
    if (!lower.at(row).checked) continue;
    const QString& path = lower.at(row).text;
    switch (kindOf(path)) {
      case platform::FileKind::Gone:
        break;
      case platform::FileKind::Folder:
      case platform::FileKind::Special:
        notFiles.append(path);
        break;
      default:
        files.append(path);
    }
  }
  const QStringList failed = files.isEmpty() ? QStringList() : trash.moveToTrash(files);
  QStringList told;
  if (!failed.isEmpty())
    told.append(platform::text(platform::Msg::NotTrashed) + QStringLiteral("\r\n") +
                failed.join(QStringLiteral("\r\n")));
  if (!notFiles.isEmpty())
    told.append(platform::text(platform::Msg::NotFilesNotTrashed) + QStringLiteral("\r\n") +
                notFiles.join(QStringLiteral("\r\n")));
  if (!told.isEmpty())
    messages.show(platform::text(platform::Msg::DeleteTitle), told.join(QStringLiteral("\r\n\r\n")),
                  platform::MessageIcon::Exclamation);

  QSet<QString> gone;
  for (int row = 0; row < lower.count(); ++row)
    if (kindOf(lower.at(row).text) == platform::FileKind::Gone) gone.insert(lower.at(row).text);
  if (gone.isEmpty()) return;
  const catalogue::PathStyle style = lists.style();
  lists.removeUpperIf(
      [&](const catalogue::FileEntry& e) { return gone.contains(catalogue::chkdir(e.folder.text(), e.text, style)); });
  lower.removeIf([&](const catalogue::FileEntry& e) { return gone.contains(e.text); });
  lists.refreshUpperSummary();
}

}  // namespace output
