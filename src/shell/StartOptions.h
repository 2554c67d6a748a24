// The options in front of the switches: --headless, and the GNU-style --help, -h and
// --version, which print and end the program before a window or a headless run starts.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

struct StartOptions {
  bool headless = false;
  // What to print on standard output before ending with status 0; empty for a normal run.
  QString printout;
  // The tokens left for the command line, each exactly as given.
  QStringList switches;
};

// --headless counts only as the very first argument, and --help, -h or --version only
// right after it or in its place, so that every later token (a folder called --help
// after /path) keeps its meaning on the command line.
StartOptions readStartOptions(const QStringList& arguments);

// The text of --help: the options and, from the command line's own table, every switch.
QString usageText();
// The text of --version: "fillpack VERSION".
QString versionText();

}  // namespace shell
