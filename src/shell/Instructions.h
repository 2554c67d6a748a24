// The instructions window's text: a fixed, numbered walk through the program.
#pragma once

#include <QString>
#include <optional>

#include "platform/Burner.h"

namespace shell {

// The burner a text should name: the one found on this machine, or the burning program in
// general.
QString burnerName(const std::optional<platform::Burner>& burner);
// The instructions, lines joined with CR LF and ended by one; `burner` stands wherever the
// text names the program that burns the disc.
QString instructionsText(const QString& burner);

}  // namespace shell
