// A saved place is the user's choice and is kept whenever it can be seen: only a window
// that no screen would show is moved, as a screen taken away or a broken setting leaves it.
#include "shell/WindowPlace.h"

#include <algorithm>

namespace shell {

QRect placeOnScreens(const QList<QRect>& screens, const QRect& window) {
  if (screens.isEmpty() || window.isEmpty()) return window;
  const int across = std::min(window.width(), visibleTwips);
  const int down = std::min(window.height(), visibleTwips);
  for (const QRect& screen : screens) {
    const QRect shown = screen.intersected(window);
    if (shown.width() >= across && shown.height() >= down) return window;
  }
  const QRect& primary = screens.first();
  QRect placed(QPoint(), window.size().boundedTo(primary.size()));
  placed.moveCenter(primary.center());
  return placed;
}

}  // namespace shell
