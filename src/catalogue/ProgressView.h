// The progress frame as the long commands see it: typed calls that the shell maps to the
// window's records, so that no command below the shell names a control.
#pragma once

#include <QString>

namespace catalogue {

class ProgressView {
 public:
  virtual ~ProgressView() = default;
  // The frame shows with `activity` as its status, and Stop is offered.
  virtual void begin(const QString& activity) = 0;
  // A new status line while the frame shows.
  virtual void status(const QString& text) = 0;
  // The work is over: the Stop command runs (it hides the frame and brings the summaries up
  // to date) and the status line gets its normal caption back.
  virtual void end() = 0;
};

// For commands run where nothing shows progress.
class NoProgress final : public ProgressView {
 public:
  void begin(const QString&) override {}
  void status(const QString&) override {}
  void end() override {}
};

}  // namespace catalogue
