// What the searches show, written into the main window's records.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"
#include "search/SearchView.h"

namespace shell {

class SearchRecords final : public search::SearchView {
 public:
  SearchRecords(catalogue::Form& form, const catalogue::Catalogue& catalogue) : form_(form), catalogue_(catalogue) {}

  bool searchEnabled() const override;
  void showResult(qint64 bytes) override;
  void showPartNumber(int part) override;
  void planning(bool active) override;
  void showLowerSummary() override;

 private:
  catalogue::Form& form_;
  const catalogue::Catalogue& catalogue_;
};

}  // namespace shell
