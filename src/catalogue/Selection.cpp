// The type and path commands look the row's text up in the set of the highlighted rows'
// texts: one pass over the rows instead of comparing every row with every highlighted row.
#include "catalogue/Selection.h"

#include <QSet>
#include <limits>
#include <optional>

#include "platform/MessageTexts.h"

namespace catalogue {

namespace {

// The mark a command gives a row, or nothing to leave it.
using Rule = std::function<std::optional<bool>(const FileEntry&)>;

Rule ruleFor(int item, const FileList& rows, const QList<int>& highlighted) {
  const auto texts = [&](SharedText FileEntry::*field) {
    QSet<QString> set;
    for (int row : highlighted)
      if (row >= 0 && row < rows.count()) set.insert((rows.at(row).*field).text());
    return set;
  };
  switch (item) {
    case SelectAll: return [](const FileEntry&) { return std::optional<bool>(true); };
    case SelectNone: return [](const FileEntry&) { return std::optional<bool>(false); };
    case InvertSelection: return [](const FileEntry& e) { return std::optional<bool>(!e.checked); };
    case AllOfThisType:
    case NoneOfThisType:
    case AllInThisPath:
    case NoneInThisPath: {
      const bool byType = item == AllOfThisType || item == NoneOfThisType;
      const bool mark = item == AllOfThisType || item == AllInThisPath;
      SharedText FileEntry::*field = byType ? &FileEntry::type : &FileEntry::folder;
      return [set = texts(field), field, mark](const FileEntry& e) {
        return set.contains((e.*field).text()) ? std::optional<bool>(mark) : std::nullopt;
      };
    }
    case SmallerThanThis:
    case BiggerThanThis: {
      const bool smaller = item == SmallerThanThis;
      qint64 bound = smaller ? std::numeric_limits<qint64>::max() : 0;
      for (int row : highlighted)
        if (row >= 0 && row < rows.count())
          bound = smaller ? std::min(bound, rows.at(row).size) : std::max(bound, rows.at(row).size);
      return [bound, smaller](const FileEntry& e) {
        const bool beyond = smaller ? e.size < bound : e.size > bound;
        return beyond ? std::optional<bool>(true) : std::nullopt;
      };
    }
    default: return nullptr;  // the separators
  }
}

}  // namespace

void mnuselitem_Click(const CommandContext& c, int item, const QList<int>& highlighted) {
  c.progress.begin(platform::text(platform::Msg::Scanning));
  c.run.stopflag = false;
  c.run.partcount = 0;

  const FileList& rows = c.catalogue.lstmain();
  if (const Rule rule = ruleFor(item, rows, highlighted)) {
    for (int row = 0; row < rows.count() && !c.run.stopflag; ++row) {
      if (const std::optional<bool> mark = rule(rows.at(row))) c.catalogue.setUpperChecked(row, *mark);
      c.pump.pump();
    }
  }

  c.progress.end();
}

void mnuclear_Click(Catalogue& catalogue) {
  catalogue.lstsec().clear();
  catalogue.refreshUpperSummary();
}

}  // namespace catalogue
