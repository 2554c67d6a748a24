// Every statement reads the records as the statements before it left them and stands on its
// own: one that would give a control a negative size is skipped and the rest are still made.
// A record is written only when its place really changes, so the window re-applies only what
// moved. Captions are fitted before the window's size is looked at: how wide a control must
// be depends on its text alone, and the smallest window follows from those widths.
#include "shell/Layout.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"

namespace shell {

namespace {

using catalogue::Control;
using catalogue::ControlKind;
using catalogue::Form;

enum class Edge { Left, Top, Width, Height };

// The space between a box and the label or button beside it, and between the lists and
// the boxes above and below them: one grid step of the design.
constexpr int gap = 120;
// The space between neighbours of a row that grew: half a step, so a longer caption in one
// language costs the row as little room as it can.
constexpr int rowGap = 60;
// The lists span the window less their margins on both sides and the window's border.
constexpr int listMargins = 345;
// The totals line stands this far above the bottom edge, clear of the button panel.
constexpr int totalsAboveBottom = 1335;
// One line of a label, as the labels of the totals line are designed.
constexpr int lineHeight = 255;
// Below these sizes the window is placed as designed: the rules would give controls
// negative sizes. The smallest window is larger, so these guard only a window being made.
constexpr int placeAcrossAbove = 6915;
constexpr int placeDownAbove = 8580;
// The splitter keeps room for the folder row and three rows of the upper list above it,
// and for the lower list and its totals below it.
constexpr int splitterHighest = 3420;
constexpr int belowSplitter = 2500;

using catalogue::ControlId;

QRect rect(const Form& form, ControlId id, int index = -1) { return form.find(id, index)->geometry; }
int left(const Form& form, ControlId id) { return rect(form, id).left(); }
int top(const Form& form, ControlId id) { return rect(form, id).top(); }
int width(const Form& form, ControlId id) { return rect(form, id).width(); }
int height(const Form& form, ControlId id) { return rect(form, id).height(); }
int right(const Form& form, ControlId id, int index = -1) { return rect(form, id, index).right() + 1; }

void set(Form& form, const QString& name, int index, Edge edge, int value) {
  const QRect was = std::as_const(form).findNamed(name, index)->geometry;
  QRect r = was;
  switch (edge) {
    case Edge::Left: r.moveLeft(value); break;
    case Edge::Top: r.moveTop(value); break;
    case Edge::Width: if (value < 0) return; r.setWidth(value); break;
    case Edge::Height: if (value < 0) return; r.setHeight(value); break;
  }
  if (r != was) form.findNamed(name, index)->geometry = r;
}

void set(Form& form, ControlId id, Edge edge, int value) { set(form, QString::fromLatin1(id.name), -1, edge, value); }

// The place a window's table gives a control (the main window's unless told). A drive
// button loaded at start-up has none of its own: it is as wide as the first and follows the
// one before it.
std::optional<QRect> designed(const QString& name, int index,
                              std::span<const catalogue::ControlDecl> table = mainFormControls()) {
  for (const catalogue::ControlDecl& d : table)
    if (name == QLatin1String(d.name.name) && index == d.index) return d.geometry;
  return std::nullopt;
}
std::optional<QRect> designed(ControlId id, int index, std::span<const catalogue::ControlDecl> table = mainFormControls()) {
  return designed(QString::fromLatin1(id.name), index, table);
}

int designedWidth(const Control& c) {
  const std::optional<QRect> place = designed(c.name, c.index);
  return place ? place->width() : designed(c.name, 0).value_or(c.geometry).width();
}

// The controls whose caption is cut at their edges; picture buttons show none. Of the
// labels only the limit's is fitted: the rules place it by its own width, and the others
// either have room to spare or show the program's own figures.
bool showsCaption(const Control& c) {
  return (c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton ||
          c.name == QLatin1String(mainform::lbllimit.name)) &&
         !c.text.isEmpty();
}

// Rows whose controls stand one after another from the left edge. Each keeps its designed
// place until the one before it grows into it, and then follows rowGap after it; a
// control array stands as all its members loaded.
const std::vector<std::vector<ControlId>> rows = {
    {mainform::optmain},
    {mainform::chkrecurse, mainform::cmdadd, mainform::cmddel, mainform::lblCountList},
    {mainform::lblpercent, mainform::chkNoCD, mainform::cbospeed, mainform::lblspeed},
    {mainform::cmdload, mainform::cmdsearch, mainform::cmdCopy, mainform::cmdClipBoard, mainform::cmdsave, mainform::cmdhelp, mainform::cmdAbout},
    {mainform::cmddelete, mainform::cmdburn, mainform::cmdcdrom, mainform::lblCountCDTotal},
};

// The records of a row in order, by name and index.
std::vector<std::pair<QString, int>> membersOf(const Form& form, const std::vector<ControlId>& row) {
  std::vector<std::pair<QString, int>> out;
  for (const ControlId id : row) {
    const QString n = QString::fromLatin1(id.name);
    if (designed(n, -1)) out.emplace_back(n, -1);
    for (int i = 0; designed(n, 0) && form.findNamed(n, i); ++i) out.emplace_back(n, i);
  }
  return out;
}

void fitCaptions(Form& form, const CaptionWidth& measure) {
  if (!measure) return;
  const std::deque<Control>& all = std::as_const(form).controls();
  for (size_t i = 0; i < all.size(); ++i) {
    const Control& c = all[i];
    if (!showsCaption(c)) continue;
    set(form, c.name, c.index, Edge::Width, std::max(designedWidth(c), measure(c.kind, c.text)));
  }
  // The language box shows the pack picked whole, whichever it is.
  const Control& languages = *form.find(mainform::cboLangPacks);
  int widest = designedWidth(languages);
  for (const QString& pack : languages.items) widest = std::max(widest, measure(languages.kind, pack));
  set(form, languages.name, -1, Edge::Width, widest);

  for (const auto& row : rows) {
    const auto members = membersOf(form, row);
    for (size_t i = 1; i < members.size(); ++i) {
      const auto& [name, index] = members[i];
      const QRect before = std::as_const(form).findNamed(members[i - 1].first, members[i - 1].second)->geometry;
      const std::optional<QRect> place = designed(name, index);
      set(form, name, index, Edge::Left, std::max(place ? place->left() : 0, before.right() + 1 + rowGap));
    }
  }
}

// How much wider the window must be for each row to hold its controls: those that stand
// from the left must end before those the rules anchor to the right edge, which move with
// the window's width, twip for twip.
int missingWidth(const Form& form) {
  const int W = width(form, mainform::frmmain);
  const auto last = [&form](const std::vector<ControlId>& row) {
    const auto members = membersOf(form, row);
    return form.findNamed(members.back().first, members.back().second)->geometry.right() + 1;
  };
  const std::pair<int, int> ends[] = {
      // where the left part ends (with its gap), where the right part begins; the folder
      // box needs no bound of its own, as the limit's row meets the options first
      {right(form, mainform::optmain, 1) + 40, left(form, mainform::imgLogo)},
      {right(form, mainform::lblCountList) + 10, left(form, mainform::cboLangPacks)},
      {right(form, mainform::lblspeed) + 80, left(form, mainform::lblCountList2)},
      {last(rows[3]) + gap, W},
      {last(rows[4]) + gap, W},
  };
  int missing = 0;
  for (const auto& [end, begin] : ends) missing = std::max(missing, end - begin);
  return missing;
}

void paintSplitter(Form& form, const char* colour) {
  if (form.find(mainform::PicSep)->tag != QLatin1String(colour))
    form(mainform::PicSep).tag = QString::fromLatin1(colour);
}

bool minimised(const Form& form) { return width(form, mainform::frmmain) <= 0 || height(form, mainform::frmmain) <= 0; }

void placeLogoAndLanguages(Form& form) {
  set(form, mainform::imgLogo, Edge::Left, left(form, mainform::lbllimit) - 800);
  // As designed, 1450 twips left of the label, when the box is as wide as designed.
  set(form, mainform::cboLangPacks, Edge::Left, left(form, mainform::lblmegabyte) - gap - width(form, mainform::cboLangPacks));
}

void placeAcross(Form& form, int W) {
  set(form, mainform::lstmain, Edge::Width, W - listMargins);
  set(form, mainform::lstsec, Edge::Width, width(form, mainform::lstmain));
  set(form, mainform::cmddir, Edge::Left, left(form, mainform::lstmain) + width(form, mainform::lstmain) - width(form, mainform::cmddir));
  set(form, mainform::lblmegabyte, Edge::Left, left(form, mainform::cmddir));
  set(form, mainform::lblLanguage, Edge::Left, left(form, mainform::cmddir));
  set(form, mainform::txtlimit, Edge::Left, left(form, mainform::lblmegabyte) - gap - width(form, mainform::txtlimit));
  set(form, mainform::txttotal, Edge::Left, left(form, mainform::lblmegabyte) - gap - width(form, mainform::txttotal));
  set(form, mainform::lblCountList2, Edge::Left, W - 3100);
  set(form, mainform::lbllimit, Edge::Left, left(form, mainform::txtlimit) - width(form, mainform::lbllimit) - 100);
  set(form, mainform::PicSep, Edge::Width, width(form, mainform::lstsec));
  set(form, mainform::txtdir, Edge::Width, left(form, mainform::cmddir) - gap - left(form, mainform::txtdir));
  set(form, mainform::framain, Edge::Left, left(form, mainform::lstsec) + width(form, mainform::lstsec) / 2 - width(form, mainform::framain) / 2);
  placeLogoAndLanguages(form);
}

void placeDown(Form& form, int H) {
  // Counting as on disc, the lower summary also names the disc size, which its width has no
  // room for: it takes a second line, above its first, and the lower list gives that line up.
  const int summaryLines = form.find(mainform::mnudisc)->value == 1 ? 2 : 1;
  const int summaryTop = H - totalsAboveBottom - (summaryLines - 1) * lineHeight;
  set(form, mainform::lblCountList2, Edge::Top, summaryTop);
  set(form, mainform::lblCountList2, Edge::Height, summaryLines * lineHeight);
  set(form, mainform::txttotal, Edge::Top, H - totalsAboveBottom);
  set(form, mainform::lblpercent, Edge::Top, H - totalsAboveBottom);
  set(form, mainform::chkNoCD, Edge::Top, H - totalsAboveBottom);
  set(form, mainform::lstsec, Edge::Top, top(form, mainform::lstmain) + height(form, mainform::lstmain) + gap);
  set(form, mainform::lstsec, Edge::Height, summaryTop - gap - top(form, mainform::lstsec));
  set(form, mainform::PicSep, Edge::Width, width(form, mainform::lstsec));
  set(form, mainform::framain, Edge::Top, top(form, mainform::lstsec) + height(form, mainform::lstsec) / 2 - height(form, mainform::framain) / 2);
  placeLogoAndLanguages(form);
  set(form, mainform::cbospeed, Edge::Top, top(form, mainform::txttotal) - 60);
  set(form, mainform::lblspeed, Edge::Top, top(form, mainform::txttotal));
}

}  // namespace

void Form_Resize(Form& form, const CaptionWidth& measure) {
  if (minimised(form)) return;
  fitCaptions(form, measure);
  if (width(form, mainform::frmmain) < minimumWidth) set(form, mainform::frmmain, Edge::Width, minimumWidth);
  if (height(form, mainform::frmmain) < minimumHeight) set(form, mainform::frmmain, Edge::Height, minimumHeight);
  // Docked at the size the window springs back to, so one call leaves a consistent window.
  dockButtonPanel(form);
  const int W = width(form, mainform::frmmain);
  const int H = height(form, mainform::frmmain);
  if (W > placeAcrossAbove) placeAcross(form, W);
  // A row without room springs the window wider by what it lacks; placed once more at that
  // width, every row holds its controls.
  if (const int missing = missingWidth(form); missing > 0) {
    set(form, mainform::frmmain, Edge::Width, W + missing);
    dockButtonPanel(form);
    placeAcross(form, W + missing);
  }
  if (H > placeDownAbove) placeDown(form, H);
}

void dockButtonPanel(Form& form) {
  if (minimised(form)) return;
  set(form, mainform::PicButton, Edge::Left, 0);
  set(form, mainform::PicButton, Edge::Top, height(form, mainform::frmmain) - height(form, mainform::PicButton));
  set(form, mainform::PicButton, Edge::Width, width(form, mainform::frmmain));
}

void placesplitter(Form& form, const CaptionWidth& measure) {
  if (minimised(form)) return;
  int T = top(form, mainform::PicSep);
  if (T < splitterHighest) set(form, mainform::PicSep, Edge::Top, T = splitterHighest);
  const int S = height(form, mainform::frmmain) - height(form, mainform::PicButton);
  if (S - belowSplitter < T) set(form, mainform::PicSep, Edge::Top, T = S - belowSplitter);
  set(form, mainform::lstmain, Edge::Height, T - top(form, mainform::lstmain) - 5);
  set(form, mainform::lstsec, Edge::Top, T + height(form, mainform::PicSep));
  set(form, mainform::lstsec, Edge::Height, S - top(form, mainform::lstsec));
  paintSplitter(form, splitterColour);
  Form_Resize(form, measure);
}

void fitAboutButtons(Form& about, const CaptionWidth& measure) {
  if (!measure) return;
  const auto fitted = [&](ControlId id) {
    return std::max(designed(id, -1, aboutFormControls())->width(), measure(ControlKind::Button, about.text(id)));
  };
  const int ok = fitted(aboutform::cmdOK);
  const int update = fitted(aboutform::cmdUpdate);
  const int designedWindow = designed(aboutform::frmAbout, -1, aboutFormControls())->width();
  const int W = std::max(designedWindow, right(about, aboutform::lblHomePage) + 100 + update + rowGap + ok + 240);
  set(about, aboutform::frmAbout, Edge::Width, W);
  set(about, aboutform::cmdOK, Edge::Width, ok);
  set(about, aboutform::cmdOK, Edge::Left, W - 240 - ok);
  set(about, aboutform::cmdUpdate, Edge::Width, update);
  set(about, aboutform::cmdUpdate, Edge::Left, left(about, aboutform::cmdOK) - rowGap - update);
}

void PicSep_MouseDown(Form& form) { paintSplitter(form, splitterDragColour); }

void PicSep_MouseMove(Form& form, bool leftHeld, int yTwipsWithinBar) {
  if (leftHeld) set(form, mainform::PicSep, Edge::Top, top(form, mainform::PicSep) + yTwipsWithinBar);
}

void PicSep_MouseUp(Form& form, const CaptionWidth& measure) { placesplitter(form, measure); }

}  // namespace shell
