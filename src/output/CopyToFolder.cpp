// On this system the "drive" of a path is its root "/": the relative path drops that one
// character, the first level MakeDir starts from is the root, and FolderExists counts the
// bare root as no folder, as it did a bare drive. The folder part of every entry is
// created, however short, and a file that cannot be copied ends the copy with a message,
// so the copy never starts over and never loops. The target itself is reached by its path,
// as the user named it; below it every level is opened by handle, never through a link.
#include "output/CopyToFolder.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <optional>

#include "platform/CopyFile.h"
#include "platform/FileNames.h"
#include "platform/FileWrite.h"
#include "platform/FolderBelow.h"
#include "platform/LongPaths.h"
#include "platform/MessageTexts.h"

namespace output {

namespace {

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
  const bool notAFile = result.outcome == platform::CopyOutcome::SourceNotAFile ||
                        result.outcome == platform::CopyOutcome::TargetNotAFile;
  const QString reason =
      notAFile ? platform::text(platform::Msg::NotRegularFile) : platform::systemReason(result.error);
  switch (result.outcome) {
    case platform::CopyOutcome::Copied:
    case platform::CopyOutcome::Stopped:
      return std::nullopt;
    case platform::CopyOutcome::SourceFailed:
    case platform::CopyOutcome::SourceNotAFile:
      return Failure{relative + u' ' + reason};
    case platform::CopyOutcome::SameFile:
      break;
    case platform::CopyOutcome::TargetFailed:
    case platform::CopyOutcome::TargetNotAFile:
      return Failure{platform::text(platform::Msg::CannotCopy).arg(relative, destination, reason)};
  }
  return Failure{platform::text(platform::Msg::CopyOntoItself).arg(destination)};
}

// The target folder, made when it is missing. `error` gets the reason it cannot be opened:
// that of the level that could not be made, else that of the open.
platform::FileHandle openTarget(const QString& target, int& error) {
  int unmade = 0;
  if (!FolderExists(target)) MakeDir(target, &unmade);
  platform::FileHandle top =
      platform::openAnyLength(platform::encodeFileName(target), O_PATH | O_DIRECTORY | O_CLOEXEC);
  error = unmade != 0 ? unmade : errno;
  return top;
}

// A folder made below the target stands for the source folder at the same levels below
// the root, and is no more open than that one (less the umask). Its owner, who stages
// into it, may always enter and write it; a source folder gone since gives a private one.
mode_t sourceFolderMode(const QByteArray& levels) {
  struct stat st {};
  if (!platform::statAnyLength('/' + levels, st)) return S_IRWXU;
  return (st.st_mode & 0777) | S_IRWXU;
}

Failure escapeFailure(const QString& level) { return Failure{platform::text(platform::Msg::CopyEscapes).arg(level)}; }

// The copy proper, between the busy pointer going on and off.
std::optional<Failure> copyAll(catalogue::CommandContext& w, const QString& target, const QList<Job>& jobs,
                               bool& stopped) {
  // Nothing is written when any file would land on itself (a target of "/", or one that
  // leads back into the source tree through a link).
  for (const Job& job : jobs)
    if (platform::sameFile(job.path, target + relativePath(job.path)))
      return failureOf({platform::CopyOutcome::SameFile, 0}, QString(), target + relativePath(job.path));

  qint64 total = 0;
  for (const Job& job : jobs) total += job.size;
  w.run.stopflag = false;
  w.progress.begin(platform::text(platform::Msg::CopyingFiles));
  qint64 done = 0;
  std::optional<Failure> failure;
  platform::FileHandle top;  // the target, once the first file is due
  for (qsizetype i = 0; i < jobs.size() && !failure && !stopped; ++i) {
    w.pump.pump();
    if (w.run.stopflag) {
      stopped = true;
      break;
    }
    const QString relative = relativePath(jobs[i].path);
    const QString destination = target + relative;
    int error = 0;
    if (!top.isOpen() && !(top = openTarget(target, error)).isOpen()) {
      failure = failureOf({platform::CopyOutcome::TargetFailed, error}, relative, destination);
      break;
    }
    const QByteArray levels = platform::encodeFileName(relative);
    const qsizetype slash = levels.lastIndexOf('/');
    const platform::FolderBelow below =
        platform::openFolderBelow(top.fd(), slash < 0 ? QByteArray() : levels.left(slash), sourceFolderMode);
    if (below.escapes) {
      failure = escapeFailure(target + platform::decodeFileName(below.levels));
      break;
    }
    if (!below.folder.isOpen()) {
      failure = failureOf({platform::CopyOutcome::TargetFailed, below.error}, relative, destination);
      break;
    }
    // The counts have a line of their own, so that no path can push them out of sight.
    const auto progress = [&](qint64 copied) {
      w.progress.status(platform::text(platform::Msg::CopyingFile)
                            .arg(relative)
                            .arg(i + 1)
                            .arg(jobs.size())
                            .arg(megabytes(done + copied), megabytes(total)));
      w.pump.pump();
      return !w.run.stopflag;
    };
    progress(0);
    const platform::CopyResult result =
        platform::copyFile(jobs[i].path, below.folder.fd(), levels.mid(slash + 1), progress);
    stopped = result.outcome == platform::CopyOutcome::Stopped;
    failure = failureOf(result, relative, destination);
    done += jobs[i].size;
  }
  w.progress.end();
  return failure;
}

}  // namespace

bool MakeDir(const QString& path, int* failure) {
  // The piece before a leading "/" is empty: the root, which is there already.
  const QStringList pieces = path.split(u'/');
  QString built;
  int error = 0;
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) built += u'/';
    built += pieces[i];
    if (!pieces[i].isEmpty() && ::mkdir(platform::encodeFileName(built).constData(), 0777) != 0 && errno != EEXIST)
      error = errno;
  }
  if (failure) *failure = error;
  return FolderExists(path);
}

bool FolderExists(const QString& path) {
  struct stat st {};
  return path.size() > 1 && ::stat(platform::encodeFileName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString relativePath(const QString& fullPath) { return fullPath.startsWith(u'/') ? fullPath.mid(1) : fullPath; }

void copyToFolder(catalogue::CommandContext& w, QString& target, const CopyServices& services) {
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
    failure = copyAll(w, target, jobs, stopped);
  }
  if (failure)
    return services.messages.show(platform::text(platform::Msg::CopyTitle), failure->text,
                                  platform::MessageIcon::Exclamation);
  if (!stopped && services.playSound) services.sound.play(services.soundFile);
}

}  // namespace output
