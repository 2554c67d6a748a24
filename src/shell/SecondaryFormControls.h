// The tables of controls of the About, instructions and copy windows.
#pragma once

#include <span>

#include "catalogue/Form.h"

namespace shell {

std::span<const catalogue::ControlDecl> aboutFormControls();
std::span<const catalogue::ControlDecl> helpFormControls();
std::span<const catalogue::ControlDecl> copyFormControls();

}  // namespace shell
