// A failed write is told, unlike the silence of old: the user would otherwise believe the
// list safe on disk.
#include "output/SaveList.h"

#include "output/ListFile.h"

namespace output {

void cmdsave_Click(catalogue::WindowContext& w, OpenSaveDlg& dialogs, platform::Messages& messages) {
  const catalogue::Control* button = w.form.find(QStringLiteral("cmdsave"));
  if (!button || !button->enabled) return;
  const QString path = dialogs.ShowSave(QStringLiteral("txt"));
  if (path.isEmpty()) return;
  if (!savefile(path, w.catalogue.lstsec(), w.form.text(QStringLiteral("txttotal")), w.form.text(QStringLiteral("txtlimit"))))
    messages.show(QStringLiteral("Save File List"),
                  QStringLiteral("The list could not be saved to \"%1\"; nothing was changed there.").arg(path),
                  platform::MessageIcon::Critical);
}

}  // namespace output
