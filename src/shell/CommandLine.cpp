// Switch names are matched without regard to case, with a backslash standing for the
// slash; their values are taken as written.
#include "shell/CommandLine.h"

#include <QList>
#include <cmath>
#include <functional>
#include <optional>

#include "catalogue/Numbers.h"
#include "catalogue/Paths.h"
#include "platform/MessageTexts.h"
#include "search/Limit.h"
#include "shell/MainForm.h"
#include "shell/MainFormControls.h"

namespace shell {

namespace {

struct Switch {
  const char* name;
  // The values it takes, named for the usage, one word each; their count is what the
  // switch reads. A value that is itself a switch name counts as missing, so
  // `/batch 1 /dumb` can never write a list named "/dumb 001".
  const char* values;
  // One line for --help; none on a switch that is another name of the one before it.
  const char* summary;
  // false ends the command line, silently, as a failing action does
  std::function<bool(MainForm&, const QStringList&)> action;
};

void showHelp(MainForm& window) {
  struct Box {
    const char* title;
    const char* text;
  };
  static const Box boxes[] = {
      {"Add files within a directory",
       "To add all files in a directory, use '/path <PATHNAME>'\r\n"
       "And to recurse subdirectories use '/recurse' instead of '/path'"},
      {"Limit searches to certain extentions",
       "To exclude files of a certain extention, use '/exclude <PATTERN>'\r\n"
       "where patterns are like '*.exe', or '.mp?'.\r\n"
       "Use '/include' instead of '/exclude' to include only files matching the pattern"},
      {"Capacity of the medium",
       "To set the size limit/capacity of the media, use '/limit <SIZE>' where the size is in megabytes"},
      {"Check for backed up files",
       "To scan a CD for files you burned but didn't delete, use '/scancd <INDEX>'\r\n"
       "Your first CDROM drive will have an index of 0, and so forth in alphabetical order"},
      {"Batch search",
       "To run a batch scan, use '/batch <SEARCH METHOD> <FILENAME>'\r\n"
       "where search method = 0 for dumb, 1 for smart, 2 for genius.\r\n"
       "And Filename is the name of the CD List you want to save, and must include a period and extention (ie: .txt)"},
      {"Scan for files",
       "To run a simple scan, use '/dumb' for a dumb scan, '/smart' for a smart scan, and '/genius' for a genius scan"},
      {"Count as on disc and keep folders together",
       "To count each part as the disc it makes instead of its bytes, use '/disc'\r\n"
       "To keep the files of each folder on one disc, use '/together'\r\n"
       "Both act on the searches and batches after them, as the entries of the Search menu do"},
  };
  for (const Box& box : boxes)
    window.messages().show(QString::fromLatin1(box.title), QString::fromLatin1(box.text),
                           platform::MessageIcon::Information);
}

// A number converted to a whole number, rounded to nearest with ties to even; nothing
// when it does not fit into `bits` bits.
std::optional<qint64> wholeNumber(double value, int bits) {
  const double rounded = std::nearbyint(value);
  const double limit = std::ldexp(1.0, bits - 1);
  if (!(rounded >= -limit && rounded < limit)) return std::nullopt;
  return qint64(rounded);
}

const QList<Switch>& switches() {
  static const QList<Switch> table = {
      {"/path", "DIR", "add the files of folder DIR to the upper list",
       [](MainForm& w, const QStringList& a) { return w.addpath(a[0], false), true; }},
      {"/recurse", "DIR", "as /path, with the files of all folders below DIR",
       [](MainForm& w, const QStringList& a) { return w.addpath(a[0], true), true; }},
      {"/include", "PATTERN", "later folders add only the files matching PATTERN",
       [](MainForm& w, const QStringList& a) { return w.setPattern(a[0], 0), true; }},
      {"/exclude", "PATTERN", "later folders leave out the files matching PATTERN",
       [](MainForm& w, const QStringList& a) { return w.setPattern(a[0], 1), true; }},
      {"/limit", "SIZE", "set the capacity of one part, in megabytes",
       [](MainForm& w, const QStringList& a) {
         // The argument is read with "." whatever the locale; the box shows the number in
         // the user's format, which is how it reads it back.
         const double megabytes = catalogue::leadingNumberUnbounded(a[0]);
         if (!search::capacityFits(megabytes)) {
           w.messages().show(
               platform::text(platform::Msg::CapacityTitle),
               platform::text(platform::Msg::CapacityTooLarge).arg(a[0], w.form().text(mainform::txtlimit)),
               platform::MessageIcon::Exclamation);
           return true;
         }
         w.setLimitText(catalogue::userNumberText(megabytes));
         return true;
       }},
      {"/batch", "METHOD FILE", "split the checked files into lists; METHOD 0, 1 or 2",
       [](MainForm& w, const QStringList& a) {
         const std::optional<qint64> method = wholeNumber(catalogue::leadingNumberUnbounded(a[0]), 32);
         if (!method) return w.refuseBatchMethod(a[0]), true;
         w.batch(int(*method), catalogue::UnPath(a[1]));
         return true;
       }},
      {"/scancd", "INDEX", "read the disc in optical drive INDEX (0 is the first)",
       [](MainForm& w, const QStringList& a) {
         // The drives present are numbered from 0, as the help says.
         const std::optional<qint64> index = wholeNumber(catalogue::leadingNumberUnbounded(a[0]), 16);
         if (!index) return false;
         w.CDROM_Load();
         return w.cmdcdrom_Click(int(*index));
       }},
      {"/disc", "", "searches after it count a part as the disc it makes",
       [](MainForm& w, const QStringList&) { return w.checkSearchOption(mainform::mnudisc), true; }},
      {"/together", "", "searches after it keep each folder's files on one disc",
       [](MainForm& w, const QStringList&) { return w.checkSearchOption(mainform::mnutogether), true; }},
      {"/dumb", "", "run the fit search once",
       [](MainForm& w, const QStringList&) { return w.cmdsearch_Click(), true; }},
      {"/smart", "", "accepted; they do nothing yet", [](MainForm&, const QStringList&) { return true; }},
      {"/intelligent", "", nullptr, [](MainForm&, const QStringList&) { return true; }},
      {"/genius", "", nullptr, [](MainForm&, const QStringList&) { return true; }},
      {"/?", "", "show the help texts", [](MainForm& w, const QStringList&) { return showHelp(w), true; }},
      {"/help", "", nullptr, [](MainForm& w, const QStringList&) { return showHelp(w), true; }},
  };
  return table;
}

qsizetype valueCount(const Switch& s) {
  return QString::fromLatin1(s.values).split(u' ', Qt::SkipEmptyParts).size();
}

// The switch a token names: lower case, a backslash standing for the slash.
const Switch* switchNamed(const QString& token) {
  QString name = token.toLower();
  name.replace(u'\\', u'/');
  for (const Switch& s : switches())
    if (name == QLatin1String(s.name)) return &s;
  return nullptr;
}

}  // namespace

QStringList switchNames() {
  QStringList names;
  for (const Switch& s : switches()) names.append(QString::fromLatin1(s.name));
  return names;
}

QList<SwitchUsage> switchUsage() {
  QList<SwitchUsage> lines;
  for (const Switch& s : switches()) {
    if (!s.summary && !lines.isEmpty()) {
      lines.last().names.append(QString::fromLatin1(s.name));
      continue;
    }
    lines.append({{QString::fromLatin1(s.name)}, QString::fromLatin1(s.values), QString::fromLatin1(s.summary)});
  }
  return lines;
}

void processcommandline(const QStringList& arguments, MainForm& window) {
  const qsizetype count = arguments.size();
  for (qsizetype k = 0; k < count && !window.run().closing;) {
    const QString& token = arguments[k];
    const Switch* match = switchNamed(token);
    if (!match) {
      window.messages().show(platform::text(platform::Msg::UnknownCommandTitle),
                             platform::text(platform::Msg::UnknownCommand).arg(token.toLower()),
                             platform::MessageIcon::Critical);
      ++k;
      continue;
    }
    // A switch without all of its arguments ends the command line, silently.
    const qsizetype wanted = valueCount(*match);
    const QStringList values = arguments.mid(k + 1, wanted);
    if (values.size() < wanted) return;
    for (const QString& value : values)
      if (switchNamed(value)) return;
    if (!match->action(window, values)) return;
    window.flushLabels();
    k += 1 + values.size();
  }
}

}  // namespace shell
