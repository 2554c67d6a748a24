// The tables of controls of the About and instructions windows.
#pragma once

#include <span>

#include "catalogue/Form.h"

namespace shell {

std::span<const catalogue::ControlDecl> aboutFormControls();
std::span<const catalogue::ControlDecl> helpFormControls();

}  // namespace shell
