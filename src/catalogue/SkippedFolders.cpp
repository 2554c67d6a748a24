// Lines end in CR LF like every other message of the program.
#include "catalogue/SkippedFolders.h"

#include "platform/MessageTexts.h"

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
  QString text = count == 1 ? platform::text(platform::Msg::OneFolderSkipped)
                            : platform::text(platform::Msg::FoldersSkipped).arg(count);
  for (const QString& folder : folders_.mid(0, namedInMessage)) text += QStringLiteral("\r\n") + folder;
  if (count > namedInMessage)
    text += QStringLiteral("\r\n") + platform::text(platform::Msg::AndMore).arg(count - namedInMessage);
  return text;
}

}  // namespace catalogue
