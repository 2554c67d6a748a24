// The busy pointer over every window of the program, through Qt's override cursor.
#pragma once

#include "platform/BusyCursor.h"

namespace windows {

class QtBusyCursor final : public platform::BusyCursor {
 public:
  void setBusy(bool busy) override;
};

}  // namespace windows
