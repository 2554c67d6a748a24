// A failed write is told, unlike the silence of old: the user would otherwise believe the
// list safe on disk. A file that cannot stand in the list is told too, and checked again
// above, so that it is not forgotten between the lists.
#include "output/SaveList.h"

#include "catalogue/NameLines.h"
#include "platform/MessageTexts.h"

namespace output {

void cmdsave_Click(catalogue::Catalogue& lists, const ShownLimit& limit, OpenSaveDlg& dialogs,
                   platform::Messages& messages) {
  const QString path = dialogs.ShowSave(QStringLiteral("txt"));
  if (path.isEmpty()) return;
  const SaveOutcome saved = savefile(path, lists.lstsec(), limit);
  if (!saved.failure.isEmpty()) {
    messages.show(platform::text(platform::Msg::SaveTitle),
                  platform::text(platform::Msg::CannotSave).arg(path, saved.failure), platform::MessageIcon::Critical);
    return;
  }
  if (saved.leftOut.isEmpty()) return;
  for (const QString& name : saved.leftOut)
    if (const int row = lists.getfilenum(name)) lists.setUpperChecked(row - 1, true);
  messages.show(platform::text(platform::Msg::SaveTitle),
                platform::text(platform::Msg::UnlistableInSave).arg(path) + QStringLiteral("\r\n") +
                    catalogue::namesOneALine(saved.leftOut),
                platform::MessageIcon::Exclamation);
}

}  // namespace output
