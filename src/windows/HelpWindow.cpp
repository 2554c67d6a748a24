// The pack is applied when the window loads, before any text goes in: the instructions
// themselves are never translated.
#include "windows/HelpWindow.h"

#include "shell/SecondaryFormControls.h"
#include "windows/SecondaryWindow.h"

namespace windows {

HelpWindow::HelpWindow(QWidget& owner, const std::function<void(catalogue::Form&)>& applyLanguage)
    : form_(shell::helpFormControls()) {
  setObjectName(QLatin1String(shell::helpform::frmHelp.name));
  if (applyLanguage) applyLanguage(form_);
  binding_ = &bindOwnedWindow(*this, owner, form_, {});
}

void HelpWindow::setInstructions(const QString& text) {
  form_(shell::helpform::txtHelp).text = text;
  binding_->apply();
}

QWidget* HelpWindow::control(catalogue::ControlId id) const { return binding_->widget(id); }

}  // namespace windows
