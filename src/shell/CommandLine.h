// The command line: the program's batch mode. Switches act on the main window in the
// order written, exactly as the buttons would.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace shell {

class MainForm;

// Applies the switches to the window. Each process argument is one token, exactly as the
// shell handed it over, the empty one included: nothing is joined and split again, so a
// folder name can never carry switches of its own.
void processcommandline(const QStringList& arguments, MainForm& window);

// Every switch name, in the order the switches are looked up.
QStringList switchNames();

// One line of the usage summary: a switch with its other names, the values it takes
// (space-separated placeholders such as "METHOD FILE") and what it does.
struct SwitchUsage {
  QStringList names;
  QString values;
  QString summary;
};
QList<SwitchUsage> switchUsage();

}  // namespace shell
