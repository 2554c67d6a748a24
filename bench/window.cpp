// Window benchmark: a sort by a header click, a Search and Select All on an upper list of
// a million rows (or the count given), then a sort by every column both ways, each timed
// through the main window from the click until the window has handled every event it
// caused. Prints one line per action with its milliseconds.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchServices.h"
#include "shell/MainFormControls.h"
#include "windows/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
  platform::StderrMessages messages;
  bench::BenchServices desktop;
  shell::MainForm state(desktop.services(messages));
  windows::MainWindow window(state, nullptr);
  desktop.pump.setBeforeEvents([&window] { window.followState(); });

  // 10,000 folders of 100 files each, 50 extensions; no file exists, the sizes are given.
  for (int i = 0; i < rows; ++i)
    state.catalogue().addfile(QStringLiteral("/bench/folder%1/file%2.ext%3").arg(i / 100).arg(i).arg(i % 50),
                              qint64(i) * 7919 % 1000003);
  state.catalogue().refreshicons(catalogue::FileList::Kind::Upper, nullptr, desktop.pump);  // asks for the fit
  namespace mf = shell::mainform;
  state.form()(mf::cmdsearch).enabled = true;  // as a gathering leaves it
  window.syncFromState();
  window.show();
  QApplication::processEvents();

  auto* upper = static_cast<QTableView*>(window.control(mf::lstmain));
  auto* search = static_cast<QAbstractButton*>(window.control(mf::cmdsearch));
  auto* selectAll = window.findChild<QAction*>(QString::fromLatin1(mf::mnuselitem.name) + QLatin1Char('0'));
  if (!upper || !search || !selectAll) {
    std::fprintf(stderr, "window.cpp: a control is missing\n");
    return 2;
  }
  const auto sortBy = [upper](int column) {
    return [upper, column] { Q_EMIT upper->horizontalHeader()->sectionClicked(column); };
  };
  std::vector<std::pair<QByteArray, std::function<void()>>> actions = {
      {"sort column 2", sortBy(2)},
      {"sort column 0", sortBy(0)},
      {"search", [&] { search->click(); }},
      {"select all", [&] { selectAll->trigger(); }},
  };
  // A second click on a column reverses its order, so each column is timed both ways.
  for (int column = 0; column < upper->model()->columnCount(); ++column)
    for (const char* way : {"", " again"})
      actions.emplace_back("sort column " + QByteArray::number(column) + way, sortBy(column));
  std::printf("%-20s %10s   (%d rows)\n", "action", "ms", rows);
  for (const auto& [caption, act] : actions) {
    const auto start = std::chrono::steady_clock::now();
    act();
    QApplication::processEvents();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%-20s %10.1f\n", caption.constData(), took.count());
  }
  return 0;
}
