// The pass keeps its running total as a 64-bit count; the comparison with the limit is
// made in double precision, as the totals box and the tag are numbers in text.
#include "search/FitSearch.h"

#include "catalogue/Numbers.h"
#include "catalogue/Paths.h"
#include "catalogue/Utilization.h"

namespace search {

void cmdsearch_Click(catalogue::WindowContext& w) {
  using catalogue::Control;
  const Control* button = w.form.find(QStringLiteral("cmdsearch"));
  if (!button || !button->enabled) return;

  catalogue::FileList& lower = w.catalogue.lstsec();
  lower.clear();
  w.form(QStringLiteral("txttotal")).text = QStringLiteral("0");
  const double limit = catalogue::limitBytes(w.form);
  const catalogue::FileList& upper = w.catalogue.lstmain();
  qint64 total = 0;
  const int rows = upper.count();
  for (int row = 0; row < rows && row < upper.count(); ++row) {
    if (!upper.at(row).checked) continue;
    const qint64 size = upper.at(row).size;
    w.pump.pump();
    if (double(total + size) > limit) continue;
    total += size;
    catalogue::FileEntry chosen;
    chosen.text = upper.fullPath(row);
    chosen.size = size;
    lower.append(std::move(chosen));
    w.catalogue.setUpperChecked(row, false);
  }
  if (lower.isEmpty()) w.catalogue.clearUpper();

  Control& totalBox = w.form(QStringLiteral("txttotal"));
  totalBox.text = catalogue::megabytesText(total);
  w.form(QStringLiteral("lblpercent")).text =
      catalogue::utilizationCaption(w.form, catalogue::leadingNumber(totalBox.text),
                         catalogue::leadingNumber(w.form.text(QStringLiteral("txtlimit"))));
  w.form(QStringLiteral("lblCountList2")).text = w.catalogue.lowerSummary(totalBox.text);
  w.catalogue.refreshicons(catalogue::FileList::Kind::Lower, w.icons, w.pump);
  if (!lower.isEmpty()) {
    ++w.run.partcount;
    w.form(QStringLiteral("lblCountCDTotal")).text = QStringLiteral("Total Part... ") + QString::number(w.run.partcount);
  }
}

}  // namespace search
