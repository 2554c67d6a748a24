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

QRect rect(const Form& form, const char* name, int index = -1) {
  return form.find(QString::fromLatin1(name), index)->geometry;
}
int left(const Form& form, const char* name) { return rect(form, name).left(); }
int top(const Form& form, const char* name) { return rect(form, name).top(); }
int width(const Form& form, const char* name) { return rect(form, name).width(); }
int height(const Form& form, const char* name) { return rect(form, name).height(); }
int right(const Form& form, const char* name, int index = -1) { return rect(form, name, index).right() + 1; }

void set(Form& form, const QString& name, int index, Edge edge, int value) {
  const QRect was = form.find(name, index)->geometry;
  QRect r = was;
  switch (edge) {
    case Edge::Left: r.moveLeft(value); break;
    case Edge::Top: r.moveTop(value); break;
    case Edge::Width: if (value < 0) return; r.setWidth(value); break;
    case Edge::Height: if (value < 0) return; r.setHeight(value); break;
  }
  if (r != was) form(name, index).geometry = r;
}

void set(Form& form, const char* name, Edge edge, int value) { set(form, QString::fromLatin1(name), -1, edge, value); }

// The place a window's table gives a control (the main window's unless told). A drive
// button loaded at start-up has none of its own: it is as wide as the first and follows the
// one before it.
std::optional<QRect> designed(const QString& name, int index,
                              std::span<const catalogue::ControlDecl> table = mainFormControls()) {
  for (const catalogue::ControlDecl& d : table)
    if (name == QLatin1String(d.name) && index == d.index) return d.geometry;
  return std::nullopt;
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
          c.name == u"lbllimit") &&
         !c.text.isEmpty();
}

// Rows whose controls stand one after another from the left edge. Each keeps its designed
// place until the one before it grows into it, and then follows 60 twips after it; a
// control array stands as all its members loaded.
const char* const rows[][7] = {
    {"optmain"},
    {"chkrecurse", "cmdadd", "cmddel", "lblCountList"},
    {"lblpercent", "chkNoCD", "cbospeed", "lblspeed"},
    {"cmdload", "cmdsearch", "cmdCopy", "cmdClipBoard", "cmdsave", "cmdhelp", "cmdAbout"},
    {"cmddelete", "cmdburn", "cmdcdrom", "lblCountCDTotal"},
};

// The records of a row in order, by name and index.
std::vector<std::pair<QString, int>> membersOf(const Form& form, const char* const (&row)[7]) {
  std::vector<std::pair<QString, int>> out;
  for (const char* name : row) {
    if (!name) break;
    const QString n = QString::fromLatin1(name);
    if (designed(n, -1)) out.emplace_back(n, -1);
    for (int i = 0; designed(n, 0) && form.find(n, i); ++i) out.emplace_back(n, i);
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
  const Control& languages = *form.find(QStringLiteral("cboLangPacks"));
  int widest = designedWidth(languages);
  for (const QString& pack : languages.items) widest = std::max(widest, measure(languages.kind, pack));
  set(form, languages.name, -1, Edge::Width, widest);

  for (const auto& row : rows) {
    const auto members = membersOf(form, row);
    for (size_t i = 1; i < members.size(); ++i) {
      const auto& [name, index] = members[i];
      const QRect before = form.find(members[i - 1].first, members[i - 1].second)->geometry;
      const std::optional<QRect> place = designed(name, index);
      set(form, name, index, Edge::Left, std::max(place ? place->left() : 0, before.right() + 1 + 60));
    }
  }
}

// How much wider the window must be for each row to hold its controls: those that stand
// from the left must end before those the rules anchor to the right edge, which move with
// the window's width, twip for twip.
int missingWidth(const Form& form) {
  const int W = width(form, "frmmain");
  const auto last = [&form](const char* const (&row)[7]) {
    const auto members = membersOf(form, row);
    return form.find(members.back().first, members.back().second)->geometry.right() + 1;
  };
  const std::pair<int, int> ends[] = {
      // where the left part ends (with its gap), where the right part begins; the folder
      // box needs no bound of its own, as the limit's row meets the options first
      {right(form, "optmain", 1) + 40, left(form, "imgLogo")},
      {right(form, "lblCountList") + 10, left(form, "cboLangPacks")},
      {right(form, "lblspeed") + 80, left(form, "lblCountList2")},
      {last(rows[3]) + 120, W},
      {last(rows[4]) + 120, W},
  };
  int missing = 0;
  for (const auto& [end, begin] : ends) missing = std::max(missing, end - begin);
  return missing;
}

void paintSplitter(Form& form, const char* colour) {
  if (form.find(QStringLiteral("PicSep"))->tag != QLatin1String(colour))
    form(QStringLiteral("PicSep")).tag = QString::fromLatin1(colour);
}

bool minimised(const Form& form) { return width(form, "frmmain") <= 0 || height(form, "frmmain") <= 0; }

void placeLogoAndLanguages(Form& form) {
  set(form, "imgLogo", Edge::Left, left(form, "lbllimit") - 800);
  // As designed, 1450 twips left of the label, when the box is as wide as designed.
  set(form, "cboLangPacks", Edge::Left, left(form, "lblmegabyte") - 120 - width(form, "cboLangPacks"));
}

void placeAcross(Form& form, int W) {
  set(form, "lstmain", Edge::Width, W - 345);
  set(form, "lstsec", Edge::Width, width(form, "lstmain"));
  set(form, "cmddir", Edge::Left, left(form, "lstmain") + width(form, "lstmain") - width(form, "cmddir"));
  set(form, "lblmegabyte", Edge::Left, left(form, "cmddir"));
  set(form, "lblLanguage", Edge::Left, left(form, "cmddir"));
  set(form, "txtlimit", Edge::Left, left(form, "lblmegabyte") - 120 - width(form, "txtlimit"));
  set(form, "txttotal", Edge::Left, left(form, "lblmegabyte") - 120 - width(form, "txttotal"));
  set(form, "lblCountList2", Edge::Left, W - 3100);
  set(form, "lbllimit", Edge::Left, left(form, "txtlimit") - width(form, "lbllimit") - 100);
  set(form, "PicSep", Edge::Width, width(form, "lstsec"));
  set(form, "txtdir", Edge::Width, left(form, "cmddir") - 120 - left(form, "txtdir"));
  set(form, "framain", Edge::Left, left(form, "lstsec") + width(form, "lstsec") / 2 - width(form, "framain") / 2);
  placeLogoAndLanguages(form);
}

void placeDown(Form& form, int H) {
  set(form, "lblCountList2", Edge::Top, H - 1335);
  set(form, "txttotal", Edge::Top, H - 1335);
  set(form, "lblpercent", Edge::Top, top(form, "lblCountList2"));
  set(form, "chkNoCD", Edge::Top, top(form, "lblCountList2"));
  set(form, "lstsec", Edge::Top, top(form, "lstmain") + height(form, "lstmain") + 120);
  set(form, "lstsec", Edge::Height, top(form, "txttotal") - 120 - top(form, "lstsec"));
  set(form, "PicSep", Edge::Width, width(form, "lstsec"));
  set(form, "framain", Edge::Top, top(form, "lstsec") + height(form, "lstsec") / 2 - height(form, "framain") / 2);
  placeLogoAndLanguages(form);
  set(form, "cbospeed", Edge::Top, top(form, "txttotal") - 60);
  set(form, "lblspeed", Edge::Top, top(form, "txttotal"));
}

}  // namespace

void Form_Resize(Form& form, const CaptionWidth& measure) {
  if (minimised(form)) return;
  fitCaptions(form, measure);
  if (width(form, "frmmain") < minimumWidth) set(form, "frmmain", Edge::Width, minimumWidth);
  if (height(form, "frmmain") < minimumHeight) set(form, "frmmain", Edge::Height, minimumHeight);
  // Docked at the size the window springs back to, so one call leaves a consistent window.
  dockButtonPanel(form);
  const int W = width(form, "frmmain");
  const int H = height(form, "frmmain");
  if (W > 6915) placeAcross(form, W);
  // A row without room springs the window wider by what it lacks; placed once more at that
  // width, every row holds its controls.
  if (const int missing = missingWidth(form); missing > 0) {
    set(form, "frmmain", Edge::Width, W + missing);
    dockButtonPanel(form);
    placeAcross(form, W + missing);
  }
  if (H > 8580) placeDown(form, H);
}

void dockButtonPanel(Form& form) {
  if (minimised(form)) return;
  set(form, "PicButton", Edge::Left, 0);
  set(form, "PicButton", Edge::Top, height(form, "frmmain") - height(form, "PicButton"));
  set(form, "PicButton", Edge::Width, width(form, "frmmain"));
}

void placesplitter(Form& form, const CaptionWidth& measure) {
  if (minimised(form)) return;
  int T = top(form, "PicSep");
  if (T < 3420) set(form, "PicSep", Edge::Top, T = 3420);
  // Below the splitter at least 2500 twips stay for the lower list and its totals.
  const int S = height(form, "frmmain") - height(form, "PicButton");
  if (S - 2500 < T) set(form, "PicSep", Edge::Top, T = S - 2500);
  set(form, "lstmain", Edge::Height, T - top(form, "lstmain") - 5);
  set(form, "lstsec", Edge::Top, T + height(form, "PicSep"));
  set(form, "lstsec", Edge::Height, S - top(form, "lstsec"));
  paintSplitter(form, splitterColour);
  Form_Resize(form, measure);
}

void fitAboutButtons(Form& about, const CaptionWidth& measure) {
  if (!measure) return;
  const auto fitted = [&](const char* name) {
    const QString n = QString::fromLatin1(name);
    return std::max(designed(n, -1, aboutFormControls())->width(), measure(ControlKind::Button, about.text(n)));
  };
  const int ok = fitted("cmdOK");
  const int update = fitted("cmdUpdate");
  const int designedWindow = designed(QStringLiteral("frmAbout"), -1, aboutFormControls())->width();
  const int W = std::max(designedWindow, right(about, "lblHomePage") + 100 + update + 60 + ok + 240);
  set(about, "frmAbout", Edge::Width, W);
  set(about, "cmdOK", Edge::Width, ok);
  set(about, "cmdOK", Edge::Left, W - 240 - ok);
  set(about, "cmdUpdate", Edge::Width, update);
  set(about, "cmdUpdate", Edge::Left, left(about, "cmdOK") - 60 - update);
}

void PicSep_MouseDown(Form& form) { paintSplitter(form, splitterDragColour); }

void PicSep_MouseMove(Form& form, bool leftHeld, int yTwipsWithinBar) {
  if (leftHeld) set(form, "PicSep", Edge::Top, top(form, "PicSep") + yTwipsWithinBar);
}

void PicSep_MouseUp(Form& form, const CaptionWidth& measure) { placesplitter(form, measure); }

}  // namespace shell
