// The utilization label keeps the words after the percentage in its tag, in the language
// of the window. The total and the utilization stay the byte sum of the files, whatever
// the searches count; only the summary adds the disc image's size.
#include "shell/LowerListRecords.h"

#include "catalogue/Numbers.h"
#include "catalogue/Utilization.h"
#include "platform/MessageTexts.h"
#include "search/DiscImage.h"
#include "shell/MainFormControls.h"

namespace shell {

using namespace mainform;

void showLowerSummary(catalogue::Form& form, const catalogue::Catalogue& catalogue, bool countAsOnDisc) {
  QString summary = catalogue.lowerSummary(form.text(txttotal));
  if (countAsOnDisc && !catalogue.lstsec().isEmpty())
    summary += platform::text(platform::Msg::OnDiscAddition)
                   .arg(catalogue::megabytesText(search::discImageBytes(catalogue.lstsec())));
  form(lblCountList2).text = summary;
}

void showLowerTotals(catalogue::Form& form, const catalogue::Catalogue& catalogue, qint64 bytes, bool countAsOnDisc) {
  form(txttotal).text = catalogue::megabytesText(bytes);
  showLowerSummary(form, catalogue, countAsOnDisc);
}

void showLowerResult(catalogue::Form& form, const catalogue::Catalogue& catalogue, qint64 bytes,
                     double limitMegabytes, bool countAsOnDisc) {
  shell::showLowerTotals(form, catalogue, bytes, countAsOnDisc);
  catalogue::Control& percent = form(lblpercent);
  percent.text = catalogue::utilizationPercent(bytes, limitMegabytes) + percent.tag;
}

}  // namespace shell
