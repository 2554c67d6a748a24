// The desktop decides which program opens an address (xdg-open and friends).
#include "platform/LinkOpener.h"

#include <QDesktopServices>

namespace platform {

bool DesktopLinkOpener::open(const QUrl& address) { return QDesktopServices::openUrl(address); }

}  // namespace platform
