// The utilization label keeps the words after the percentage in its tag, in the language
// of the window.
#include "shell/LowerListRecords.h"

#include "catalogue/Numbers.h"
#include "catalogue/Utilization.h"
#include "shell/MainFormControls.h"

namespace shell {

using namespace mainform;

void showLowerSummary(catalogue::Form& form, const catalogue::Catalogue& catalogue) {
  form(lblCountList2).text = catalogue.lowerSummary(form.text(txttotal));
}

void showLowerTotals(catalogue::Form& form, const catalogue::Catalogue& catalogue, qint64 bytes) {
  const QString megabytes = catalogue::megabytesText(bytes);
  form(txttotal).text = megabytes;
  form(lblCountList2).text = catalogue.lowerSummary(megabytes);
}

void showLowerResult(catalogue::Form& form, const catalogue::Catalogue& catalogue, qint64 bytes,
                     double limitMegabytes) {
  shell::showLowerTotals(form, catalogue, bytes);
  catalogue::Control& percent = form(lblpercent);
  percent.text = catalogue::utilizationPercent(bytes, limitMegabytes) + percent.tag;
}

}  // namespace shell
