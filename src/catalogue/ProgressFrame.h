// The progress frame that the walks and the Select commands show while they run: the
// activity in the status label, the Stop button's tag set, and all of it undone at the end.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/Form.h"

namespace catalogue {

void showProgress(Form& form, const QString& activity);
// Runs the Stop handler (which hides the frame), then restores the status line.
void endProgress(Form& form, const std::function<void()>& stopHandler);

}  // namespace catalogue
