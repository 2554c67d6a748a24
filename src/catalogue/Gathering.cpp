// The gathering commands. Unlike the folder list they mimic, a folder that cannot be
// opened never lets the files of some earlier folder stand in for its own.
#include "catalogue/Gathering.h"

#include <QDir>
#include <QSet>
#include <utility>

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

bool Gathering::addfolder(const QString& folder, const GatherRequest& request) {
  const QString current = folderOf(folder);
  if (current.isEmpty()) return false;
  const WildcardList listing(listingPattern_, WildcardList::Syntax::Listing);
  const auto files = platform::listFiles(
      current, [&listing](const QString& name) { return listing.matches(name); }, context_.pump);
  if (!files) return false;

  const WildcardList excluded(request.pattern, WildcardList::Syntax::Like);
  const bool inProgramFolder = !services_.programFolder.isEmpty() && current == services_.programFolder;
  RunState& run = context_.run;
  for (const platform::ListedFile& file : *files) {
    const bool taken = !(request.exclusive && excluded.matches(file.name));
    if (!run.stopflag && taken) context_.catalogue.addfile(current, file.name, file.size);
    if (inProgramFolder && !run.warned) {
      services_.messages.show(programTitle, platform::text(platform::Msg::ProgramFolderWarning),
                              platform::MessageIcon::Information);
      run.warned = true;
    }
    context_.catalogue.refreshUpperSummary();
    context_.pump.pump();
  }
  context_.catalogue.refreshicons(FileList::Kind::Upper, context_.icons, context_.pump);
  return true;
}

void Gathering::Recurse(const QString& folder) {
  const QString top = folderOf(folder);
  if (context_.run.stopflag || top.isEmpty() || !platform::isFolder(top)) return;
  const SubfolderReader read = [this](const QString& path) { return platform::listSubfolders(path, context_.pump); };
  walkFolders(top, read, context_.pump, context_.run, lsttri_, skipped_);
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
  const bool opened = addfolder(typed, request);
  if (!opened) tellCannotOpen(typed);

  if (opened && request.recurse) {
    lsttri_.clear();
    context_.progress.begin(platform::text(platform::Msg::AddingFolders));
    Recurse(typed);
    for (const QString& folder : std::as_const(lsttri_))
      if (!run.stopflag && !addfolder(folder, request)) skipped_.note(folder);
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
