// The disc-burning program of this machine: the first of the known ones found on PATH.
#pragma once

#include <QString>
#include <optional>

#include "platform/BurnerProfiles.h"

namespace platform {

struct Burner {
  BurnerProfile profile;  // its row of the known burners
  QString path;           // where PATH has it

  QString title() const { return profile.titleText(); }
};

std::optional<Burner> findBurner();

}  // namespace platform
