// What the gathering commands show while and after they work, as typed calls that the
// shell maps to the window's records.
#pragma once

#include <QString>
#include <QStringList>

namespace catalogue {

class GatheringView {
 public:
  virtual ~GatheringView() = default;
  // While files are gathered, the choices that steer the gathering and the commands that
  // would read a half-filled list (Save, Search, Load) are unavailable.
  virtual void setBusy(bool busy) = 0;
  // The parts counted by the last search no longer stand.
  virtual void clearPartCount() = 0;
  // The availability of the commands follows the lists from now on.
  virtual void followLists() = 0;
  // Search is offered at once (files were dropped on the list).
  virtual void offerSearch() = 0;
  // What the folder box shows, and its list of earlier folders (the latest last).
  virtual void showFolder(const QString& text) = 0;
  virtual void showFolderHistory(const QStringList& history) = 0;
};

}  // namespace catalogue
