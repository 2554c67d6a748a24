// The gathering commands. Unlike the folder list they mimic, a folder that cannot be
// opened never lets the files of some earlier folder stand in for its own.
#include "catalogue/Gathering.h"

#include <QDir>
#include <QSet>
#include <utility>

#include "catalogue/FolderWalk.h"
#include "catalogue/Paths.h"
#include "catalogue/ProgramTitle.h"
#include "catalogue/ProgressFrame.h"
#include "catalogue/Wildcard.h"
#include "platform/FolderListing.h"

namespace catalogue {

namespace {

const QString programFolderWarning = QStringLiteral(
    "Add files from Application path reason set in CD/DVD in drive, change or set in CD/DVD and ''Ok'' continue");

}  // namespace

Gathering::Gathering(Form& form, Catalogue& catalogue, RunState& run, GatheringServices services)
    : form_(form), catalogue_(catalogue), run_(run), services_(std::move(services)) {}

QString Gathering::folderOf(const QString& typed) {
  QString path = typed;
  if (path == u'~' || path.startsWith(QStringLiteral("~/"))) path = QDir::homePath() + path.mid(1);
  if (path.isEmpty()) return path;
  return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

bool Gathering::exclusive() const {
  const Control* option = form_.find(QStringLiteral("optmain"), 1);
  return option && option->value != 0;
}

void Gathering::cntable(bool state) {
  for (const char* name : {"txtdir", "cmddir", "txtpattern", "txtlimit", "chkrecurse"})
    form_(QString::fromLatin1(name)).enabled = state;
  form_(QStringLiteral("optmain"), 0).enabled = state;
  form_(QStringLiteral("optmain"), 1).enabled = state;
  form_(QStringLiteral("cmdsave")).enabled = state;
  form_(QStringLiteral("cmdsearch")).enabled = state;
}

bool Gathering::addfolder(const QString& folder) {
  const QString current = folderOf(folder);
  if (current.isEmpty()) return false;
  const WildcardList listing(listingPattern_, WildcardList::Syntax::Listing);
  const auto files = platform::listFiles(
      current, [&listing](const QString& name) { return listing.matches(name); }, services_.pump);
  if (!files) return false;

  const bool excluding = exclusive();
  const WildcardList excluded(form_.text(QStringLiteral("txtpattern")), WildcardList::Syntax::Like);
  const bool inProgramFolder = !services_.programFolder.isEmpty() && current == services_.programFolder;
  for (const platform::ListedFile& file : *files) {
    const bool taken = !(excluding && excluded.matches(file.name));
    if (!run_.stopflag && taken) catalogue_.addfile(chkdir(current, file.name), file.size);
    if (inProgramFolder && !run_.warned) {
      services_.messages.show(programTitle, programFolderWarning, platform::MessageIcon::Information);
      run_.warned = true;
    }
    catalogue_.refreshUpperSummary();
    services_.pump.pump();
  }
  catalogue_.refreshicons(FileList::Kind::Upper, services_.icons, services_.pump);
  return true;
}

void Gathering::Recurse(const QString& folder) {
  const QString top = folderOf(folder);
  if (run_.stopflag || top.isEmpty() || !platform::isFolder(top)) return;
  const SubfolderReader read = [this](const QString& path) { return platform::listSubfolders(path, services_.pump); };
  walkFolders(top, read, services_.pump, run_, lsttri_, skipped_);
}

int getitem(const QString& Name, const QStringList& combo) {
  for (qsizetype at = combo.size() - 1; at >= 0; --at)
    if (combo[at].compare(Name, Qt::CaseInsensitive) == 0) return int(at);
  return -1;
}

void Gathering::rememberFolder(const QString& typed) {
  if (typed.isEmpty()) return;
  QStringList& history = form_(QStringLiteral("txtdir")).items;
  if (getitem(typed, history) >= 0) return;
  history.append(typed);
  while (history.size() > historyLength) history.removeFirst();
}

void Gathering::forgetFolder(const QString& typed) {
  QStringList& history = form_(QStringLiteral("txtdir")).items;
  if (const int at = getitem(typed, history); at >= 0) history.removeAt(at);
}

void Gathering::tellCannotOpen(const QString& typed) {
  const QString text = typed.isEmpty()
                           ? QStringLiteral("No folder is named in the folder box, so no files were added.")
                           : QStringLiteral("The folder \"%1\" cannot be opened, so no files were added from it.").arg(typed);
  services_.messages.show(programTitle, text, platform::MessageIcon::Exclamation);
}

void Gathering::tellSkipped() {
  if (!skipped_.isEmpty()) services_.messages.show(programTitle, skipped_.message(), platform::MessageIcon::Exclamation);
}

void Gathering::cmdadd_Click() {
  run_.warned = false;
  run_.partcount = 0;
  form_(QStringLiteral("lblCountCDTotal")).text.clear();
  catalogue_.resetTotal();
  skipped_.clear();
  cntable(false);
  form_(QStringLiteral("cmdload")).enabled = false;
  form_(QStringLiteral("Timer")).enabled = true;  // the commands follow the lists from now on
  catalogue_.clearUpper();
  catalogue_.refreshUpperSummary();
  listingPattern_ = exclusive() ? QStringLiteral("*.*") : form_.text(QStringLiteral("txtpattern"));
  run_.stopflag = false;

  const QString typed = form_.text(QStringLiteral("txtdir"));
  rememberFolder(typed);
  const bool opened = addfolder(typed);
  if (!opened) tellCannotOpen(typed);

  const Control* recurse = form_.find(QStringLiteral("chkrecurse"));
  if (opened && recurse && recurse->value == 1) {
    lsttri_.clear();
    showProgress(form_, QStringLiteral("Adding directories"));
    Recurse(typed);
    for (const QString& folder : std::as_const(lsttri_))
      if (!run_.stopflag && !addfolder(folder)) skipped_.note(folder);
    endProgress(form_, services_.stopHandler);
  }
  catalogue_.resort(FileList::Kind::Upper);
  cntable(true);
  form_(QStringLiteral("cmdload")).enabled = true;
  tellSkipped();
}

void Gathering::addpath(const QString& path, bool recurse) {
  form_(QStringLiteral("txtdir")).text = UnPath(path);
  form_(QStringLiteral("chkrecurse")).value = recurse ? 1 : 0;
  cmdadd_Click();
}

void Gathering::cmddel_Click() {
  const QString typed = form_.text(QStringLiteral("txtdir"));
  forgetFolder(typed);
  showProgress(form_, QStringLiteral("Removing directories"));

  const QString folder = folderOf(typed);
  const Control* recurse = form_.find(QStringLiteral("chkrecurse"));
  int removed = 0;
  if (folder.isEmpty()) {
    // nothing named, nothing removed
  } else if (recurse && recurse->value == 1) {
    // Everything below the folder, whatever its own listing shows; a sibling whose name
    // merely begins with the same text ("Music" and "Musicals") is not below it.
    const QString below = folder.endsWith(u'/') ? folder : folder + u'/';
    removed = catalogue_.removeUpperIf([&below](const FileEntry& e) {
      const QString& f = e.folder;
      return f.startsWith(below) || f == below.chopped(1) || (f.isEmpty() && below == QStringLiteral("/"));
    });
  } else {
    // The files the folder lists right now.
    const WildcardList listing(listingPattern_, WildcardList::Syntax::Listing);
    const auto files = platform::listFiles(
        folder, [&listing](const QString& name) { return listing.matches(name); }, services_.pump);
    if (files && !files->empty()) {
      QSet<QString> names;
      names.reserve(qsizetype(files->size()));
      for (const platform::ListedFile& file : *files) names.insert(file.name);
      removed = catalogue_.removeUpperIf([&](const FileEntry& e) {
        return names.contains(e.text) && isJoinedPath(chkdir(folder, e.text), e.folder, e.text);
      });
    }
  }
  if (removed > 0) form_(QStringLiteral("txtdir")).text.clear();
  endProgress(form_, services_.stopHandler);
  catalogue_.refreshicons(FileList::Kind::Upper, services_.icons, services_.pump);
}

void Gathering::cmddir_Click() {
  Control& box = form_(QStringLiteral("txtdir"));
  if (box.text.isEmpty()) box.text = QStringLiteral("/");
  QString chosen = services_.picker.browseForFolder(QStringLiteral("Select an Image Folder"), box.text);
  if (chosen.isEmpty()) return;
  if (!chosen.endsWith(u'/')) chosen += u'/';
  form_(QStringLiteral("txtdir")).text = chosen;
}

void Gathering::dropOnFolderBox(const QStringList& paths) {
  run_.warned = false;
  run_.stopflag = false;
  form_(QStringLiteral("Timer")).enabled = true;
  for (const QString& path : paths) {
    if (!platform::isFolder(path)) continue;  // dropped files are ignored
    if (!addfolder(path)) tellCannotOpen(path);
  }
  catalogue_.resort(FileList::Kind::Upper);
}

void Gathering::dropOnUpperList(const QStringList& paths) {
  run_.warned = false;
  run_.stopflag = false;
  run_.partcount = 0;
  form_(QStringLiteral("lblCountCDTotal")).text.clear();
  for (const QString& path : paths) {
    if (platform::isFolder(path)) {
      if (!addfolder(path)) tellCannotOpen(path);
    } else {
      catalogue_.addfile(path);
    }
  }
  catalogue_.resort(FileList::Kind::Upper);
  catalogue_.refreshicons(FileList::Kind::Upper, services_.icons, services_.pump);
  form_(QStringLiteral("cmdsearch")).enabled = true;
  form_(QStringLiteral("Timer")).enabled = true;
}

}  // namespace catalogue
