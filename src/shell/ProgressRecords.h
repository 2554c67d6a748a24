// The progress frame of the main window: the typed progress calls of the commands written
// into the frame's records.
#pragma once

#include <functional>

#include "catalogue/Form.h"
#include "catalogue/ProgressView.h"

namespace shell {

class ProgressRecords final : public catalogue::ProgressView {
 public:
  // `stop` is the Stop command, which every end of progress runs.
  ProgressRecords(catalogue::Form& form, std::function<void()> stop) : form_(form), stop_(std::move(stop)) {}

  void begin(const QString& activity) override;
  void status(const QString& text) override;
  void end() override;

 private:
  catalogue::Form& form_;
  std::function<void()> stop_;
};

}  // namespace shell
