// The state of the main window as text for scripts: the upper rows, the lower rows and
// the labels, tab-separated. The format is a contract; the README describes it.
#pragma once

#include <QByteArray>

namespace shell {

class MainForm;

// The whole dump, with file names in the bytes they have on disk.
QByteArray stateDump(const MainForm& window);

}  // namespace shell
