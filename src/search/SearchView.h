// What the searches show while and after they run, as typed calls: the shell writes them
// into the window's records, the tests record them.
#pragma once

#include <QtGlobal>

namespace search {

class SearchView {
 public:
  virtual ~SearchView() = default;
  // Whether the Search command can be used now; a search asks before it starts, a batch
  // before every part.
  virtual bool searchEnabled() const = 0;
  // The lower list now holds a part of `bytes` in all: its totals and the utilization.
  virtual void showResult(qint64 bytes) = 0;
  // A part that is not empty was found: the counter of parts now stands at `part`.
  virtual void showPartNumber(int part) = 0;
  // A plan is being made (its own Stop button in front of the walk's), or no longer.
  virtual void planning(bool active) = 0;
  // A batch emptied the lower list after writing it: the lower summary follows.
  virtual void showLowerSummary() = 0;
};

}  // namespace search
