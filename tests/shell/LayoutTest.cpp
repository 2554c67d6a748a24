// The main window's layout rules on the records of a fresh form, without a window; captions
// are measured with a font of the test's own.
#include <gtest/gtest.h>

#include <cstring>

#include <QDir>
#include <QRegularExpression>

#include "shell/LanguagePack.h"
#include "shell/Layout.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "support/Fakes.h"

namespace {

namespace mf = shell::mainform;

using catalogue::ControlKind;

const QString languageFolder = QStringLiteral(FILLPACK_SOURCE_DIR "/language");

QStringList shippedPacks() { return QDir(languageFolder).entryList({"*.lpk"}, QDir::Files, QDir::Name); }

// Every character 105 twips (7 pixels at 96 dpi), the access-key mark none, and around the
// text what a common style draws: a button's frame, a box or the arrow of a drop-down list.
int testCaptionWidth(ControlKind kind, const QString& caption) {
  const QString shown = QString(caption).replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
  const int around = kind == ControlKind::Label ? 0 : kind == ControlKind::Button ? 150 : kind == ControlKind::PickList ? 450 : 300;
  return int(shown.size()) * 105 + around;
}

void applyPack(catalogue::Form& window, const QString& file) {
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPump pump;
  shell::clsLanguagePack pack(messages, pump);
  pack.LoadLanguagePack(languageFolder + u'/' + file);
  pack.SetLanguageInForm(window);
}

bool showsCaption(const catalogue::Control& c) {
  return (c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton ||
          c.name == u"lbllimit") &&
         !c.text.isEmpty();
}

class Layout : public ::testing::Test {
 protected:
  QRect at(catalogue::ControlId id, int index = -1) const { return form.find(id, index)->geometry; }
  void resize(int w, int h) {
    form(mf::frmmain).geometry.setSize({w, h});
    shell::Form_Resize(form, measure);
  }
  void splitterAt(int top, int h) {
    form(mf::frmmain).geometry.setSize({10440, h});
    form(mf::PicSep).geometry.moveTop(top);
    shell::placesplitter(form, measure);
  }
  // The captions of a shipped pack, and every shipped pack in the language box.
  void usePack(const QString& file) {
    applyPack(form, file);
    form(mf::cboLangPacks).items = shippedPacks();
  }
  void expectNoOverlapInsideParents(const std::string& where) const { expectNoOverlapInsideParents(form, where); }
  static void expectNoOverlapInsideParents(const catalogue::Form& window, const std::string& where);

  catalogue::Form form{shell::mainFormControls()};
  shell::CaptionWidth measure;
};

TEST_F(Layout, AWindowBelowTheSmallestSpringsBackOnlyInTheDimensionTooSmall) {
  const struct { int w, h, wantW, wantH; } cases[] = {
      {8000, 6000, 10440, 8600}, {10439, 8599, 10440, 8600}, {12000, 7000, 12000, 8600},
      {9000, 9000, 10440, 9000}, {10440, 8600, 10440, 8600},
  };
  for (const auto& c : cases) {
    resize(c.w, c.h);
    EXPECT_EQ(at(mf::frmmain).size(), QSize(c.wantW, c.wantH)) << c.w << "x" << c.h;
    EXPECT_EQ(at(mf::PicButton), QRect(0, c.wantH - 900, c.wantW, 900)) << "the panel docks to the final size";
  }
}

// The window re-applies the records that changed, so a layout that moves nothing, or a
// minimised window, must leave every record as it was.
TEST_F(Layout, NothingIsWrittenWhileMinimisedOrWhenNothingMoves) {
  measure = testCaptionWidth;
  usePack(QStringLiteral("Deutsch.lpk"));
  resize(13000, 9500);
  for (const QSize size : {QSize(13000, 9500), QSize(0, 9000), QSize(12000, 0)}) {
    form(mf::frmmain).geometry.setSize(size);
    const quint64 before = form.revision();
    shell::Form_Resize(form, measure);
    if (size.isEmpty()) shell::placesplitter(form, measure), shell::dockButtonPanel(form);
    EXPECT_EQ(form.revision(), before) << size.width() << "x" << size.height();
  }
}

TEST_F(Layout, TheSplitterStaysBetweenItsBoundsAndTheListsFollowIt) {
  const struct { int top, h, want; } cases[] = {{3419, 8600, 3420}, {4160, 8600, 4160}, {5201, 8600, 5200},
                                                {8601, 12000, 8600}};
  for (const auto& c : cases) {
    splitterAt(c.top, c.h);
    EXPECT_EQ(at(mf::PicSep).top(), c.want) << c.top << " in " << c.h;
    EXPECT_EQ(at(mf::lstmain).bottom() + 1, c.want - 5);
    EXPECT_EQ(at(mf::lstsec).top(), c.want + 115) << "120 below the upper list";
    EXPECT_EQ(at(mf::lstsec).bottom() + 1, c.h - 1335 - 120) << "120 above the totals row";
    EXPECT_EQ(at(mf::PicSep).bottom() + 1, at(mf::lstsec).top()) << "the bar fills the gap, to be easy to grab";
  }
}

TEST_F(Layout, ControlsFollowTheWidthAsItGrowsAndShrinks) {
  for (const int w : {16000, 12345, 10440}) {
    resize(w, 8600);
    EXPECT_EQ(at(mf::txtdir).right() + 1 + 120, at(mf::cmddir).left()) << w;
    for (const catalogue::ControlId name : {mf::lstmain, mf::lstsec, mf::PicSep}) EXPECT_EQ(at(name).width(), w - 345) << name << w;
    EXPECT_EQ(at(mf::cmddir).right(), at(mf::lstmain).right()) << w;
    EXPECT_EQ(at(mf::txtlimit).right() + 1 + 120, at(mf::lblmegabyte).left()) << w;
    EXPECT_EQ(at(mf::lbllimit).right() + 1 + 100, at(mf::txtlimit).left()) << w;
    EXPECT_EQ(at(mf::lblCountList2).left(), w - 3100) << w;
  }
}

// Counting as on disc, the lower summary also names the disc size: it takes a second line
// above its first, the lower list ends above it, and the rest of its row stays put.
TEST_F(Layout, CountingAsOnDiscTheLowerSummaryTakesASecondLine) {
  for (const int disc : {0, 1}) {
    form(mf::mnudisc).value = disc;
    for (const QSize size : {QSize(10440, 8600), QSize(16000, 12000)}) {
      resize(size.width(), size.height());
      const QRect summary = at(mf::lblCountList2);
      EXPECT_EQ(summary.height(), (1 + disc) * 255);
      EXPECT_EQ(summary.bottom(), at(mf::lblpercent).bottom());
      EXPECT_EQ(at(mf::lstsec).bottom() + 1 + 120, summary.top());
      expectNoOverlapInsideParents(form, "counting as on disc");
    }
  }
}

TEST_F(Layout, RowsBelowTheListsFollowTheHeightAndTheProgressFrameStaysCentred) {
  for (const int h : {8600, 9999, 14000, 8700}) {
    splitterAt(4160, h);
    for (const catalogue::ControlId name : {mf::lblCountList2, mf::txttotal, mf::lblpercent, mf::chkNoCD, mf::lblspeed})
      EXPECT_EQ(at(name).top(), h - 1335) << name << " at " << h;
    EXPECT_EQ(at(mf::cbospeed).top(), h - 1395) << h;
    EXPECT_LE(std::abs(at(mf::framain).center().y() - at(mf::lstsec).center().y()), 1) << h;
    EXPECT_LE(std::abs(at(mf::framain).center().x() - at(mf::lstsec).center().x()), 1) << h;
  }
}

TEST_F(Layout, AStatementThatWouldGiveANegativeSizeIsSkippedAndTheRestAreMade) {
  form(mf::lstmain).geometry.setHeight(8000);  // pushes the lower list below the totals row
  const int lowerHeight = at(mf::lstsec).height();
  resize(12000, 9000);
  EXPECT_EQ(at(mf::lstsec).height(), lowerHeight);
  EXPECT_EQ(at(mf::lstsec).top(), 1440 + 8000 + 120);
  EXPECT_EQ(at(mf::cbospeed).top(), 9000 - 1395);
  EXPECT_EQ(at(mf::lstsec).width(), 12000 - 345);
}

TEST_F(Layout, TheLeftButtonDragsTheSplitterByThePointerOffset) {
  splitterAt(4160, 8600);
  shell::PicSep_MouseDown(form);
  EXPECT_EQ(form.find(mf::PicSep)->tag, QString::fromLatin1(shell::splitterDragColour));
  const struct { bool left; int y, wantTop; } moves[] = {
      {true, 300, 4460}, {false, 500, 4460}, {true, -1000, 3460}, {true, 25, 3485}, {false, -3000, 3485},
  };
  for (const auto& m : moves) {
    shell::PicSep_MouseMove(form, m.left, m.y);
    EXPECT_EQ(at(mf::PicSep).top(), m.wantTop) << m.left << " " << m.y;
  }
  shell::PicSep_MouseMove(form, true, -3000);
  shell::PicSep_MouseUp(form);
  EXPECT_EQ(at(mf::PicSep).top(), 3420);
  EXPECT_EQ(at(mf::lstmain).height(), 3420 - 1440 - 5);
  EXPECT_EQ(form.find(mf::PicSep)->tag, QString::fromLatin1(shell::splitterColour));
}

// Room for the longest texts the program writes into its labels, in the design font (9 pt
// sans at 96 dpi: at most 105 twips a character, 210 a line): the upper summary wraps over
// its lines, and a copy's status has the counts on a line of their own.
TEST_F(Layout, LabelsHoldTheLongestTextsTheProgramWritesIntoThem) {
  const auto lines = [](const char* text, int width) { return (int(strlen(text)) * 105 + width - 1) / width; };
  for (const QSize size : {QSize(10440, 8600), QSize(16000, 12000)}) {
    splitterAt(4160, size.height());
    resize(size.width(), size.height());
    const QRect summary = at(mf::lblCountList);
    EXPECT_LE(lines("Files in list 100000 of 636792.65 Megabytes", summary.width()) * 210, summary.height());
    EXPECT_LE(summary.right() + 1, at(mf::cboLangPacks).left()) << "not under the language box at " << size.width();
    const QRect status = at(mf::lblcurrent);
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

void Layout::expectNoOverlapInsideParents(const catalogue::Form& window, const std::string& where) {
  const QSize size = window.controls().front().geometry.size();  // the window comes first
  const auto& all = window.controls();
  for (auto a = all.begin(); a != all.end(); ++a) {
    if (a->kind == ControlKind::Window || a->geometry.isEmpty() || overlaysByDesign(*a)) continue;
    const QSize room = a->parent.isEmpty() ? size : window.findNamed(a->parent)->geometry.size();
    const QRect parent(QPoint(), room);
    EXPECT_TRUE(parent.contains(a->geometry)) << qPrintable(a->name) << a->index << " in " << where;
    for (auto b = std::next(a); b != all.end(); ++b) {
      if (b->parent != a->parent || b->kind == ControlKind::Window || overlaysByDesign(*b)) continue;
      EXPECT_FALSE(a->geometry.intersects(b->geometry))
          << qPrintable(a->name) << a->index << " and " << qPrintable(b->name) << b->index << " in " << where;
    }
  }
}

TEST_F(Layout, NoTwoSiblingsOverlapAndEveryControlLiesInsideItsParent) {
  for (const QSize size : {QSize(10440, 8600), QSize(16000, 12000)}) {
    splitterAt(4160, size.height());
    resize(size.width(), size.height());
    expectNoOverlapInsideParents(std::to_string(size.width()));
  }
}

// At the smallest size every control shows its whole caption, the language box every pack's
// whole name, and the wider controls still leave one another room.
TEST_F(Layout, EveryCaptionFitsItsControlAtTheSmallestSizeInEveryShippedPack) {
  measure = testCaptionWidth;
  ASSERT_GE(shippedPacks().size(), 5);
  for (const QString& file : shippedPacks()) {
    usePack(file);
    splitterAt(4160, 8600);
    resize(1, 1);
    const std::string where = file.toStdString();
    for (const catalogue::Control& c : form.controls()) {
      if (!showsCaption(c)) continue;
      EXPECT_GE(c.geometry.width(), testCaptionWidth(c.kind, c.text)) << qPrintable(c.name) << c.index << " in " << where;
    }
    for (const QString& pack : shippedPacks())
      EXPECT_GE(at(mf::cboLangPacks).width(), testCaptionWidth(ControlKind::PickList, pack)) << qPrintable(pack);
    expectNoOverlapInsideParents(where);
  }
}

// The window is only as much wider as the fullest row needs: in one row at least, the
// controls from the left end just the designed gap before those anchored to the right.
TEST_F(Layout, ARowWithoutRoomWidensTheSmallestWindowByJustWhatItLacks) {
  const QString lengthy = QStringLiteral("A caption much longer than any translation gives, and longer still");
  const auto slack = [this] {
    const int W = at(mf::frmmain).width();
    return std::min({at(mf::imgLogo).left() - (at(mf::optmain, 1).right() + 1 + 40),
                     at(mf::cboLangPacks).left() - (at(mf::lblCountList).right() + 1 + 10),
                     at(mf::lblCountList2).left() - (at(mf::lblspeed).right() + 1 + 80),
                     W - (at(mf::cmdAbout).right() + 1 + 120), W - (at(mf::lblCountCDTotal).right() + 1 + 120)});
  };
  const struct {
    catalogue::ControlId control;
    int index;
  } widened[] = {{mf::cmddir, -1},  {mf::optmain, 0},   {mf::chkrecurse, -1}, {mf::cboLangPacks, -1},
                 {mf::chkNoCD, -1}, {mf::cmdsearch, -1}, {mf::cmdcdrom, 0}};
  measure = testCaptionWidth;
  for (const auto& w : widened) {
    form = catalogue::Form(shell::mainFormControls());
    catalogue::Control& wide = form(w.control, w.index);
    if (wide.kind == ControlKind::PickList)
      wide.items = QStringList{lengthy};
    else
      wide.text = lengthy;
    resize(1, 1);
    const int smallest = at(mf::frmmain).width();
    EXPECT_GT(smallest, 10440) << w.control;
    EXPECT_EQ(slack(), 0) << w.control;
    expectNoOverlapInsideParents(w.control.name);
    resize(smallest - 1, 8600);
    EXPECT_EQ(at(mf::frmmain).width(), smallest) << w.control;
    resize(smallest + 500, 8600);
    EXPECT_EQ(at(mf::frmmain).width(), smallest + 500) << w.control;
    EXPECT_EQ(slack(), 500) << w.control;
  }
}

// Captions that are short again give the controls back their designed widths and places.
TEST_F(Layout, BackInEnglishEveryControlTakesItsPlaceOfBefore) {
  measure = testCaptionWidth;
  usePack(QStringLiteral("English.lpk"));
  resize(1, 1);
  const std::deque<catalogue::Control> english = form.controls();
  const QRect clipBoard = at(mf::cmdClipBoard);
  usePack(QStringLiteral("Deutsch.lpk"));
  resize(1, 1);
  ASSERT_GT(at(mf::cmdClipBoard).width(), clipBoard.width()) << "the German caption is longer";
  usePack(QStringLiteral("English.lpk"));
  resize(1, 1);
  for (const catalogue::Control& was : english)
    EXPECT_EQ(form.findNamed(was.name, was.index)->geometry, was.geometry) << qPrintable(was.name) << was.index;
}

// The About window's buttons keep to its lower right corner; a long caption widens the
// window rather than push them over the links.
TEST_F(Layout, TheAboutButtonsShowTheirCaptionsInEveryShippedPack) {
  for (const QString& file : shippedPacks()) {
    catalogue::Form about(shell::aboutFormControls());
    applyPack(about, file);
    shell::fitAboutButtons(about, testCaptionWidth);
    for (const catalogue::ControlId button : {shell::aboutform::cmdUpdate, shell::aboutform::cmdOK}) {
      const catalogue::Control& c = *about.find(button);
      EXPECT_GE(c.geometry.width(), testCaptionWidth(c.kind, c.text)) << button << " in " << file.toStdString();
    }
    EXPECT_EQ(about.find(shell::copyform::cmdOK)->geometry.right() + 1 + 240, about.find(shell::aboutform::frmAbout)->geometry.width());
    expectNoOverlapInsideParents(about, "About in " + file.toStdString());
  }
}

}  // namespace
