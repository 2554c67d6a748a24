// The search's budget, counted in steps of work rather than time so that a plan never depends
// on the machine's speed; the stop request is asked only every few thousand steps.
#pragma once

#include <cstdint>
#include <functional>

namespace search {

class WorkMeter {
 public:
  WorkMeter(std::uint64_t budget, const std::function<bool()>& keepGoing) : budget_(budget), keepGoing_(keepGoing) {}

  // Charges `steps`; false once the budget is spent or a stop was requested.
  bool spend(std::uint64_t steps) {
    used_ += steps;
    if (used_ >= nextPoll_ && !stopped_) {
      nextPoll_ = used_ + pollEvery;
      stopped_ = keepGoing_ && !keepGoing_();
    }
    return !stopped_ && used_ < budget_;
  }
  bool stopped() const { return stopped_; }
  bool spent() const { return stopped_ || used_ >= budget_; }
  std::uint64_t used() const { return used_; }

 private:
  static constexpr std::uint64_t pollEvery = 4096;
  std::uint64_t budget_;
  std::uint64_t used_ = 0;
  std::uint64_t nextPoll_ = pollEvery;
  bool stopped_ = false;
  const std::function<bool()>& keepGoing_;
};

}  // namespace search
