// The About window: the program's title, version, legal notice, owner and licence, and the
// links to its maker.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/LinkOpener.h"
#include "shell/AboutForm.h"

namespace windows {

class FormBinding;

class AboutWindow final : public QWidget {
  Q_OBJECT
 public:
  AboutWindow(QWidget& owner, shell::AboutFacts facts, platform::LinkOpener& opener,
              const std::function<void(catalogue::Form&)>& applyLanguage);

  shell::AboutForm& state() { return state_; }
  QWidget* control(catalogue::ControlId id) const;

 private:
  shell::AboutForm state_;
  FormBinding* binding_;  // owned by this window
};

}  // namespace windows
