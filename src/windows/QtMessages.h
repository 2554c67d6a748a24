// Message boxes and questions as modal Qt dialogs; every question defaults to No. Once
// the program is ending, nobody is there to answer a dialog: messages then go to standard
// error and questions are answered No, so a closing program never waits.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Messages.h"

namespace windows {

class QtMessages final : public platform::Messages {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  // Tells whether the program is ending.
  void setEnding(std::function<bool()> ending) { ending_ = std::move(ending); }
  void show(const QString& title, const QString& text, platform::MessageIcon icon) override;
  bool ask(const QString& title, const QString& text) override;

 private:
  bool ending() const { return ending_ && ending_(); }

  QPointer<QWidget> parent_;
  std::function<bool()> ending_;
  platform::StderrMessages unattended_;
};

}  // namespace windows
