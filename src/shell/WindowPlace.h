// Where a window may stand: somewhere the user can see it and take hold of it. The screens
// are the window layer's to know; the rule itself needs none, so it is tested without one.
#pragma once

#include <QList>
#include <QRect>

namespace shell {

// The least of a window, in twips across and down, that must lie on one screen for the
// window to count as visible there: enough to see it and grab it.
inline constexpr int visibleTwips = 720;

// The window's rectangle as it may be shown on `screens` (the first is the primary screen;
// all in twips): unchanged while a piece of it of visibleTwips each way, or the whole of
// a smaller window, lies on one screen; otherwise centred on the primary screen, keeping
// its size as far as the screen allows. No screens, or an empty window, change nothing.
QRect placeOnScreens(const QList<QRect>& screens, const QRect& window);

}  // namespace shell
