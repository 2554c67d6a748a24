// What the About and instructions windows share: a top-level window of its own that the
// main window owns (closed with it, kept above it, never blocking it), its widgets made by
// the binding from its records, and gone when the user closes it, so that opening it again
// loads it afresh.
#pragma once

#include <QWidget>
#include <vector>

#include "catalogue/Form.h"
#include "windows/FormBinding.h"

namespace windows {

// Makes `window` an owned window of `owner` and binds it to its records and event table.
// The binding belongs to the window.
FormBinding& bindOwnedWindow(QWidget& window, QWidget& owner, catalogue::Form& form, std::vector<EventRoute> routes);
// Shows the window without blocking its owner; the first time centred over the owner.
void showOverOwner(QWidget& window);

}  // namespace windows
