// The gathering commands as the main window shows them: the window's choices read into a
// request, and what the commands show written into the records.
#pragma once

#include "catalogue/Form.h"
#include "catalogue/Gathering.h"
#include "catalogue/GatheringView.h"

namespace shell {

// The folder box, its history, the subfolder choice, the pattern and the option as they stand.
catalogue::GatherRequest gatherRequest(const catalogue::Form& form);

class GatheringRecords final : public catalogue::GatheringView {
 public:
  explicit GatheringRecords(catalogue::Form& form) : form_(form) {}

  void setBusy(bool busy) override;
  void clearPartCount() override;
  void followLists() override;
  void offerSearch() override;
  void showFolder(const QString& text) override;
  void showFolderHistory(const QStringList& history) override;

 private:
  catalogue::Form& form_;
};

}  // namespace shell
