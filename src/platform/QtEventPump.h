// The window's event pump: runs Qt's event processing at most every ~15 ms, so that
// the per-file cost of a long loop stays a clock read while the window stays responsive.
#pragma once

#include <QElapsedTimer>
#include <functional>

#include "platform/EventPump.h"

namespace platform {

class QtEventPump final : public EventPump {
 public:
  explicit QtEventPump(int intervalMs = 15);
  void pump() override;
  // Runs just before events are processed; the window uses it to show the state.
  void setBeforeEvents(std::function<void()> hook) { beforeEvents_ = std::move(hook); }

 private:
  QElapsedTimer clock_;
  int intervalMs_;
  std::function<void()> beforeEvents_;
};

}  // namespace platform
