// The Select menu of the upper list: the marks each command sets from the highlighted rows, and Stop.
#include <gtest/gtest.h>

#include "catalogue/Selection.h"
#include "support/CatalogueFakes.h"

using namespace catalogue;

using B = QList<bool>;
constexpr bool T = true, F = false;

// Rows of 100, 200, 300, 0 and 250 bytes in the folders "/m", "/m", "/m/sub", "/M" and "/n";
// ".m4a" is described as "MP3 File" too, ".ogg" as "mp3 File".
struct SelectionRows : testing_support::CatalogueCommands {
  SelectionRows() {
    for (auto [type, described] : {std::pair{"m4a", "MP3 File"}, {"ogg", "mp3 File"}}) {
      registry.setText(platform::RootKey::ClassesRoot, QStringLiteral(".") + type, {}, type);
      registry.setText(platform::RootKey::ClassesRoot, QString::fromLatin1(type), {}, described);
    }
    for (auto [path, size] :
         {std::pair{"/m/a.mp3", 100}, {"/m/b.m4a", 200}, {"/m/sub/c.mp3", 300}, {"/M/d.ogg", 0}, {"/n/e.txt", 250}})
      catalogue.addfile(QString::fromLatin1(path), size);
  }
  void setChecks(const B& marks) {
    for (int row = 0; row < marks.size(); ++row) catalogue.setUpperChecked(row, marks[row]);
  }
  B checks() const { return testing_support::fields(catalogue.lstmain(), &FileEntry::checked); }
  void select(int item, const QList<int>& highlighted) { mnuselitem_Click(context, item, highlighted); }
};

TEST(Selection, EachCommandSetsTheMarksOfTheHighlightedRows) {
  // The name, item, highlighted rows, marks before and after.
  const std::tuple<const char*, int, QList<int>, B, B> cases[] = {
      {"All", SelectAll, {}, {T, F, T, F, F}, {T, T, T, T, T}},
      {"None", SelectNone, {1}, {T, F, T, F, T}, {F, F, F, F, F}},
      {"Invert", InvertSelection, {}, {T, F, T, F, F}, {F, T, F, T, T}},
      {"Separator", 3, {1}, {T, F, T, F, F}, {T, F, T, F, F}},
      {"Smaller", SmallerThanThis, {1}, {F, F, F, F, F}, {T, F, F, T, F}},
      {"SmallerUnchecksNothing", SmallerThanThis, {1}, {F, T, T, F, T}, {T, T, T, T, T}},
      {"SmallerThanTheSmallestHighlighted", SmallerThanThis, {2, 1}, {F, F, F, F, F}, {T, F, F, T, F}},
      {"SmallerWithoutHighlight", SmallerThanThis, {}, {F, F, F, F, F}, {T, T, T, T, T}},
      {"BiggerThanTheBiggestHighlighted", BiggerThanThis, {0, 1}, {F, F, F, F, F}, {F, F, T, F, T}},
      {"BiggerWithoutHighlight", BiggerThanThis, {}, {F, F, F, F, F}, {T, T, T, F, T}},
      {"AllOfTypeByDescriptionExactly", AllOfThisType, {0}, {F, F, F, F, F}, {T, T, T, F, F}},
      {"NoneOfType", NoneOfThisType, {4}, {T, T, T, T, T}, {T, T, T, T, F}},
      {"TypeWithoutHighlight", AllOfThisType, {}, {F, T, F, T, F}, {F, T, F, T, F}},
      {"AllInPathNotSubfolders", AllInThisPath, {0}, {F, F, F, F, F}, {T, T, F, F, F}},
      {"AllInTwoPathsExactCase", AllInThisPath, {3, 4}, {F, F, F, F, F}, {F, F, F, T, T}},
      {"NoneInPath", NoneInThisPath, {2}, {T, T, T, T, T}, {T, T, F, T, T}},
  };
  for (const auto& [name, item, highlighted, before, after] : cases) {
    SelectionRows t;
    t.setChecks(before);
    t.select(item, highlighted);
    EXPECT_EQ(t.checks(), after) << name;
  }
}

// An earlier Stop does not stop the next command; a Stop within one leaves the rest of the rows.
TEST(Selection, StopMidCommandLeavesTheRestAndEndsTheProgressState) {
  SelectionRows t;
  t.setChecks({F, F, F, F, F});
  t.run.stopflag = true;
  t.run.partcount = 3;
  QString during;
  t.pump.onPump = [&](int call) {
    if (call == 2) during = t.progress.shown, t.run.stopflag = true;
  };
  t.select(SelectAll, {});
  EXPECT_EQ(t.checks(), (B{T, T, F, F, F}));
  EXPECT_EQ(during, "Scanning...");
  EXPECT_TRUE(t.progress.shown.isEmpty() && t.progress.ends == 1);
  EXPECT_EQ(t.run.partcount, 0);
}
