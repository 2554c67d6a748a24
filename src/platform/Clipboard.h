// The desktop's clipboard. The window hands it data through Qt; a run without a display has
// no clipboard, and its stand-in keeps nothing.
#pragma once

#include <QMimeData>
#include <memory>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces what the clipboard holds; the clipboard owns the data from then on.
  virtual void setMimeData(std::unique_ptr<QMimeData> data) = 0;
};

class QtClipboard final : public Clipboard {
 public:
  void setMimeData(std::unique_ptr<QMimeData> data) override;
};

class NoClipboard final : public Clipboard {
 public:
  void setMimeData(std::unique_ptr<QMimeData>) override {}
};

}  // namespace platform
