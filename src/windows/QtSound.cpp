// Without a sound server the audio system answers at once with no devices, so asking for
// the default output costs no wait; it is asked before every sound, as a device may come
// and go while the program runs.
#include "windows/QtSound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>

namespace windows {

QtSound::QtSound(std::function<void()> beep) : beep_(beep ? std::move(beep) : [] { QApplication::beep(); }) {}

QtSound::~QtSound() = default;

void QtSound::play(const QString& file) {
  if (!QFileInfo(file).isFile() || QMediaDevices::defaultAudioOutput().isNull()) return beep_();
  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>();
    // A file that turns out not to play is told only later, while loading.
    connect(effect_.get(), &QSoundEffect::statusChanged, this, [this] {
      if (effect_->status() == QSoundEffect::Error) beep_();
    });
  }
  const QUrl source = QUrl::fromLocalFile(file);
  if (effect_->source() != source) effect_->setSource(source);
  effect_->play();
}

}  // namespace windows
