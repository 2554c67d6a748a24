// The windows' layout as pure functions of their control records, in twips: the rules that
// place the main window's controls when the window is resized and when the splitter between
// the two lists is dragged, and the fitting of captions. The Qt binding only mirrors the
// records these functions change.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/Form.h"

namespace shell {

// The width in twips a control of `kind` needs to show `caption` whole in the window's font:
// the text without its access-key mark and the control's own parts around it (a button's
// frame, a check box's box, the arrow of a drop-down list). The window measures; the rules
// only read the answers, so they stay free of fonts and displays.
using CaptionWidth = std::function<int(catalogue::ControlKind kind, const QString& caption)>;

// Fits the captions: every button, check box and option button as wide as its caption and
// the language box as wide as its longest pack name (never narrower than designed), the
// controls after a wider one moved along its row. Then springs the window back to its
// smallest size, which grows by what the fullest row lacks, docks the button panel and
// places the controls for the window's size. Without a measure the controls keep the widths
// they have. Places nothing while the window has no size (minimised).
void Form_Resize(catalogue::Form& form, const CaptionWidth& measure = {});
// The button panel along the bottom edge, as wide as the window.
void dockButtonPanel(catalogue::Form& form);
// Shares the height between the two lists at the splitter's top, keeping both usable.
void placesplitter(catalogue::Form& form, const CaptionWidth& measure = {});

// The splitter drag: any button darkens the bar, the left button moves it with the pointer
// (y: the pointer's offset within the bar, in twips), the release lays the window out anew.
void PicSep_MouseDown(catalogue::Form& form);
void PicSep_MouseMove(catalogue::Form& form, bool leftHeld, int yTwipsWithinBar);
void PicSep_MouseUp(catalogue::Form& form, const CaptionWidth& measure = {});

// The About window's buttons, at its lower right, as wide as their captions; the window
// widens where they would reach the links beside them. Without a measure, nothing moves.
void fitAboutButtons(catalogue::Form& about, const CaptionWidth& measure);

// Back colours of the splitter, kept in its tag for the binding to paint.
inline constexpr char splitterColour[] = "#f0ede1";
inline constexpr char splitterDragColour[] = "#000000";

}  // namespace shell
