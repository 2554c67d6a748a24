// Select benchmark: every command of the Select menu on an upper list of 100,000 rows with
// 1,000 highlighted rows, timed through the main window state with the window's own event
// pump. Prints one line per command: its menu index, caption and milliseconds.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "BenchServices.h"
#include "catalogue/Selection.h"

namespace {

constexpr int rows = 100000;
constexpr int highlightedRows = 1000;

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  platform::StderrMessages messages;
  bench::BenchServices desktop;
  shell::MainForm window(desktop.services(messages));

  // 1,000 folders of 100 files each, 50 extensions; no file exists, the sizes are given.
  for (int i = 0; i < rows; ++i)
    window.catalogue().addfile(QStringLiteral("/bench/folder%1/file%2.ext%3").arg(i / 100).arg(i).arg(i % 50),
                               qint64(i) * 7919 % 1000003);
  QList<int> highlighted;
  for (int i = 0; i < highlightedRows; ++i) highlighted.append(i * (rows / highlightedRows) + i % 37);

  const std::pair<int, const char*> commands[] = {
      {catalogue::SelectAll, "Select All"},         {catalogue::SelectNone, "Select None"},
      {catalogue::InvertSelection, "Invert Selection"}, {catalogue::AllOfThisType, "All of this type"},
      {catalogue::NoneOfThisType, "None of this type"}, {catalogue::AllInThisPath, "All in this path"},
      {catalogue::NoneInThisPath, "None in this path"}, {catalogue::SmallerThanThis, "Smaller than this"},
      {catalogue::BiggerThanThis, "Bigger than this"}};
  std::printf("%-6s %-20s %10s   (%d rows, %d highlighted)\n", "item", "command", "ms", rows, highlightedRows);
  for (const auto& [item, caption] : commands) {
    const auto start = std::chrono::steady_clock::now();
    window.mnuselitem_Click(item, highlighted);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%-6d %-20s %10.1f\n", item, caption, took.count());
  }
  return 0;
}
