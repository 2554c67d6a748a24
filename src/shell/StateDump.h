// The state of the main window as text for scripts: the upper rows, the lower rows and
// the labels, tab-separated. The format is a contract; the README describes it.
#pragma once

#include <QByteArray>
#include <functional>

namespace shell {

class MainForm;

// The dump, with file names in the bytes they have on disk, handed to `sink` in pieces
// of some tens of kilobytes, so that a million rows never sit in memory twice.
void writeState(const MainForm& window, const std::function<void(const QByteArray&)>& sink);

}  // namespace shell
