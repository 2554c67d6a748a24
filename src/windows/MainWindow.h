// The main window: widgets named after the controls they show, kept in step with the
// window state, and user actions forwarded to the handlers.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "platform/ThemeIconProvider.h"
#include "shell/MainForm.h"

class QHBoxLayout;
class QTableView;

namespace windows {

class FileListModel;

class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(shell::MainForm& state, const platform::ThemeIconProvider* icons, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Writes the state's records and lists into the widgets (cheap when nothing changed).
  void syncFromState();
  // The widget of a control, or nullptr.
  QWidget* control(const QString& name, int index = -1) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildWidgets();
  void bindInput();
  void placeWidgets();
  template <class W>
  W* make(const QString& name, int index = -1);
  void run(const std::function<void()>& handler);
  void fitColumns(QTableView* view);
  void syncControl(const catalogue::Control& control, QWidget* widget);
  void bindLists();
  void showSelectMenu(const QPoint& at);
  void showDeleteMenu(const QPoint& at);
  void openRow(QTableView* view, const QModelIndex& index);
  void showSortIndicator(QTableView* view, catalogue::FileList::Kind kind);
  // Makes the buttons of drive records that have no widget yet.
  void makeDriveButtons();

  shell::MainForm& state_;
  const platform::ThemeIconProvider* icons_;
  QHash<QString, QWidget*> widgets_;
  FileListModel* upperModel_ = nullptr;
  FileListModel* lowerModel_ = nullptr;
  QTableView* upperView_ = nullptr;
  QTableView* lowerView_ = nullptr;
  QTimer refresh_;
  QHBoxLayout* driveRow_ = nullptr;
  quint64 formSeen_ = ~quint64(0);
  bool syncing_ = false;
};

}  // namespace windows
