// The switches of each burner stand in its row of platform::burnerProfiles().
#include "output/BurnerLaunch.h"

#include "platform/FileKind.h"
#include "platform/ProcessStart.h"

namespace output {

namespace {

constexpr double dvdFromMegabytes = 704;

}  // namespace

DiscMedium limitMedium(double megabytes) { return megabytes >= dvdFromMegabytes ? DiscMedium::Dvd : DiscMedium::Cd; }

BurnerStart dataProjectStart(const platform::Burner& burner, DiscMedium medium, const QStringList& files,
                             qint64 room) {
  BurnerStart start{burner.profile.projectSwitches(medium == DiscMedium::Dvd)};
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
  const std::span<const platform::BurnerProfile> known = platform::burnerProfiles();
  QString names;
  for (size_t i = 0; i < known.size(); ++i) {
    if (i > 0) names += i + 1 == known.size() ? QStringLiteral(" or ") : QStringLiteral(", ");
    names += QStringLiteral("''") + known[i].titleText() + QStringLiteral("''");
  }
  return QStringLiteral("No Burner installed, I will recommend install a burner program example: ") + names;
}

QString filesLeftOutText(const platform::Burner& burner, int count) {
  return QStringLiteral(
             "The %1 checked files are too many, or their names too long, to hand to %2 on its command line. %2 "
             "starts with an empty data project: drag the checked files from the lower list into it, or paste them "
             "after the clipboard button.")
      .arg(count)
      .arg(burner.title());
}

}  // namespace output
