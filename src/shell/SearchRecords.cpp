// The search results and the search-related handlers of the main window: the records are
// read and written here, the searches below see only numbers and lists.
#include "shell/SearchRecords.h"

#include <utility>

#include "catalogue/Utilization.h"
#include "platform/MessageTexts.h"
#include "search/Availability.h"
#include "search/Limit.h"
#include "shell/LowerListRecords.h"
#include "shell/MainForm.h"
#include "shell/Layout.h"
#include "shell/MainFormControls.h"

namespace shell {

using namespace mainform;

bool SearchRecords::searchEnabled() const { return form_.find(cmdsearch)->enabled; }

void SearchRecords::showResult(qint64 bytes) {
  showLowerResult(form_, catalogue_, bytes, capacity_.shownMegabytes, run_.countAsOnDisc);
}

void SearchRecords::showPartNumber(int part) {
  form_(lblCountCDTotal).text = platform::text(platform::Msg::TotalPart).arg(part);
}

// The plan's own Stop button stands in front of the walk's while the plan is made.
void SearchRecords::planning(bool active) {
  form_(cmdstop).visible = !active;
  form_(cmdstop2).visible = active;
}

void SearchRecords::showLowerSummary() { shell::showLowerSummary(form_, catalogue_, run_.countAsOnDisc); }

namespace {

// The options of the Search menu: each entry's check mark and the run flag it stands for.
const struct {
  catalogue::ControlId entry;
  bool catalogue::RunState::*flag;
} searchOptions[] = {
    {mnudisc, &catalogue::RunState::countAsOnDisc},
    {mnutogether, &catalogue::RunState::keepFoldersTogether},
};

// A tick that changes nothing leaves the records untouched, so the window re-applies none.
void enable(catalogue::Form& form, catalogue::ControlId id, bool enabled) {
  if (std::as_const(form).find(id)->enabled != enabled) form(id).enabled = enabled;
}

}  // namespace

void MainForm::Timer_Timer() {
  const search::Availability available = search::availability(catalogue_);
  enable(form_, cmdsearch, available.search);
  if (!available.output && !form_.text(lblCountList2).isEmpty()) form_(lblCountList2).text.clear();
  for (const catalogue::ControlId id : {cmdCopy, cmdsave, cmdClipBoard, cmddelete}) enable(form_, id, available.output);
  QRect& magnifier = form_(imgmag).geometry;
  magnifier.moveTopLeft(search::nextMagnifierPlace(magnifier.topLeft()));
}

void MainForm::showCapacity(const search::Capacity& capacity) {
  capacity_ = capacity;
  catalogue::Control& box = form_(txtlimit);
  box.text = capacity.text;
  box.tag = capacity.bytesText;
}

void MainForm::txtlimit_Change() {
  const catalogue::Control& box = *std::as_const(form_).find(txtlimit);
  showCapacity(search::changedCapacity(box.text, box.items));
}

void MainForm::searchOptionClicked() {
  // A command that runs keeps the options it started with; it takes the new ones as it ends.
  if (!running_) followSearchOptions();
}

void MainForm::checkSearchOption(catalogue::ControlId entry) {
  form_(entry).value = 1;
  searchOptionClicked();
}

void MainForm::followSearchOptions() {
  bool changed = false;
  for (const auto& option : searchOptions) {
    const bool checked = std::as_const(form_).find(option.entry)->value == 1;
    changed = std::exchange(run_.*option.flag, checked) != checked || changed;
  }
  if (!changed) return;
  Form_Resize(form_, captionWidth_);  // the summary's room follows the disc count
  // An empty lower list has no disc to name: its summary stays as it is.
  if (!catalogue_.lstsec().isEmpty()) showLowerSummary(form_, catalogue_, run_.countAsOnDisc);
}

}  // namespace shell
