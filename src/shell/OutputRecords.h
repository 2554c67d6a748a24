// What the output commands show in the main window, written into its records: a load's
// window title, Load button caption and utilization, and the limit a list file names.
#pragma once

#include <functional>

#include "catalogue/Form.h"
#include "catalogue/RunState.h"
#include "output/LoadList.h"

namespace shell {

class LoadRecords final : public output::LoadView {
 public:
  // `caption` gives the Load button's caption, idle or while a load runs, in the language held.
  // `capacityBytes` is the medium's capacity the utilization is counted against.
  LoadRecords(catalogue::Form& form, const catalogue::RunState& run, std::function<QString(bool loading)> caption,
              double capacityBytes)
      : form_(form), run_(run), caption_(std::move(caption)), capacityBytes_(capacityBytes) {}

  void opened(const QString& path) override;
  void runChanged() override;
  void measured(qint64 bytes) override;

 private:
  catalogue::Form& form_;
  const catalogue::RunState& run_;
  std::function<QString(bool)> caption_;
  double capacityBytes_;
};

}  // namespace shell
