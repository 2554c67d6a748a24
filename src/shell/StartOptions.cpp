// The usage text is laid out for an 80-column terminal: each name in a column of its own,
// what it does beside it, or below it when the name is too long for the column.
#include "shell/StartOptions.h"

#include "shell/BuildFacts.h"
#include "shell/CommandLine.h"

namespace shell {

namespace {

constexpr qsizetype summaryColumn = 24;

QString usageLine(const QString& synopsis, const QString& summary) {
  const QString lead = QStringLiteral("  ") + synopsis;
  if (lead.size() + 2 > summaryColumn)
    return lead + u'\n' + QString(summaryColumn, u' ') + summary + u'\n';
  return lead.leftJustified(summaryColumn) + summary + u'\n';
}

}  // namespace

StartOptions readStartOptions(const QStringList& arguments) {
  StartOptions options;
  options.switches = arguments;
  if (!options.switches.isEmpty() && options.switches.first() == QLatin1String("--headless")) {
    options.headless = true;
    options.switches.removeFirst();
  }
  if (options.switches.isEmpty()) return options;
  const QString& first = options.switches.first();
  if (first == QLatin1String("--help") || first == QLatin1String("-h"))
    options.printout = usageText();
  else if (first == QLatin1String("--version"))
    options.printout = versionText();
  return options;
}

QString usageText() {
  QString text = QStringLiteral(
      "Usage: fillpack [--headless] [SWITCH [VALUE...]]...\n"
      "  or:  fillpack [--headless] --help | -h | --version\n"
      "Split collections of files into parts that each fit one disc. The switches act\n"
      "from left to right, as the window's buttons would. Without a window\n"
      "(--headless, or when there is no display) messages go to standard error and\n"
      "the state of the lists is printed on standard output at the end.\n"
      "\n"
      "Options, first on the command line:\n");
  text += usageLine(QStringLiteral("--headless"), QStringLiteral("run without a window"));
  text += usageLine(QStringLiteral("-h, --help"), QStringLiteral("print this summary and exit"));
  text += usageLine(QStringLiteral("--version"), QStringLiteral("print the version and exit"));
  text += QStringLiteral("\nSwitches (in any letter case; a backslash may stand for the slash):\n");
  for (const SwitchUsage& line : switchUsage()) {
    const QString synopsis = line.names.join(QStringLiteral(", "));
    text += usageLine(line.values.isEmpty() ? synopsis : synopsis + u' ' + line.values, line.summary);
  }
  text += QStringLiteral("\nThe manual page fillpack(1) tells more.\n");
  return text;
}

QString versionText() { return QStringLiteral("fillpack %1\n").arg(QLatin1String(build::version)); }

}  // namespace shell
