// On this system the "drive" of a path is its root "/": the relative path drops that one
// character, the first level MakeDir starts from is the root, and FolderExists counts the
// bare root as no folder, as it did a bare drive. The folder part of every entry is
// created, however short, and a file that cannot be copied ends the copy with a message,
// so the copy never starts over and never loops.
#include "output/CopyToFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>

#include "catalogue/ProgressFrame.h"
#include "platform/CopyFile.h"
#include "platform/FileNames.h"
#include "platform/FileWrite.h"

namespace output {

namespace {

const QString title = QStringLiteral("Copy to Folder");

struct Job {
  QString path;
  qint64 size = 0;
};

// What ended the copy early, to be told once the pointer is normal again.
struct Failure {
  QString text;
};

QString megabytes(qint64 bytes) { return QString::number(bytes / 1048576); }

std::optional<Failure> failureOf(const platform::CopyResult& result, const QString& relative,
                                 const QString& destination) {
  const QString reason = platform::systemReason(result.error);
  switch (result.outcome) {
    case platform::CopyOutcome::Copied:
    case platform::CopyOutcome::Stopped:
      return std::nullopt;
    case platform::CopyOutcome::SourceFailed:
      return Failure{relative + u' ' + reason};
    case platform::CopyOutcome::SameFile:
      break;
    case platform::CopyOutcome::TargetFailed:
      return Failure{QStringLiteral("\"%1\" cannot be copied to \"%2\": %3.\r\nThe files copied before it stay there.")
                         .arg(relative, destination, reason)};
  }
  return Failure{QStringLiteral("\"%1\" would be copied onto itself, which would destroy it; nothing was copied.")
                     .arg(destination)};
}

// The copy proper, between the busy pointer going on and off.
std::optional<Failure> copyAll(catalogue::WindowContext& w, const QString& target, const QList<Job>& jobs,
                               const std::function<void()>& stopHandler, bool& stopped) {
  // Nothing is written when any file would land on itself (a target of "/", or one that
  // leads back into the source tree through a link).
  for (const Job& job : jobs)
    if (platform::sameFile(job.path, target + relativePath(job.path)))
      return failureOf({platform::CopyOutcome::SameFile, 0}, QString(), target + relativePath(job.path));

  qint64 total = 0;
  for (const Job& job : jobs) total += job.size;
  w.run.stopflag = false;
  catalogue::showProgress(w.form, QStringLiteral("Copying files"));
  qint64 done = 0;
  std::optional<Failure> failure;
  for (qsizetype i = 0; i < jobs.size() && !failure && !stopped; ++i) {
    w.pump.pump();
    if (w.run.stopflag) {
      stopped = true;
      break;
    }
    const QString relative = relativePath(jobs[i].path);
    const QString destination = target + relative;
    const QString folder = target + relative.left(relative.lastIndexOf(u'/') + 1);
    if (!FolderExists(folder)) MakeDir(folder);
    // The counts have a line of their own, so that no path can push them out of sight.
    const auto progress = [&](qint64 copied) {
      w.form(QStringLiteral("lblcurrent")).text = QStringLiteral("Copying %1\n(file %2 of %3, %4 of %5 MB)")
                                                      .arg(relative)
                                                      .arg(i + 1)
                                                      .arg(jobs.size())
                                                      .arg(megabytes(done + copied), megabytes(total));
      w.pump.pump();
      return !w.run.stopflag;
    };
    progress(0);
    const platform::CopyResult result = platform::copyFile(jobs[i].path, destination, progress);
    stopped = result.outcome == platform::CopyOutcome::Stopped;
    failure = failureOf(result, relative, destination);
    done += jobs[i].size;
  }
  catalogue::endProgress(w.form, stopHandler);
  return failure;
}

}  // namespace

bool MakeDir(const QString& path) {
  // The piece before a leading "/" is empty: the root, which is there already.
  const QStringList pieces = path.split(u'/');
  QString built;
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) built += u'/';
    built += pieces[i];
    if (!pieces[i].isEmpty()) ::mkdir(platform::encodeFileName(built).constData(), 0777);
  }
  return FolderExists(path);
}

bool FolderExists(const QString& path) {
  struct stat st {};
  return path.size() > 1 && ::stat(platform::encodeFileName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString relativePath(const QString& fullPath) { return fullPath.startsWith(u'/') ? fullPath.mid(1) : fullPath; }

void copyToFolder(catalogue::WindowContext& w, QString& target, const CopyServices& services) {
  std::optional<Failure> failure;
  bool stopped = false;
  {
    const platform::BusyPointer busy(services.busy);
    if (target.isEmpty()) return;
    if (!target.endsWith(u'/')) target += u'/';
    // The list as it is now: checks changed while the copy runs do not count.
    QList<Job> jobs;
    const catalogue::FileList& lower = w.catalogue.lstsec();
    for (int row = 0; row < lower.count(); ++row)
      if (lower.at(row).checked) jobs.append({lower.at(row).text, lower.at(row).size});
    failure = copyAll(w, target, jobs, services.stopHandler, stopped);
  }
  if (failure) return services.messages.show(title, failure->text, platform::MessageIcon::Exclamation);
  if (!stopped && services.playSound) services.sound.play(services.soundFile);
}

}  // namespace output
