// The event pump: long loops call pump() wherever the window must get to process
// pending events (repaint, a click on Stop). Tests script it to press Stop at a given call.
#pragma once

namespace platform {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void pump() = 0;
};

// For headless runs: nothing to process.
class NullPump final : public EventPump {
 public:
  void pump() override {}
};

}  // namespace platform
