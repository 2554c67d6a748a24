// Lines end in CR LF like every other message of the program.
#include "catalogue/SkippedFolders.h"

namespace catalogue {

void SkippedFolders::note(const QString& folder) {
  if (seen_.contains(folder)) return;
  seen_.insert(folder);
  folders_.append(folder);
}

void SkippedFolders::clear() {
  folders_.clear();
  seen_.clear();
}

QString SkippedFolders::message() const {
  const qsizetype count = folders_.size();
  QString text = count == 1 ? QStringLiteral("1 folder could not be read, so its files were not added:")
                            : QStringLiteral("%1 folders could not be read, so their files were not added:").arg(count);
  for (const QString& folder : folders_.mid(0, namedInMessage)) text += QStringLiteral("\r\n") + folder;
  if (count > namedInMessage) text += QStringLiteral("\r\nand %1 more").arg(count - namedInMessage);
  return text;
}

}  // namespace catalogue
