// Stop: the request, the upper summary, the frame, and the lower summary when loading is possible.
#include "search/StopCommand.h"

namespace search {

void cmdstop_Click(catalogue::Form& form, catalogue::Catalogue& catalogue, catalogue::RunState& run) {
  run.stopflag = true;
  form(QStringLiteral("lblCountList")).text = catalogue.upperSummary();
  catalogue.takeUpperSummaryRequest();
  form(QStringLiteral("framain")).visible = false;
  const catalogue::Control* load = form.find(QStringLiteral("cmdload"));
  if (load && load->enabled)
    form(QStringLiteral("lblCountList2")).text = catalogue.lowerSummary(form.text(QStringLiteral("txttotal")));
}

}  // namespace search
