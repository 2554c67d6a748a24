// The main window: the generic binding makes its widgets from the window's records, and
// its event table sends what the user does to the handlers of the window state.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/ThemeIconProvider.h"
#include "shell/MainForm.h"
#include "windows/FormBinding.h"

namespace windows {

class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(shell::MainForm& state, const platform::ThemeIconProvider* icons, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Writes the records and lists that changed into the widgets.
  void syncFromState();
  // The same while a command runs: a list's columns are fitted at most every fitPauseMs,
  // a fit asked for in between waits for a later call.
  void followState();
  static constexpr int fitPauseMs = 500;
  // The widget of a control, or nullptr.
  QWidget* control(catalogue::ControlId id, int index = -1) const { return binding_->widget(id, index); }
  // What the About and instructions windows apply to their records when they load.
  void setSecondaryLanguage(std::function<void(catalogue::Form&)> apply) { secondaryLanguage_ = std::move(apply); }
  // Shown, the window stands where a screen shows it.
  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::vector<EventRoute> events();
  // Runs a handler of the state, then shows what it changed.
  void run(const std::function<void()>& handler);
  void sortBy(catalogue::ControlId list, catalogue::FileList::Kind kind, int column);
  void openRow(catalogue::ControlId list, int row);
  // The rows the list view `list` shows.
  const catalogue::FileList& rowsOf(catalogue::ControlId list) const;
  void fitColumns(const QString& list);
  // Writes the state into the widgets; the lists waiting for a fit are fitted when forced
  // or once the pause since the last fit is over.
  void sync(bool forceFit);
  // The window's size into its record, and the layout that follows from it.
  void layOut();

  shell::MainForm& state_;
  FormBinding* binding_;  // a child of this window, deleted first when it closes
  QTimer refresh_;
  // Fitting measures hundreds of cells per column: a gathering asks for it after every
  // folder, far more often than anyone can see the columns change.
  QSet<QString> unfitted_;
  QElapsedTimer sinceFit_;
  std::function<void(catalogue::Form&)> secondaryLanguage_;
};

}  // namespace windows
