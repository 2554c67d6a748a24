// Every statement reads the records as the statements before it left them and stands on its
// own: one that would give a control a negative size is skipped and the rest are still made.
// A record is written only when its place really changes, so the window re-applies only what
// moved.
#include "shell/Layout.h"

#include "shell/MainFormControls.h"

namespace shell {

namespace {

using catalogue::Form;

enum class Edge { Left, Top, Width, Height };

QRect rect(const Form& form, const char* name) { return form.find(QString::fromLatin1(name))->geometry; }
int left(const Form& form, const char* name) { return rect(form, name).left(); }
int top(const Form& form, const char* name) { return rect(form, name).top(); }
int width(const Form& form, const char* name) { return rect(form, name).width(); }
int height(const Form& form, const char* name) { return rect(form, name).height(); }

void set(Form& form, const char* name, Edge edge, int value) {
  QRect r = rect(form, name);
  switch (edge) {
    case Edge::Left: r.moveLeft(value); break;
    case Edge::Top: r.moveTop(value); break;
    case Edge::Width: if (value < 0) return; r.setWidth(value); break;
    case Edge::Height: if (value < 0) return; r.setHeight(value); break;
  }
  if (r != rect(form, name)) form(QString::fromLatin1(name)).geometry = r;
}

void paintSplitter(Form& form, const char* colour) {
  if (form.find(QStringLiteral("PicSep"))->tag != QLatin1String(colour))
    form(QStringLiteral("PicSep")).tag = QString::fromLatin1(colour);
}

bool minimised(const Form& form) { return width(form, "frmmain") <= 0 || height(form, "frmmain") <= 0; }

void placeLogoAndLanguages(Form& form) {
  set(form, "imgLogo", Edge::Left, left(form, "lbllimit") - 800);
  set(form, "cboLangPacks", Edge::Left, left(form, "lblmegabyte") - 1450);
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

void Form_Resize(Form& form) {
  if (minimised(form)) return;
  if (width(form, "frmmain") < minimumWidth) set(form, "frmmain", Edge::Width, minimumWidth);
  if (height(form, "frmmain") < minimumHeight) set(form, "frmmain", Edge::Height, minimumHeight);
  // Docked at the size the window springs back to, so one call leaves a consistent window.
  dockButtonPanel(form);
  const int W = width(form, "frmmain");
  const int H = height(form, "frmmain");
  if (W > 6915) placeAcross(form, W);
  if (H > 8580) placeDown(form, H);
}

void dockButtonPanel(Form& form) {
  if (minimised(form)) return;
  set(form, "PicButton", Edge::Left, 0);
  set(form, "PicButton", Edge::Top, height(form, "frmmain") - height(form, "PicButton"));
  set(form, "PicButton", Edge::Width, width(form, "frmmain"));
}

void placesplitter(Form& form) {
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
  Form_Resize(form);
}

void PicSep_MouseDown(Form& form) { paintSplitter(form, splitterDragColour); }

void PicSep_MouseMove(Form& form, bool leftHeld, int yTwipsWithinBar) {
  if (leftHeld) set(form, "PicSep", Edge::Top, top(form, "PicSep") + yTwipsWithinBar);
}

void PicSep_MouseUp(Form& form) { placesplitter(form); }

}  // namespace shell
