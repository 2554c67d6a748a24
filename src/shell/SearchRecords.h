// What the searches show, written into the main window's records.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"
#include "catalogue/RunState.h"
#include "search/Limit.h"
#include "search/SearchView.h"

namespace shell {

class SearchRecords final : public search::SearchView {
 public:
  // The utilization is counted against `capacity` as it is when a part is shown; the summary
  // names the disc size while `run` counts as on disc.
  SearchRecords(catalogue::Form& form, const catalogue::Catalogue& catalogue, const search::Capacity& capacity,
                const catalogue::RunState& run)
      : form_(form), catalogue_(catalogue), capacity_(capacity), run_(run) {}

  bool searchEnabled() const override;
  void showResult(qint64 bytes) override;
  void showPartNumber(int part) override;
  void planning(bool active) override;
  void showLowerSummary() override;

 private:
  catalogue::Form& form_;
  const catalogue::Catalogue& catalogue_;
  const search::Capacity& capacity_;
  const catalogue::RunState& run_;
};

}  // namespace shell
