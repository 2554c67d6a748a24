// The command line: the program's batch mode. Switches act on the main window in the
// order written, exactly as the buttons would.
#pragma once

#include <QStringList>

namespace shell {

class MainForm;

// Applies the switches to the window. Each process argument is one token, exactly as the
// shell handed it over, the empty one included: nothing is joined and split again, so a
// folder name can never carry switches of its own.
void processcommandline(const QStringList& arguments, MainForm& window);

}  // namespace shell
