// Opens a web or mail address with the desktop's default program. Behind an interface so
// that the windows can be driven without starting a browser or a mail program.
#pragma once

#include <QUrl>

namespace platform {

class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  // False when the desktop could not open it; callers ignore that, as a dead link should.
  virtual bool open(const QUrl& address) = 0;
};

class DesktopLinkOpener final : public LinkOpener {
 public:
  bool open(const QUrl& address) override;
};

}  // namespace platform
