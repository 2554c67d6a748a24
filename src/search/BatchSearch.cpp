// Every cycle must make progress: it either takes files out of the candidates or the
// loop ends, so no method value and no state of the buttons can keep it going forever.
#include "search/BatchSearch.h"

#include <QSet>

#include "catalogue/Utilization.h"

namespace search {

QString cyclePath(const QString& name, int cycle) {
  const QString number = QStringLiteral(" %1").arg(cycle, 3, 10, QChar(u'0'));
  if (!name.contains(u'.')) return name + number;
  QString path = name;
  return path.replace(QStringLiteral("."), number + u'.');
}

namespace {

int checkedCount(const catalogue::FileList& rows) {
  int n = 0;
  for (int row = 0; row < rows.count(); ++row) n += rows.at(row).checked ? 1 : 0;
  return n;
}

// Unchecks the candidates that can never fit and those that went into this cycle's list.
void cleanUp(catalogue::WindowContext& w) {
  const catalogue::FileList& lower = w.catalogue.lstsec();
  if (lower.isEmpty()) return;
  QSet<QString> chosen;
  chosen.reserve(lower.count());
  for (int row = 0; row < lower.count(); ++row) chosen.insert(lower.at(row).text);
  const double limit = catalogue::limitBytes(w.form);
  const catalogue::FileList& upper = w.catalogue.lstmain();
  for (int row = 0; row < upper.count(); ++row) {
    if (!upper.at(row).checked) continue;
    if (double(upper.at(row).size) > limit || chosen.contains(upper.fullPath(row)))
      w.catalogue.setUpperChecked(row, false);
  }
}

}  // namespace

void mnuscan_Click(catalogue::WindowContext& w, const BatchServices& services) {
  catalogue::Control& menu = w.form(QStringLiteral("mnuscan"));
  QString name = menu.tag;
  menu.tag.clear();
  if (w.run.searchmethod < 0 || w.run.searchmethod > 2) {
    services.report(QStringLiteral("The batch search method %1 is not known; use 0, 1 or 2. No list was written.")
                        .arg(w.run.searchmethod));
    return;
  }
  if (name.isEmpty() && services.askName) name = services.askName();
  if (name.isEmpty()) return;  // a cancelled dialog cancels the batch

  for (int cycle = 1; w.catalogue.lstmain().haschecked(); ++cycle) {
    const int before = checkedCount(w.catalogue.lstmain());
    const QString path = cyclePath(name, cycle);
    services.search();
    cleanUp(w);
    if (!services.saveList(path)) services.report(QStringLiteral("The list \"%1\" could not be written.").arg(path));
    w.catalogue.lstsec().clear();
    w.catalogue.refreshUpperSummary();
    w.form(QStringLiteral("lblCountList2")).text = w.catalogue.lowerSummary(w.form.text(QStringLiteral("txttotal")));
    if (checkedCount(w.catalogue.lstmain()) >= before) break;  // nothing was taken: the search could not run
  }
}

}  // namespace search
