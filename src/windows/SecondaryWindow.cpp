// Non-modal on purpose: the main window stays usable while either window is open.
#include "windows/SecondaryWindow.h"

namespace windows {

FormBinding& bindOwnedWindow(QWidget& window, QWidget& owner, catalogue::Form& form, std::vector<EventRoute> routes) {
  window.setParent(&owner, Qt::Window);
  window.setWindowModality(Qt::NonModal);
  window.setAttribute(Qt::WA_DeleteOnClose);
  auto* binding = new FormBinding(form, window, nullptr, [](const QString&) { return ListSource{}; });
  binding->route(std::move(routes));
  binding->apply();
  return *binding;
}

void showOverOwner(QWidget& window) {
  if (!window.isVisible()) {
    const QWidget* owner = window.parentWidget();
    window.move(owner->geometry().center() - window.rect().center());
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace windows
