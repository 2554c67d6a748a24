// The main window's layout as pure functions of its control records, in twips: the rules
// that place the controls when the window is resized and when the splitter between the two
// lists is dragged. The Qt binding only mirrors the records these functions change.
#pragma once

#include "catalogue/Form.h"

namespace shell {

// Springs the window back to its smallest size, docks the button panel and places the
// controls for the window's size. Places nothing while the window has no size (minimised).
void Form_Resize(catalogue::Form& form);
// The button panel along the bottom edge, as wide as the window.
void dockButtonPanel(catalogue::Form& form);
// Shares the height between the two lists at the splitter's top, keeping both usable.
void placesplitter(catalogue::Form& form);

// The splitter drag: any button darkens the bar, the left button moves it with the pointer
// (y: the pointer's offset within the bar, in twips), the release lays the window out anew.
void PicSep_MouseDown(catalogue::Form& form);
void PicSep_MouseMove(catalogue::Form& form, bool leftHeld, int yTwipsWithinBar);
void PicSep_MouseUp(catalogue::Form& form);

// Back colours of the splitter, kept in its tag for the binding to paint.
inline constexpr char splitterColour[] = "#f0ede1";
inline constexpr char splitterDragColour[] = "#000000";

}  // namespace shell
