// The command line: the program's batch mode. Switches act on the main window in the
// order written, exactly as the buttons would.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

class MainForm;

// Tokenises the command line: blanks outside double quotes separate tokens, runs of them
// collapse, a "|" separates too. `tokens` receives the pieces; the result is the text
// with every separator written as one "|".
QString splitparameters(QString command, QStringList& tokens);

// The arguments of the process joined back into one text; an argument with a blank is
// written in double quotes.
QString joinArguments(const QStringList& arguments);

// Applies every switch of the command line to the window.
void processcommandline(const QString& commandLine, MainForm& window);

}  // namespace shell
