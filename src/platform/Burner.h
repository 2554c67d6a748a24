// The disc-burning program of this machine: the first of the known ones found on PATH.
#pragma once

#include <QString>
#include <optional>

namespace platform {

struct Burner {
  QString program;  // the command, such as "brasero"
  QString title;    // its name as users know it, such as "Brasero"
  QString path;     // where PATH has it
};

std::optional<Burner> findBurner();

}  // namespace platform
