// Option 1 of the pattern choice leaves the pattern's files out; the subfolder box counts
// only when checked (1), not when grey.
#include "shell/GatheringRecords.h"

#include "shell/MainFormControls.h"

namespace shell {

using namespace mainform;

catalogue::GatherRequest gatherRequest(const catalogue::Form& form) {
  const catalogue::Control* exclusive = form.find(optmain, 1);
  const catalogue::Control* folders = form.find(txtdir);
  return catalogue::GatherRequest{folders->text, form.find(chkrecurse)->value == 1, form.text(txtpattern),
                                  exclusive && exclusive->value != 0, folders->items};
}

void GatheringRecords::setBusy(bool busy) {
  for (const catalogue::ControlId id : {txtdir, cmddir, txtpattern, txtlimit, chkrecurse, cmdsave, cmdsearch, cmdload})
    form_(id).enabled = !busy;
  for (int option : {0, 1}) form_(optmain, option).enabled = !busy;
}

void GatheringRecords::clearPartCount() { form_(lblCountCDTotal).text.clear(); }

void GatheringRecords::followLists() { form_(Timer).enabled = true; }

void GatheringRecords::offerSearch() { form_(cmdsearch).enabled = true; }

void GatheringRecords::showFolder(const QString& text) { form_(txtdir).text = text; }

void GatheringRecords::showFolderHistory(const QStringList& history) { form_(txtdir).items = history; }

}  // namespace shell
