// A failed write is told, unlike the silence of old: the user would otherwise believe the
// list safe on disk. A file that cannot stand in the list is told too, and checked again
// above, so that it is not forgotten between the lists.
#include "output/SaveList.h"

#include "catalogue/NameLines.h"

namespace output {

namespace {

const QString title = QStringLiteral("Save File List");

}  // namespace

void cmdsave_Click(catalogue::Catalogue& lists, const ShownLimit& limit, OpenSaveDlg& dialogs,
                   platform::Messages& messages) {
  const QString path = dialogs.ShowSave(QStringLiteral("txt"));
  if (path.isEmpty()) return;
  const SaveOutcome saved = savefile(path, lists.lstsec(), limit);
  if (!saved.failure.isEmpty()) {
    messages.show(title,
                  QStringLiteral("The list could not be saved to \"%1\": %2. Nothing was changed there.")
                      .arg(path, saved.failure),
                  platform::MessageIcon::Critical);
    return;
  }
  if (saved.leftOut.isEmpty()) return;
  for (const QString& name : saved.leftOut)
    if (const int row = lists.getfilenum(name)) lists.setUpperChecked(row - 1, true);
  messages.show(title,
                QStringLiteral("A line break in their names keeps these files out of \"%1\"; they are checked again "
                               "in the upper list:\r\n")
                        .arg(path) +
                    catalogue::namesOneALine(saved.leftOut),
                platform::MessageIcon::Exclamation);
}

}  // namespace output
