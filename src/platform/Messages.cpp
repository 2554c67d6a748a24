// Headless message boxes: "title: text" on standard error.
#include "platform/Messages.h"

#include <cstdio>

#include "platform/FileNames.h"

namespace platform {

void StderrMessages::show(const QString& title, const QString& text, MessageIcon) {
  const QByteArray line = encodeFileName(title + QStringLiteral(": ") + text) + '\n';
  std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
  std::fflush(stderr);
}

bool StderrMessages::ask(const QString& title, const QString& text) {
  show(title, text, MessageIcon::Question);
  return false;
}

}  // namespace platform
