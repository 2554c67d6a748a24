// The main window's layout rules on the records of a fresh form, without a window.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/Layout.h"
#include "shell/MainFormControls.h"

namespace {

using catalogue::ControlKind;

class Layout : public ::testing::Test {
 protected:
  QRect at(const char* name, int index = -1) const { return form.find(name, index)->geometry; }
  void resize(int w, int h) {
    form("frmmain").geometry.setSize({w, h});
    shell::Form_Resize(form);
  }
  void splitterAt(int top, int h) {
    form("frmmain").geometry.setSize({10440, h});
    form("PicSep").geometry.moveTop(top);
    shell::placesplitter(form);
  }

  catalogue::Form form{shell::mainFormControls()};
};

TEST_F(Layout, AWindowBelowTheSmallestSpringsBackOnlyInTheDimensionTooSmall) {
  const struct { int w, h, wantW, wantH; } cases[] = {
      {8000, 6000, 10440, 8600}, {10439, 8599, 10440, 8600}, {12000, 7000, 12000, 8600},
      {9000, 9000, 10440, 9000}, {10440, 8600, 10440, 8600},
  };
  for (const auto& c : cases) {
    resize(c.w, c.h);
    EXPECT_EQ(at("frmmain").size(), QSize(c.wantW, c.wantH)) << c.w << "x" << c.h;
    EXPECT_EQ(at("PicButton"), QRect(0, c.wantH - 900, c.wantW, 900)) << "the panel docks to the final size";
  }
}

// The window re-applies the records that changed, so a layout that moves nothing, or a
// minimised window, must leave every record as it was.
TEST_F(Layout, NothingIsWrittenWhileMinimisedOrWhenNothingMoves) {
  resize(13000, 9500);
  for (const QSize size : {QSize(13000, 9500), QSize(0, 9000), QSize(12000, 0)}) {
    form("frmmain").geometry.setSize(size);
    const quint64 before = form.revision();
    shell::Form_Resize(form);
    if (size.isEmpty()) shell::placesplitter(form), shell::dockButtonPanel(form);
    EXPECT_EQ(form.revision(), before) << size.width() << "x" << size.height();
  }
}

TEST_F(Layout, TheSplitterStaysBetweenItsBoundsAndTheListsFollowIt) {
  const struct { int top, h, want; } cases[] = {{3419, 8600, 3420}, {4160, 8600, 4160}, {5201, 8600, 5200},
                                                {8601, 12000, 8600}};
  for (const auto& c : cases) {
    splitterAt(c.top, c.h);
    EXPECT_EQ(at("PicSep").top(), c.want) << c.top << " in " << c.h;
    EXPECT_EQ(at("lstmain").bottom() + 1, c.want - 5);
    EXPECT_EQ(at("lstsec").top(), c.want + 115) << "120 below the upper list";
    EXPECT_EQ(at("lstsec").bottom() + 1, c.h - 1335 - 120) << "120 above the totals row";
    EXPECT_EQ(at("PicSep").bottom() + 1, at("lstsec").top()) << "the bar fills the gap, to be easy to grab";
  }
}

TEST_F(Layout, ControlsFollowTheWidthAsItGrowsAndShrinks) {
  for (const int w : {16000, 12345, 10440}) {
    resize(w, 8600);
    EXPECT_EQ(at("txtdir").right() + 1 + 120, at("cmddir").left()) << w;
    for (const char* name : {"lstmain", "lstsec", "PicSep"}) EXPECT_EQ(at(name).width(), w - 345) << name << w;
    EXPECT_EQ(at("cmddir").right(), at("lstmain").right()) << w;
    EXPECT_EQ(at("txtlimit").right() + 1 + 120, at("lblmegabyte").left()) << w;
    EXPECT_EQ(at("lbllimit").right() + 1 + 100, at("txtlimit").left()) << w;
    EXPECT_EQ(at("lblCountList2").left(), w - 3100) << w;
  }
}

TEST_F(Layout, RowsBelowTheListsFollowTheHeightAndTheProgressFrameStaysCentred) {
  for (const int h : {8600, 9999, 14000, 8700}) {
    splitterAt(4160, h);
    for (const char* name : {"lblCountList2", "txttotal", "lblpercent", "chkNoCD", "lblspeed"})
      EXPECT_EQ(at(name).top(), h - 1335) << name << " at " << h;
    EXPECT_EQ(at("cbospeed").top(), h - 1395) << h;
    EXPECT_LE(std::abs(at("framain").center().y() - at("lstsec").center().y()), 1) << h;
    EXPECT_LE(std::abs(at("framain").center().x() - at("lstsec").center().x()), 1) << h;
  }
}

TEST_F(Layout, AStatementThatWouldGiveANegativeSizeIsSkippedAndTheRestAreMade) {
  form("lstmain").geometry.setHeight(8000);  // pushes the lower list below the totals row
  const int lowerHeight = at("lstsec").height();
  resize(12000, 9000);
  EXPECT_EQ(at("lstsec").height(), lowerHeight);
  EXPECT_EQ(at("lstsec").top(), 1440 + 8000 + 120);
  EXPECT_EQ(at("cbospeed").top(), 9000 - 1395);
  EXPECT_EQ(at("lstsec").width(), 12000 - 345);
}

TEST_F(Layout, TheLeftButtonDragsTheSplitterByThePointerOffset) {
  splitterAt(4160, 8600);
  shell::PicSep_MouseDown(form);
  EXPECT_EQ(form.find("PicSep")->tag, QString::fromLatin1(shell::splitterDragColour));
  const struct { bool left; int y, wantTop; } moves[] = {
      {true, 300, 4460}, {false, 500, 4460}, {true, -1000, 3460}, {true, 25, 3485}, {false, -3000, 3485},
  };
  for (const auto& m : moves) {
    shell::PicSep_MouseMove(form, m.left, m.y);
    EXPECT_EQ(at("PicSep").top(), m.wantTop) << m.left << " " << m.y;
  }
  shell::PicSep_MouseMove(form, true, -3000);
  shell::PicSep_MouseUp(form);
  EXPECT_EQ(at("PicSep").top(), 3420);
  EXPECT_EQ(at("lstmain").height(), 3420 - 1440 - 5);
  EXPECT_EQ(form.find("PicSep")->tag, QString::fromLatin1(shell::splitterColour));
}

// Room for the longest texts the program writes into its labels, in the design font (9 pt
// sans at 96 dpi: at most 105 twips a character, 210 a line): the upper summary wraps over
// its lines, and a copy's status has the counts on a line of their own.
TEST_F(Layout, LabelsHoldTheLongestTextsTheProgramWritesIntoThem) {
  const auto lines = [](const char* text, int width) { return (int(strlen(text)) * 105 + width - 1) / width; };
  for (const QSize size : {QSize(10440, 8600), QSize(16000, 12000)}) {
    splitterAt(4160, size.height());
    resize(size.width(), size.height());
    const QRect summary = at("lblCountList");
    EXPECT_LE(lines("Files in list 100000 of 636792.65 Megabytes", summary.width()) * 210, summary.height());
    EXPECT_LE(summary.right() + 1, at("cboLangPacks").left()) << "not under the language box at " << size.width();
    const QRect status = at("lblcurrent");
    EXPECT_EQ(lines("(file 100000 of 100000, 636792.65 of 636792.65 MB)", status.width()), 1);
    EXPECT_GE(status.height(), 2 * 210);
    EXPECT_GE(status.top(), 300) << "below the frame's title";
  }
}

// Controls that lie over others by design: the progress frame over the lower list, the
// total kept under its label, the second Stop button in the first one's place, the
// magnifier walking over its page.
bool overlaysByDesign(const catalogue::Control& c) {
  return c.name == u"framain" || c.name == u"txttotal" || c.name == u"cmdstop2" || c.name == u"imgmag";
}

TEST_F(Layout, NoTwoSiblingsOverlapAndEveryControlLiesInsideItsParent) {
  for (const QSize size : {QSize(10440, 8600), QSize(16000, 12000)}) {
    splitterAt(4160, size.height());
    resize(size.width(), size.height());
    const auto& all = form.controls();
    for (auto a = all.begin(); a != all.end(); ++a) {
      if (a->kind == ControlKind::Window || a->geometry.isEmpty() || overlaysByDesign(*a)) continue;
      const QSize room = a->parent.isEmpty() ? size : at(qPrintable(a->parent)).size();
      const QRect parent(QPoint(), room);
      EXPECT_TRUE(parent.contains(a->geometry)) << qPrintable(a->name) << a->index << " at " << size.width();
      for (auto b = std::next(a); b != all.end(); ++b) {
        if (b->parent != a->parent || b->kind == ControlKind::Window || overlaysByDesign(*b)) continue;
        EXPECT_FALSE(a->geometry.intersects(b->geometry))
            << qPrintable(a->name) << a->index << " and " << qPrintable(b->name) << b->index << " at " << size.width();
      }
    }
  }
}

}  // namespace
