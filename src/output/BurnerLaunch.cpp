// The switches of each burner stand in its row of platform::burnerProfiles().
#include "output/BurnerLaunch.h"

#include "platform/FileKind.h"
#include "platform/MessageTexts.h"
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
  return platform::text(platform::Msg::LeftOutOfBurn) + QStringLiteral("\r\n") + leftOut.join(QStringLiteral("\r\n"));
}

QString noBurnerText() {
  const std::span<const platform::BurnerProfile> known = platform::burnerProfiles();
  QString names;
  for (size_t i = 0; i < known.size(); ++i) {
    if (i > 0) names += i + 1 == known.size() ? platform::text(platform::Msg::NamesOr) : QStringLiteral(", ");
    names += QStringLiteral("''") + known[i].titleText() + QStringLiteral("''");
  }
  return platform::text(platform::Msg::NoBurner).arg(names);
}

QString filesLeftOutText(const platform::Burner& burner, int count) {
  return platform::text(platform::Msg::TooManyForBurner).arg(count).arg(burner.title());
}

}  // namespace output
