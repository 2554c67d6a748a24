// The searches on lists of their own, without a window: the progress frame and what the
// window would show are recorded.
#pragma once

#include <QStringList>
#include <vector>

#include "catalogue/CommandContext.h"
#include "catalogue/Numbers.h"
#include "search/BatchSearch.h"
#include "search/DiscImage.h"
#include "search/DiscPlan.h"
#include "search/FitSearch.h"
#include "search/SearchView.h"
#include "support/CatalogueFakes.h"

namespace testing_support {

// The frame's activity and status lines; its end raises the stop request, as the window's
// Stop command does.
struct StoppingProgress final : catalogue::ProgressView {
  explicit StoppingProgress(catalogue::RunState& run) : run(run) {}
  void begin(const QString& activity) override { shown = true, lines.append(activity); }
  void status(const QString& text) override { lines.append(text); }
  void end() override { shown = false, run.stopflag = true; }
  catalogue::RunState& run;
  bool shown = false;
  QStringList lines;
};

struct RecordingSearchView final : search::SearchView {
  bool searchEnabled() const override { return enabled; }
  void showResult(qint64 bytes) override { results.push_back(bytes); }
  void showPartNumber(int part) override { parts.push_back(part); }
  void planning(bool active) override { planningNow = active; }
  void showLowerSummary() override { ++summaries; }
  bool enabled = true, planningNow = false;
  std::vector<qint64> results;
  std::vector<int> parts;
  int summaries = 0;
};

struct SearchBench {
  using Files = std::initializer_list<std::pair<const char*, double>>;  // name in "/in", megabytes

  explicit SearchBench(Files files = {}) { add(files); }
  // Checked upper rows, in this order.
  void add(Files files) {
    for (const auto& [name, mb] : files) catalogue.addfile(QStringLiteral("/in/") + name, qint64(mb * catalogue::MB));
  }
  // The lower list's names, "/in/" left out, and a list's check marks.
  QStringList lower() const { return catalogue.lstsec().fullPaths(false).replaceInStrings(QStringLiteral("/in/"), QString()); }
  static QList<bool> checks(const catalogue::FileList& rows) { return fields(rows, &catalogue::FileEntry::checked); }
  QList<bool> upperChecks() const { return checks(catalogue.lstmain()); }

  TestValueStore registry;
  catalogue::Catalogue catalogue{registry};
  catalogue::RunState run;
  ScriptedPump pump;
  StoppingProgress progress{run};
  RecordingSearchView view;
  catalogue::CommandContext context{catalogue, run, pump, progress};
};

// A whole batch of the run's method on discs of `megabytes`: each list as its lower rows, with
// the bytes of the disc image they make, and the batch's report.
struct BatchLists {
  std::vector<QStringList> lists;
  std::vector<qint64> images;
  QString report;
};

inline BatchLists runBatch(SearchBench& b, const QString& megabytes) {
  BatchLists made;
  search::BatchServices services;
  services.saveList = [&](const QString&) {
    made.lists.push_back(b.lower());
    made.images.push_back(search::discImageBytes(b.catalogue.lstsec()));
    return QString();
  };
  services.report = [&](const QString& text, bool) { made.report = text; };
  search::batchSearch(b.context, b.view, services, QStringLiteral("/out/cd.txt"), search::changedCapacity(megabytes, {}));
  return made;
}

// The ways a search makes parts: the Search command or the best-fill search pressed until
// the checked files are placed, or a batch of each method.
enum class Way { Search, BestFill, Batch0, Batch1, Batch2 };
inline constexpr Way everyWay[] = {Way::Search, Way::BestFill, Way::Batch0, Way::Batch1, Way::Batch2};

// The parts one way makes of the bench's checked files on discs of `megabytes`.
inline BatchLists partsOf(SearchBench& b, Way way, const QString& megabytes) {
  if (way >= Way::Batch0) {
    b.run.searchmethod = int(way) - int(Way::Batch0);
    return runBatch(b, megabytes);
  }
  BatchLists made;
  search::ServedPlan plan;
  const qint64 capacity = search::changedCapacity(megabytes, {}).bytes;
  for (int part = 0; part < 100 && b.catalogue.lstmain().haschecked(); ++part) {
    if (way == Way::Search)
      search::cmdsearch_Click(b.context, b.view, capacity);
    else
      search::bestFillSearch(b.context, b.view, capacity, plan);
    if (b.catalogue.lstsec().isEmpty()) break;
    made.lists.push_back(b.lower());
    made.images.push_back(search::discImageBytes(b.catalogue.lstsec()));
  }
  return made;
}

}  // namespace testing_support
