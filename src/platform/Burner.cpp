// Looked up afresh at each start: programs come and go between runs.
#include "platform/Burner.h"

#include <QStandardPaths>

namespace platform {

std::optional<Burner> findBurner() {
  static const struct {
    const char* program;
    const char* title;
  } known[] = {{"k3b", "K3b"}, {"brasero", "Brasero"}, {"xfburn", "Xfburn"}};
  for (const auto& k : known) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(k.program));
    if (!path.isEmpty()) return Burner{QString::fromLatin1(k.program), QString::fromLatin1(k.title), path};
  }
  return std::nullopt;
}

}  // namespace platform
