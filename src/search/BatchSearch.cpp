// Every cycle must make progress: it either takes files out of the candidates or the
// loop ends, so no method value and no state of the buttons can keep it going forever.
// A batch never leaves the user's files or lists worse than it found them: it writes
// nothing it cannot finish sensibly, and it names the lists of an earlier batch that now
// stand beside the new ones instead of deleting them.
#include "search/BatchSearch.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "catalogue/NameLines.h"
#include "platform/MessageTexts.h"
#include "search/DiscPlan.h"
#include "search/FitBatch.h"
#include "search/FitSearch.h"
#include "search/FolderUnits.h"
#include "search/PartMeasure.h"

namespace search {

namespace {

// What a batch did, for its closing report.
struct Ending {
  QString reason;  // why it ended early or wrote nothing; empty when it ran to the end
  bool warning = false;
  int written = 0;
  QString first, last;
  QStringList leftovers, unlistable;
  std::optional<PlannedRows> plan;  // the best-fill batch's plan, whose size and bound it reports
};

// Where each cycle's files come from: `next` puts the next part into the lower list while
// `more` says there is one to take; `parts` is how many there are, 0 when not known ahead.
struct PartSource {
  std::function<bool()> more;
  std::function<void()> next;
  qint64 parts = 0;
};

// "941 lists; at least 939 discs are needed": the plan beside the fewest discs possible. A
// batch that ended early says it of the plan, so the plan's size never reads as lists written.
QString boundText(qint64 lists, qint64 bound, bool allWritten) {
  using platform::Msg;
  const QString plan = platform::text(lists == 1 ? Msg::ListCountOne : Msg::ListCountMany).arg(lists);
  return platform::text(bound == 1 ? Msg::BoundOneDisc : Msg::BoundDiscs)
      .arg(allWritten ? plan : platform::text(Msg::PlanHolds).arg(plan), QString::number(bound));
}

QString writtenText(const Ending& e) {
  if (e.written == 0) return platform::text(platform::Msg::NoListWritten);
  if (e.written == 1) return platform::text(platform::Msg::OneListWritten).arg(e.first);
  return platform::text(platform::Msg::ListsWritten).arg(QString::number(e.written), e.first, e.last);
}

void report(const BatchServices& services, const Ending& e) {
  QStringList parts;
  if (!e.reason.isEmpty()) parts.append(e.reason);
  parts.append(writtenText(e));
  if (e.plan && !e.plan->discs.empty()) {
    const qint64 planned = qint64(e.plan->discs.size());
    parts.append(boundText(planned, e.plan->lowerBound, e.written == planned));
  }
  if (!e.leftovers.isEmpty())
    parts.append(platform::text(platform::Msg::LeftFromEarlier) + QStringLiteral("\r\n") +
                 catalogue::namesOneALine(e.leftovers));
  if (!e.unlistable.isEmpty())
    parts.append(platform::text(platform::Msg::UnlistableInBatch) + QStringLiteral("\r\n") +
                 catalogue::namesOneALine(e.unlistable));
  services.report(parts.join(QStringLiteral("\r\n")), e.warning || !e.leftovers.isEmpty() || !e.unlistable.isEmpty());
}

qsizetype fileNameStart(const QString& name) { return name.lastIndexOf(u'/') + 1; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The candidates whose path no list line can hold leave the candidates; their paths.
QStringList takeUnlistable(const catalogue::FileList& upper, std::vector<Candidate>& candidates) {
  QStringList paths;
  std::erase_if(candidates, [&](const Candidate& c) {
    const catalogue::FileEntry& e = upper.at(c.row);
    if (catalogue::standsOnOneLine(e.text) && catalogue::standsOnOneLine(e.folder.text())) return false;
    paths.append(upper.fullPath(c.row));
    return true;
  });
  return paths;
}

// The lists of the series of `name` numbered above `last`, in number order, found by
// reading their folder once.
QStringList leftovers(const QString& name, int last, const BatchServices& services) {
  if (!services.listFolder) return {};
  const qsizetype start = fileNameStart(name);
  const QString fileName = name.mid(start);
  QStringList found = services.listFolder(start == 0 ? QStringLiteral(".") : name.left(start),
                                          [&](const QString& listed) { return seriesNumber(fileName, listed) > last; });
  std::sort(found.begin(), found.end(), [&](const QString& a, const QString& b) {
    return seriesNumber(fileName, a) < seriesNumber(fileName, b);
  });
  for (QString& listed : found) listed.prepend(name.left(start));
  return found;
}

// The rows of the lower list are checked again above.
void checkAgain(catalogue::Catalogue& catalogue) {
  const catalogue::FileList& lower = catalogue.lstsec();
  for (int row = 0; row < lower.count(); ++row)
    if (const int upperRow = catalogue.getfilenum(lower.at(row).text)) catalogue.setUpperChecked(upperRow - 1, true);
}

// The Stop button, or a program that is ending (the window closed, a stop signal).
bool stopRequested(const catalogue::RunState& run) { return run.stopflag || run.closing; }

// "Writing cd 012.txt (list 12 of 941)", for the progress frame.
QString writingText(const QString& path, int cycle, qint64 parts) {
  const QString fileName = path.mid(fileNameStart(path));
  if (parts > 0)
    return platform::text(platform::Msg::WritingListOf).arg(fileName, QString::number(cycle), QString::number(parts));
  return platform::text(platform::Msg::WritingList).arg(fileName, QString::number(cycle));
}

// The writer loop both methods share: each cycle takes the next part from `source` into
// the lower list and writes it to its numbered list. The progress frame names the list
// being written; a Stop or a stop signal ends the batch once that list is complete.
void writeParts(const catalogue::CommandContext& c, SearchView& view, const BatchServices& services,
                const QString& name, const PartSource& source, Ending& end) {
  end.warning = false;
  bool failed = false;
  c.progress.begin(platform::text(platform::Msg::WritingLists));
  for (int cycle = 1; source.more() && !failed; ++cycle) {
    if (stopRequested(c.run)) {
      end.reason = platform::text(platform::Msg::BatchStopped);
      break;
    }
    const QString path = cyclePath(name, cycle);
    c.progress.status(writingText(path, cycle, source.parts));
    if (view.searchEnabled()) source.next();
    if (c.catalogue.lstsec().isEmpty()) {
      end.reason = platform::text(platform::Msg::SearchUnavailable);
      end.warning = true;
      break;
    }
    const QString failure = services.saveList(path);
    if (failure.isEmpty()) {
      ++end.written;
      if (end.first.isEmpty()) end.first = path;
      end.last = path;
    } else {
      failed = end.warning = c.run.listWriteFailed = true;
      end.reason = platform::text(platform::Msg::ListNotWritten).arg(path, failure);
      checkAgain(c.catalogue);
    }
    c.catalogue.lstsec().clear();
    c.catalogue.refreshUpperSummary();
    view.showLowerSummary();
    // Once a list: the window shows it, and a Stop or a signal is heard before the next.
    c.pump.pump();
  }
  c.progress.end();
  if (end.written > 0 || failed) end.leftovers = leftovers(name, end.written, services);
}

// A file that can never fit leaves the candidates and its check mark goes.
void dropTooLarge(catalogue::Catalogue& catalogue, std::vector<Candidate>& candidates, const PartMeasure& measure) {
  std::erase_if(candidates, [&](const Candidate& c) {
    if (measure.fitsAlone({&c, 1})) return false;
    catalogue.setUpperChecked(c.row, false);
    return true;
  });
}

}  // namespace

QString cyclePath(const QString& name, int cycle) {
  const qsizetype start = fileNameStart(name);
  const QString number = QStringLiteral(" %1").arg(cycle, 3, 10, QChar(u'0'));
  QString fileName = name.mid(start);
  if (fileName.contains(u'.'))
    fileName.replace(QStringLiteral("."), number + u'.');
  else
    fileName += number;
  return name.left(start) + fileName;
}

int seriesNumber(const QString& fileName, const QString& listed) {
  // The number stands before the first "." (or at the end), as cyclePath puts it there.
  const qsizetype end = fileName.contains(u'.') ? listed.indexOf(u'.') : listed.size();
  qsizetype begin = end;
  while (begin > 0 && isDigit(listed[begin - 1])) --begin;
  const int number = listed.mid(begin, end - begin).toInt();  // 0 when there are none or too many
  return cyclePath(fileName, number) == listed ? number : 0;
}

QString unknownMethodText(const QString& method) {
  return platform::text(platform::Msg::UnknownBatchMethod).arg(method);
}

void batchSearch(const catalogue::CommandContext& c, SearchView& view, const BatchServices& services,
                 QString name, const Capacity& capacity) {
  c.run.stopflag = false;
  if (c.run.searchmethod < 0 || c.run.searchmethod > 2) {
    services.report(unknownMethodText(QString::number(c.run.searchmethod)), true);
    return;
  }
  if (name.isEmpty() && services.askName) name = services.askName();
  if (name.isEmpty()) return;  // a cancelled dialog cancels the batch

  Ending end;
  end.warning = true;  // until the cycles run
  const QString fileName = name.mid(fileNameStart(name));
  if (fileName.isEmpty() || fileName == QStringLiteral(".") || fileName == QStringLiteral("..")) {
    end.reason = platform::text(platform::Msg::NoFileName).arg(name);
    return report(services, end);
  }
  // The checked rows are kept from cycle to cycle instead of being looked for again among
  // the rows already placed: each cycle costs what is left, not the whole list.
  std::vector<Candidate> candidates = checkedCandidates(c.catalogue.lstmain());
  if (candidates.empty()) {
    end.reason = platform::text(platform::Msg::NothingChecked);
    return report(services, end);
  }
  end.unlistable = takeUnlistable(c.catalogue.lstmain(), candidates);
  const PartMeasure measure = measureFor(c.run, capacity.bytes, c.catalogue.lstmain(), candidates);
  const auto fits = [&measure](const Candidate& candidate) { return measure.fitsAlone({&candidate, 1}); };
  if (!candidates.empty() && std::none_of(candidates.begin(), candidates.end(), fits)) {
    end.reason = platform::text(platform::Msg::NothingFits).arg(capacity.text.trimmed());
    return report(services, end);
  }
  // Left among the candidates, a file too large for a disc would keep the last pass from ever
  // ending with the upper list as the earlier passes left it.
  dropTooLarge(c.catalogue, candidates, measure);
  formUnits(candidates, c.catalogue.lstmain(), measure, c.run.keepFoldersTogether, [&c] {
    c.pump.pump();
    return !stopRequested(c.run);
  });

  if (c.run.searchmethod == 2) {
    end.plan = planParts(c, view, measure, candidates);
    // A Stop during the planning keeps the plan found so far, which is then written; a
    // program that is ending is still heard by the writer, which then writes none of it.
    c.run.stopflag = false;
    size_t served = 0;
    const std::vector<std::vector<int>>& discs = end.plan->discs;
    writeParts(c, view, services, name,
               {[&] { return served < discs.size(); }, [&] { servePart(c, view, discs[served++]); },
                qint64(discs.size())},
               end);
  } else {
    FitBatch parts(measure, std::move(candidates), c.run.keepFoldersTogether, c.catalogue.lstmain());
    writeParts(c, view, services, name, {[&] { return parts.more(); }, [&] { parts.next(c, view); }}, end);
  }
  report(services, end);
}

}  // namespace search
