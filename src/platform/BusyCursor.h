// The busy mouse pointer over the program's windows while a command keeps the user waiting.
// Commands hold a BusyPointer for as long as they are busy, so the normal pointer comes
// back on every way out.
#pragma once

namespace platform {

class BusyCursor {
 public:
  virtual ~BusyCursor() = default;
  virtual void setBusy(bool busy) = 0;
};

// For runs without a pointer to change.
class NoBusyCursor final : public BusyCursor {
 public:
  void setBusy(bool) override {}
};

class BusyPointer {
 public:
  explicit BusyPointer(BusyCursor& cursor) : cursor_(cursor) { cursor_.setBusy(true); }
  ~BusyPointer() { cursor_.setBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  BusyCursor& cursor_;
};

}  // namespace platform
