// The completion sound through Qt Multimedia, with the desktop's beep where no sound can
// be played: a missing file, no audio device (as on build machines and servers) or a file
// the player cannot decode.
#pragma once

#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>

#include "platform/Sound.h"

class QSoundEffect;

namespace windows {

class QtSound final : public QObject, public platform::Sound {
  Q_OBJECT
 public:
  // `beep` stands in for the sound; the desktop's beep by default.
  explicit QtSound(std::function<void()> beep = {});
  ~QtSound() override;

  void play(const QString& file) override;

 private:
  std::function<void()> beep_;
  // Made at the first sound, so a run that never plays one never starts the audio system.
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace windows
