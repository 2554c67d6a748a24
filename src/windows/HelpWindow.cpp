// The pack is applied when the window loads, before any text goes in: the instructions
// themselves are never translated.
#include "windows/HelpWindow.h"

#include "shell/SecondaryFormControls.h"
#include "windows/SecondaryWindow.h"

namespace windows {

HelpWindow::HelpWindow(QWidget& owner, const std::function<void(catalogue::Form&)>& applyLanguage)
    : form_(shell::helpFormControls()) {
  setObjectName(QStringLiteral("frmHelp"));
  if (applyLanguage) applyLanguage(form_);
  binding_ = &bindOwnedWindow(*this, owner, form_, {});
}

void HelpWindow::setInstructions(const QString& text) {
  form_(QStringLiteral("txtHelp")).text = text;
  binding_->apply();
}

QWidget* HelpWindow::control(const QString& name) const { return binding_->widget(name); }

}  // namespace windows
