// The Load button offers to stop exactly while a load runs that no press has stopped yet;
// its caption follows that state, never the other way round.
#include "shell/OutputRecords.h"

#include "catalogue/Numbers.h"
#include "catalogue/ProgramTitle.h"
#include "catalogue/Utilization.h"
#include "shell/MainFormControls.h"

namespace shell {

using namespace mainform;

void LoadRecords::opened(const QString& path) {
  form_(frmmain).text = catalogue::programTitle + QStringLiteral(" (") + path + u')';
}

void LoadRecords::runChanged() { form_(cmdload).text = caption_(run_.loading && !run_.stopflag); }

void LoadRecords::measured(qint64 bytes) {
  catalogue::Control& percent = form_(lblpercent);
  percent.text = catalogue::percentText(double(bytes), capacityBytes_) + percent.tag;
}

}  // namespace shell
