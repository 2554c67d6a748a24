// Every cycle must make progress: it either takes files out of the candidates or the
// loop ends, so no method value and no state of the buttons can keep it going forever.
#include "search/BatchSearch.h"


#include "catalogue/Utilization.h"
#include "search/FitSearch.h"

namespace search {

QString cyclePath(const QString& name, int cycle) {
  const QString number = QStringLiteral(" %1").arg(cycle, 3, 10, QChar(u'0'));
  if (!name.contains(u'.')) return name + number;
  QString path = name;
  return path.replace(QStringLiteral("."), number + u'.');
}

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

  // The checked rows are kept from cycle to cycle instead of being looked for again among
  // the rows already placed: each cycle costs what is left, not the whole list.
  std::vector<Candidate> candidates = checkedCandidates(w.catalogue.lstmain());
  const double limit = catalogue::limitBytes(w.form);
  for (int cycle = 1; !candidates.empty(); ++cycle) {
    const size_t before = candidates.size();
    const QString path = cyclePath(name, cycle);
    const catalogue::Control* button = w.form.find(QStringLiteral("cmdsearch"));
    if (button && button->enabled) fitSearch(w, candidates);
    if (!w.catalogue.lstsec().isEmpty()) {
      // A file that can never fit no longer holds up the loop.
      std::erase_if(candidates, [&](const Candidate& c) {
        if (double(c.size) <= limit) return false;
        w.catalogue.setUpperChecked(c.row, false);
        return true;
      });
    }
    if (!services.saveList(path)) services.report(QStringLiteral("The list \"%1\" could not be written.").arg(path));
    w.catalogue.lstsec().clear();
    w.catalogue.refreshUpperSummary();
    w.form(QStringLiteral("lblCountList2")).text = w.catalogue.lowerSummary(w.form.text(QStringLiteral("txttotal")));
    if (candidates.size() >= before) break;  // nothing was taken: the search could not run
  }
}

}  // namespace search
