// Playing a short sound file, such as the chime at the end of a copy. Playing never blocks
// and never fails as seen from the caller: where no sound can be heard, the desktop's
// beep stands in, or nothing at all.
#pragma once

#include <QString>

namespace platform {

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts playing `file` and returns at once.
  virtual void play(const QString& file) = 0;
};

// For runs without a desktop.
class SilentSound final : public Sound {
 public:
  void play(const QString&) override {}
};

}  // namespace platform
