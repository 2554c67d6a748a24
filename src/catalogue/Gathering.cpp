// The gathering commands. Unlike the folder list they mimic, a folder that cannot be
// opened never lets the files of some earlier folder stand in for its own.
#include "catalogue/Gathering.h"

#include <QDir>
#include <QSet>
#include <optional>
#include <utility>
#include <vector>

#include "catalogue/FolderWalk.h"
#include "catalogue/Paths.h"
#include "catalogue/ProgramTitle.h"
#include "catalogue/Wildcard.h"
#include "platform/FolderListing.h"
#include "platform/MessageTexts.h"

namespace catalogue {

namespace {

}  // namespace

Gathering::Gathering(const CommandContext& context, GatheringView& view, GatheringServices services)
    : context_(context), view_(view), services_(std::move(services)) {}

QString Gathering::folderOf(const QString& typed) {
  QString path = typed;
  if (path == u'~' || path.startsWith(QStringLiteral("~/"))) path = QDir::homePath() + path.mid(1);
  if (path.isEmpty()) return path;
  return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

std::optional<platform::FolderContents> Gathering::readFolder(const QString& folder, bool withSubfolders) {
  const WildcardList listing(listingPattern_, WildcardList::Syntax::Listing);
  const auto accept = [&listing](const QString& name) { return listing.matches(name); };
  if (withSubfolders) return platform::listFolder(folder, accept, context_.pump);
  std::optional<std::vector<platform::ListedFile>> files = platform::listFiles(folder, accept, context_.pump);
  if (!files) return std::nullopt;
  return platform::FolderContents{std::move(*files), {}, {}};
}

void Gathering::addFiles(const QString& folder, const std::vector<platform::ListedFile>& files,
                         const GatherRequest& request) {
  const WildcardList excluded(request.pattern, WildcardList::Syntax::Like);
  const bool inProgramFolder = !services_.programFolder.isEmpty() && folder == services_.programFolder;
  RunState& run = context_.run;
  Catalogue& catalogue = context_.catalogue;
  catalogue.beginListing(folder);
  for (const platform::ListedFile& file : files) {
    const bool taken = !(request.exclusive && excluded.matches(file.name));
    if (!run.stopflag && taken) catalogue.addfile(folder, file.name, file.size);
    if (inProgramFolder && !run.warned) {
      services_.messages.show(programTitle, platform::text(platform::Msg::ProgramFolderWarning),
                              platform::MessageIcon::Information);
      run.warned = true;
    }
    catalogue.refreshUpperSummary();
    context_.pump.pump();
  }
  catalogue.refreshicons(FileList::Kind::Upper, context_.icons, context_.pump);
}

bool Gathering::addfolder(const QString& folder, const GatherRequest& request) {
  const QString current = folderOf(folder);
  if (current.isEmpty()) return false;
  const std::optional<platform::FolderContents> contents = readFolder(current, false);
  if (!contents) return false;
  addFiles(current, contents->files, request);
  return true;
}

void Gathering::Recurse(const QString& top, platform::FolderContents topContents, const GatherRequest& request) {
  if (context_.run.stopflag) return;
  const FolderReader read = [this](const QString& path) { return readFolder(path, true); };
  const FolderVisit visit = [&](const QString& path, const std::vector<platform::ListedFile>& files) {
    addFiles(path, files, request);
  };
  walkFolders(top, std::move(topContents), read, visit, context_.pump, context_.run, skipped_);
}

int getitem(const QString& Name, const QStringList& combo) {
  for (qsizetype at = combo.size() - 1; at >= 0; --at)
    if (combo[at].compare(Name, Qt::CaseInsensitive) == 0) return int(at);
  return -1;
}

void Gathering::tellCannotOpen(const QString& typed) {
  const QString text = typed.isEmpty() ? platform::text(platform::Msg::NoFolderNamed)
                                       : platform::text(platform::Msg::FolderCannotOpen).arg(typed);
  services_.messages.show(programTitle, text, platform::MessageIcon::Exclamation);
}

void Gathering::tellSkipped() {
  if (!skipped_.isEmpty()) services_.messages.show(programTitle, skipped_.message(), platform::MessageIcon::Exclamation);
}

void Gathering::add(const GatherRequest& request) {
  Catalogue& catalogue = context_.catalogue;
  RunState& run = context_.run;
  run.warned = false;
  run.partcount = 0;
  view_.clearPartCount();
  catalogue.resetTotal();
  skipped_.clear();
  view_.setBusy(true);
  view_.followLists();
  catalogue.clearUpper();
  catalogue.refreshUpperSummary();
  listingPattern_ = request.exclusive ? QStringLiteral("*.*") : request.pattern;
  run.stopflag = false;

  const QString& typed = request.folder;
  if (!typed.isEmpty() && getitem(typed, request.history) < 0) {
    QStringList history = request.history;
    history.append(typed);
    while (history.size() > historyLength) history.removeFirst();
    view_.showFolderHistory(history);
  }
  // The walk starts from this reading of the folder, so the folder is read once.
  const QString top = folderOf(typed);
  std::optional<platform::FolderContents> contents =
      top.isEmpty() ? std::nullopt : readFolder(top, request.recurse);
  if (contents)
    addFiles(top, contents->files, request);
  else
    tellCannotOpen(typed);

  if (contents && request.recurse) {
    context_.progress.begin(platform::text(platform::Msg::AddingFolders));
    Recurse(top, std::move(*contents), request);
    context_.progress.end();
  }
  catalogue.resort(FileList::Kind::Upper);
  view_.setBusy(false);
  tellSkipped();
}

void Gathering::remove(const GatherRequest& request) {
  const QString& typed = request.folder;
  if (const int at = getitem(typed, request.history); at >= 0) {
    QStringList history = request.history;
    history.removeAt(at);
    view_.showFolderHistory(history);
  }
  context_.progress.begin(platform::text(platform::Msg::RemovingFolders));

  const QString folder = folderOf(typed);
  Catalogue& catalogue = context_.catalogue;
  int removed = 0;
  if (folder.isEmpty()) {
    // nothing named, nothing removed
  } else if (request.recurse) {
    // Everything below the folder, whatever its own listing shows; a sibling whose name
    // merely begins with the same text ("Music" and "Musicals") is not below it.
    const QString below = folder.endsWith(u'/') ? folder : folder + u'/';
    removed = catalogue.removeUpperIf([&below](const FileEntry& e) {
      const QString& f = e.folder.text();
      return f.startsWith(below) || f == below.chopped(1) || (f.isEmpty() && below == QStringLiteral("/"));
    });
  } else {
    // The files the folder lists right now.
    const WildcardList listing(listingPattern_, WildcardList::Syntax::Listing);
    const auto files = platform::listFiles(
        folder, [&listing](const QString& name) { return listing.matches(name); }, context_.pump);
    if (files && !files->empty()) {
      QSet<QString> names;
      names.reserve(qsizetype(files->size()));
      for (const platform::ListedFile& file : *files) names.insert(file.name);
      removed = catalogue.removeUpperIf([&](const FileEntry& e) {
        return names.contains(e.text) && isJoinedPath(chkdir(folder, e.text), e.folder.text(), e.text);
      });
    }
  }
  if (removed > 0) view_.showFolder(QString());
  context_.progress.end();
  catalogue.refreshicons(FileList::Kind::Upper, context_.icons, context_.pump);
}

void Gathering::browse(const QString& typed) {
  const QString start = typed.isEmpty() ? QStringLiteral("/") : typed;
  if (typed.isEmpty()) view_.showFolder(start);
  QString chosen = services_.picker.browseForFolder(platform::text(platform::Msg::SelectImageFolder), start);
  if (chosen.isEmpty()) return;
  if (!chosen.endsWith(u'/')) chosen += u'/';
  view_.showFolder(chosen);
}

void Gathering::dropOnFolderBox(const QStringList& paths, const GatherRequest& request) {
  context_.run.warned = false;
  context_.run.stopflag = false;
  view_.followLists();
  for (const QString& path : paths) {
    if (!platform::isFolder(path)) continue;  // dropped files are ignored
    if (!addfolder(path, request)) tellCannotOpen(path);
  }
  context_.catalogue.resort(FileList::Kind::Upper);
}

void Gathering::dropOnUpperList(const QStringList& paths, const GatherRequest& request) {
  RunState& run = context_.run;
  run.warned = false;
  run.stopflag = false;
  run.partcount = 0;
  view_.clearPartCount();
  for (const QString& path : paths) {
    if (platform::isFolder(path)) {
      if (!addfolder(path, request)) tellCannotOpen(path);
    } else {
      context_.catalogue.addfile(path);
    }
  }
  context_.catalogue.resort(FileList::Kind::Upper);
  context_.catalogue.refreshicons(FileList::Kind::Upper, context_.icons, context_.pump);
  view_.offerSearch();
  view_.followLists();
}

}  // namespace catalogue
