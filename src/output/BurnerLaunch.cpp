// The switches come from each program's own documentation, as Debian 12 ships them:
// - k3b 22.12: "--data" creates a new data project and adds the files given after it. The
//   project fits itself to the disc inserted; the old --datacd and --datadvd are gone, so
//   CD and DVD cannot be chosen.
// - brasero 3.12: "--data" opens a data project; the files (or URIs) given after the
//   options go into it. The medium is chosen in its burn dialog, not on the command line.
// - xfburn 0.6: "--data-composition" starts a data composition, optionally followed by
//   files and folders. No CD or DVD choice either.
// Each keeps a column per medium all the same, so that a burner which tells the two apart
// only needs its row.
#include "output/BurnerLaunch.h"

#include "catalogue/Numbers.h"
#include "platform/FileKind.h"
#include "platform/ProcessStart.h"

namespace output {

namespace {

constexpr double dvdFromMegabytes = 704;

struct DataSwitches {
  const char* program;
  const char* cd;
  const char* dvd;
};
constexpr DataSwitches dataSwitches[] = {
    {"k3b", "--data", "--data"},
    {"brasero", "--data", "--data"},
    {"xfburn", "--data-composition", "--data-composition"},
};

QStringList projectSwitch(const QString& program, DiscMedium medium) {
  for (const DataSwitches& s : dataSwitches)
    if (program == QLatin1String(s.program)) return {QString::fromLatin1(medium == DiscMedium::Cd ? s.cd : s.dvd)};
  return {};
}

}  // namespace

DiscMedium limitMedium(const QString& limitText) {
  const std::optional<double> megabytes = catalogue::userNumber(limitText);
  return megabytes && *megabytes >= dvdFromMegabytes ? DiscMedium::Dvd : DiscMedium::Cd;
}

BurnerStart dataProjectStart(const platform::Burner& burner, DiscMedium medium, const QStringList& files,
                             qint64 room) {
  BurnerStart start{projectSwitch(burner.program, medium)};
  if (files.isEmpty()) return start;
  const QStringList withFiles = start.arguments + files;
  if (platform::fitsCommandLine(burner.path, withFiles, room))
    start.arguments = withFiles;
  else
    start.filesLeftOut = true;
  return start;
}

QStringList regularFiles(const QStringList& paths, QStringList& leftOut) {
  QStringList files;
  for (const QString& path : paths) (platform::isRegularFile(path) ? files : leftOut).append(path);
  return files;
}

QString leftOutText(const QStringList& leftOut) {
  return QStringLiteral("These entries of the lower list are not files (or are gone) and were left out:\r\n") +
         leftOut.join(QStringLiteral("\r\n"));
}

QString noBurnerText() {
  return QStringLiteral(
      "No Burner installed, I will recommend install a burner program example: ''K3b'', ''Brasero'' or ''Xfburn''");
}

QString filesLeftOutText(const platform::Burner& burner, int count) {
  return QStringLiteral(
             "The %1 checked files are too many, or their names too long, to hand to %2 on its command line. %2 "
             "starts with an empty data project: drag the checked files from the lower list into it, or paste them "
             "after the clipboard button.")
      .arg(count)
      .arg(burner.title);
}

}  // namespace output
