// The status label keeps its normal caption in its tag; the Stop button's tag says that a
// command with progress runs.
#include "shell/ProgressRecords.h"

#include "shell/MainFormControls.h"

namespace shell {

using namespace mainform;

void ProgressRecords::begin(const QString& activity) {
  form_(lblcurrent).text = activity;
  form_(lbllevel).visible = false;
  form_(framain).visible = true;
  form_(Timer).enabled = true;
  form_(cmdstop).tag = QStringLiteral("1");
}

void ProgressRecords::status(const QString& text) { form_(lblcurrent).text = text; }

void ProgressRecords::end() {
  if (stop_) stop_();
  form_(cmdstop).tag.clear();
  form_(lbllevel).visible = true;
  catalogue::Control& current = form_(lblcurrent);
  current.text = current.tag;
  form_(lstmain).visible = true;
}

}  // namespace shell
