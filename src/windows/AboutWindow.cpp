// OK closes the window; the links go to the state, which hands them to the desktop.
#include "windows/AboutWindow.h"

#include "shell/Layout.h"
#include "shell/SecondaryFormControls.h"
#include "windows/FormBinding.h"
#include "windows/SecondaryWindow.h"

namespace windows {

AboutWindow::AboutWindow(QWidget& owner, shell::AboutFacts facts, platform::LinkOpener& opener,
                         const std::function<void(catalogue::Form&)>& applyLanguage)
    : state_(std::move(facts), opener, applyLanguage) {
  setObjectName(QLatin1String(shell::aboutform::frmAbout.name));
  using E = FormEvent;
  binding_ = &bindOwnedWindow(*this, owner, state_.form(),
                              {
                                  {shell::aboutform::cmdOK, E::Click, [this](const EventArgs&) { close(); }},
                                  {shell::aboutform::cmdUpdate, E::Click, [this](const EventArgs&) { state_.cmdUpdate_Click(); }},
                                  {shell::aboutform::lblEMail, E::Click, [this](const EventArgs&) { state_.lblEMail_Click(); }},
                                  {shell::aboutform::lblHomePage, E::Click, [this](const EventArgs&) { state_.lblHomePage_Click(); }},
                              });
  shell::fitAboutButtons(state_.form(), [this](catalogue::ControlKind kind, const QString& caption) {
    return binding_->captionTwips(kind, caption);
  });
  binding_->apply();
}

QWidget* AboutWindow::control(catalogue::ControlId id) const { return binding_->widget(id); }

}  // namespace windows
