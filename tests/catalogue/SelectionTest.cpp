// The Select menu of the upper list: which check marks each command sets from the
// highlighted rows, Stop in the middle of a command, and the progress state.
#include <gtest/gtest.h>

#include "catalogue/Selection.h"
#include "support/OutputFakes.h"

using namespace catalogue;
using platform::RootKey;

namespace {

struct SelectCase {
  const char* name;
  bool byKind;  // the rows that differ in type and folder, else the 100/200/300/0-byte rows
  int item;
  QList<int> highlighted;
  QList<bool> before, after;
};

class SelectionRows : public ::testing::Test, protected testing_support::TestWindow {
 protected:
  // 100, 200, 300 and 0 bytes.
  void sizedRows() {
    for (auto [path, size] : {std::pair{"/d/a.bin", 100}, {"/d/b.bin", 200}, {"/d/c.bin", 300}, {"/d/z.bin", 0}})
      window.catalogue().addfile(QString::fromLatin1(path), size);
  }
  // Types by description (".m4a" is described as "MP3 File" too, ".ogg" as "mp3 File");
  // folders "/m", "/m/sub", "/M" and "/n".
  void kindRows() {
    registry.setText(RootKey::ClassesRoot, QStringLiteral(".m4a"), {}, "m4afile");
    registry.setText(RootKey::ClassesRoot, QStringLiteral("m4afile"), {}, "MP3 File");
    registry.setText(RootKey::ClassesRoot, QStringLiteral(".ogg"), {}, "oggfile");
    registry.setText(RootKey::ClassesRoot, QStringLiteral("oggfile"), {}, "mp3 File");
    for (const char* path : {"/m/a.mp3", "/m/b.m4a", "/m/sub/c.mp3", "/M/d.ogg", "/n/e.txt"})
      window.catalogue().addfile(QString::fromLatin1(path), 1);
  }
  void setChecks(const QList<bool>& marks) {
    for (int row = 0; row < marks.size(); ++row) window.catalogue().setUpperChecked(row, marks[row]);
  }
  QList<bool> checks() const { return TestWindow::checks(window.catalogue().lstmain()); }
};

class SelectionTest : public SelectionRows, public ::testing::WithParamInterface<SelectCase> {};

void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }

using B = QList<bool>;
constexpr bool T = true, F = false;

TEST_P(SelectionTest, SetsTheMarksOfTheCommand) {
  const SelectCase& c = GetParam();
  c.byKind ? kindRows() : sizedRows();
  setChecks(c.before);
  window.mnuselitem_Click(c.item, c.highlighted);
  EXPECT_EQ(checks(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Items, SelectionTest,
    ::testing::Values(
        SelectCase{"All", F, SelectAll, {}, {T, F, T, F}, {T, T, T, T}},
        SelectCase{"None", F, SelectNone, {1}, {T, F, T, F}, {F, F, F, F}},
        SelectCase{"Invert", F, InvertSelection, {}, {T, F, T, F}, {F, T, F, T}},
        SelectCase{"Separator", F, 3, {1}, {T, F, T, F}, {T, F, T, F}},
        SelectCase{"Smaller", F, SmallerThanThis, {1}, {F, F, F, F}, {T, F, F, T}},
        SelectCase{"SmallerUnchecksNothing", F, SmallerThanThis, {1}, {F, T, T, F}, {T, T, T, T}},
        SelectCase{"SmallerThanTheSmallestHighlighted", F, SmallerThanThis, {2, 1}, {F, F, F, F}, {T, F, F, T}},
        SelectCase{"SmallerWithoutHighlight", F, SmallerThanThis, {}, {F, F, F, F}, {T, T, T, T}},
        SelectCase{"Bigger", F, BiggerThanThis, {1}, {F, F, F, F}, {F, F, T, F}},
        SelectCase{"BiggerUnchecksNothing", F, BiggerThanThis, {1}, {T, T, F, T}, {T, T, T, T}},
        SelectCase{"BiggerThanTheBiggestHighlighted", F, BiggerThanThis, {0, 1}, {F, F, F, F}, {F, F, T, F}},
        SelectCase{"BiggerWithoutHighlight", F, BiggerThanThis, {}, {F, F, F, F}, {T, T, T, F}},
        SelectCase{"AllOfTypeByDescriptionExactly", T, AllOfThisType, {0}, {F, F, F, F, F}, {T, T, T, F, F}},
        SelectCase{"AllOfTwoTypes", T, AllOfThisType, {3, 4}, {F, F, F, F, F}, {F, F, F, T, T}},
        SelectCase{"NoneOfType", T, NoneOfThisType, {4}, {T, T, T, T, T}, {T, T, T, T, F}},
        SelectCase{"TypeWithoutHighlight", T, AllOfThisType, {}, {F, T, F, T, F}, {F, T, F, T, F}},
        SelectCase{"AllInPathNotSubfolders", T, AllInThisPath, {0}, {F, F, F, F, F}, {T, T, F, F, F}},
        SelectCase{"AllInTwoPathsExactCase", T, AllInThisPath, {3, 4}, {F, F, F, F, F}, {F, F, F, T, T}},
        SelectCase{"NoneInPath", T, NoneInThisPath, {2}, {T, T, T, T, T}, {T, T, F, T, T}}),
    [](const auto& info) { return std::string(info.param.name); });

class SelectionStateTest : public SelectionRows {};

TEST_F(SelectionStateTest, StopMidCommandLeavesTheRestAndEndsTheProgressState) {
  sizedRows();
  setChecks({F, F, F, F});
  window.run().stopflag = true;  // an earlier Stop does not stop the next command
  window.run().partcount = 3;
  (*this)["lblCountCDTotal"].text = QStringLiteral("3");
  QString during, tagDuring;
  bool frameDuring = false;
  pump.onPump = [&](int call) {
    if (call != 2) return;
    during = (*this)["lblcurrent"].text;
    tagDuring = (*this)["cmdstop"].tag;
    frameDuring = (*this)["framain"].visible;
    window.cmdstop_Click();
  };
  window.mnuselitem_Click(SelectAll, {});
  EXPECT_EQ(checks(), (B{T, T, F, F}));
  EXPECT_EQ(during, QStringLiteral("Scanning..."));
  EXPECT_EQ(tagDuring, QStringLiteral("1"));
  EXPECT_TRUE(frameDuring);
  EXPECT_FALSE((*this)["framain"].visible);
  EXPECT_TRUE((*this)["cmdstop"].tag.isEmpty());
  EXPECT_TRUE((*this)["lbllevel"].visible);
  EXPECT_EQ((*this)["lblcurrent"].text, QStringLiteral("Current level of CD utilization"));
  EXPECT_EQ(window.run().partcount, 0);
  EXPECT_TRUE((*this)["lblCountCDTotal"].text.isEmpty());

  pump.onPump = nullptr;
  window.mnuselitem_Click(SelectAll, {});
  EXPECT_EQ(checks(), (B{T, T, T, T})) << "the stop request is cleared when a command starts";
}

}  // namespace
