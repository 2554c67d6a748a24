// The text stays as users have always read it, typos and double apostrophes included; only
// the name of the burning program follows this machine. It is never translated by a pack.
#include "shell/Instructions.h"

#include <QStringList>

namespace shell {

QString burnerName(const std::optional<platform::Burner>& burner) {
  return burner ? burner->title() : QStringLiteral("the burning program");
}

QString instructionsText(const QString& burner) {
  const QStringList lines = {
      QString(),
      QStringLiteral("Instructions"),
      QString(),
      QStringLiteral("1. Browse for a folder"),
      QStringLiteral("    You may also drop a folder or individual files into the first list box"),
      QString(),
      QStringLiteral("2. Choose a pattern to include or exclude, ie: *.*"),
      QStringLiteral("    Wildcards: ? = Single * = Multiple Characters"),
      QString(),
      QStringLiteral("3. Press the + to add or - to remove files in the directory from step 1 to/from the first list box"),
      QStringLiteral("    This is done automatically if you dropped a folder into the combobox or files into the list box"),
      QString(),
      QStringLiteral("4. Select the size limit The most common sizes have been added for you"),
      QStringLiteral("    CD sizes, but if the CD is partially full already you can input the remaining space"),
      QStringLiteral("    DVD sizes, but if the DVD is partially full already you can input the remaining space"),
      QStringLiteral("    ZIP 100 MB Drive, but if the ZIP Drive is partially full already you can input the remaining space"),
      QString(),
      QStringLiteral("5. Choose the files you wish to include by checking them off"),
      QStringLiteral("    You may also right click on the listbox and run some automatic searches"),
      QString(),
      QStringLiteral("6. Click Search, right clicking will let you run a batch search"),
      QString(),
      QStringLiteral("7. Save the list or drag the files from the lower listbox into other windows ie, %1 or choose # 8 if "
                     "you will keep folder structure")
          .arg(burner),
      QString(),
      QStringLiteral("8. Push button ''Copy to Folder'' Copy to folder and keep folder structure and push button ''Start "
                     "%1'' and choose from folder")
          .arg(burner),
      QStringLiteral("9. Push button ''Copy to ClipBoard'' Copy to clipboard and startup %1 and choose paste button in %1")
          .arg(burner),
      QStringLiteral("    (NB! this put all files on root without folder structure)"),
  };
  return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

}  // namespace shell
