// The main window's table of controls: every control it has, declared once.
#pragma once

#include <span>

#include "catalogue/Form.h"

namespace shell {

std::span<const catalogue::ControlDecl> mainFormControls();

// Design sizes of the window, in twips: the smallest window and the height of the button
// panel along its bottom edge.
inline constexpr int minimumWidth = 10440;
inline constexpr int minimumHeight = 8600;

}  // namespace shell
