// On X11 Qt answers other programs' requests for the data for as long as we own the
// selection, so the data must live in the clipboard object, not with the caller.
#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void QtClipboard::setMimeData(std::unique_ptr<QMimeData> data) {
  QGuiApplication::clipboard()->setMimeData(data.release(), QClipboard::Clipboard);
}

}  // namespace platform
