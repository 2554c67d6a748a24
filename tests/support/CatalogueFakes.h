// The commands of the catalogue without a window: a command context over fresh lists, a
// progress view and a gathering view that record what they are told, over a temporary tree.
#pragma once

#include <QStringList>

#include "catalogue/CommandContext.h"
#include "catalogue/Gathering.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

namespace testing_support {

// One field of every row, in row order.
template <class Field>
QList<Field> fields(const catalogue::FileList& rows, Field catalogue::FileEntry::*field) {
  QList<Field> out;
  for (int row = 0; row < rows.count(); ++row) out.append(rows.at(row).*field);
  return out;
}

class RecordingProgress final : public catalogue::ProgressView {
 public:
  void begin(const QString& activity) override { shown = activity; }
  void status(const QString& text) override { shown = text; }
  void end() override { shown.clear(), ++ends; }
  QString shown;  // the status while progress shows, empty otherwise
  int ends = 0;
};

// Holds what the window would show; the requests are made from it.
class RecordingGatheringView final : public catalogue::GatheringView {
 public:
  void setBusy(bool b) override { busy = b; }
  void clearPartCount() override { partsCleared = true; }
  void followLists() override { following = true; }
  void offerSearch() override { searchOffered = true; }
  void showFolder(const QString& text) override { folder = text; }
  void showFolderHistory(const QStringList& h) override { history = h; }
  bool busy = false, partsCleared = false, following = false, searchOffered = false;
  QString folder;
  QStringList history;
};

struct CatalogueCommands {
  // The program's folder is `programFolder` in the tree, if given.
  explicit CatalogueCommands(const char* programFolder = nullptr)
      : gathering(context, view,
                  catalogue::GatheringServices{messages, picker, programFolder ? tree.path(programFolder) : QString()}) {}
  // The folder with the view's history, as the window would ask.
  void add(const QString& folder, bool recurse = false) { gathering.add(request(folder, recurse)); }
  void remove(const QString& folder, bool recurse = false) { gathering.remove(request(folder, recurse)); }
  catalogue::GatherRequest request(const QString& folder = {}, bool recurse = false) const {
    return {folder, recurse, QStringLiteral("*.*"), false, view.history};
  }
  // The upper rows as paths below the tree's root, in list order.
  QStringList rows() const {
    QStringList out = catalogue.lstmain().fullPaths(false);
    for (QString& path : out) path.remove(0, tree.root().size() + 1);
    return out;
  }

  TempTree tree;
  ScriptedPump pump;
  RecordingMessages messages;
  ScriptedPicker picker;
  TestValueStore registry;
  catalogue::Catalogue catalogue{registry};
  catalogue::RunState run;
  RecordingProgress progress;
  catalogue::CommandContext context{catalogue, run, pump, progress};
  RecordingGatheringView view;
  catalogue::Gathering gathering;
};

}  // namespace testing_support
