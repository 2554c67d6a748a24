// The command line against random token sequences: switch names, numbers of every shape
// and odd paths, run through the start-up of the headless state. No sequence may end the
// program, and the window must still show what it used.
#include <gtest/gtest.h>

#include <QDir>
#include <QScopeGuard>
#include <random>

#include "catalogue/Numbers.h"
#include "catalogue/Utilization.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TempTree;

// Everything the window reaches lies in the test's tree: relative names are taken from
// the tree's root, and drive button 0 names a folder in it instead of /media/cdrom.
class CommandLineFuzz : public ::testing::Test, protected testing_support::TestServices {
 protected:
  CommandLineFuzz() {
    for (const char* file : {"in/a.bin", "in/b.txt", "in/sub/c.bin", "disc/d.bin"}) tree.file(file, 300 * 1024);
    tree.file("in/big.bin", 3 * catalogue::MB);
    tree.folder("out");
  }

  QStringList tokens() const {
    const QStringList switches = {"/path", "/recurse", "/include", "/exclude", "/limit", "/batch", "/scancd",
                                  "/dumb", "/smart", "/intelligent", "/genius", "/?", "/help", "\\PATH",
                                  "/LIMIT", "\\scancd", "/Batch", "/disc", "/together"};
    const QStringList numbers = {"0", "1", "2", "-1", "-0.6", "3", "32767", "32768", "-32769", "65535", "4294967296",
                                 "1e400", "-1e400", "1e-400", "nan", "inf", "-inf", "", "  7  ", "0x10", "1,5",
                                 "9e18", "-9e18", "702.5", "1e3MB", "1", "0.5", "-0"};
    const QStringList paths = {tree.path("in"), tree.path("in/a.bin"), tree.path("nope"), tree.path("out/cd.txt"),
                               tree.path("out/"), tree.path("out/."), u'"' + tree.path("in") + u'"', "in", "disc",
                               "out/x.txt", "out/two.lists.txt", "|", "*", "*.bin;*.txt", "\"", "\"\"", ".",
                               "--headless", "\\", "x y", "\t", "a\nb"};
    return switches + switches + numbers + paths;  // switches twice: they make the sequences go on
  }

  TempTree tree;
  testing_support::RecordingTrash trash;  // removes nothing
};

TEST_F(CommandLineFuzz, NoSequenceEndsTheProgramAndTheWindowShowsWhatItUsed) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(tree.root()));
  const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
  const QStringList pool = tokens();
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> length(0, 10);
  std::uniform_int_distribution<qsizetype> pick(0, pool.size() - 1);

  for (int run = 0; run < 1000; ++run) {
    QStringList arguments;
    for (int n = length(random); n > 0; --n) arguments.append(pool[pick(random)]);
    SCOPED_TRACE(arguments.join(QStringLiteral(" | ")).toStdString());
    messages.shown.clear();
    testing_support::ScriptedDrives drives;
    drives.present = {{QStringLiteral("/dev/sr0"), tree.path("disc")}};
    shell::MainForm window(services({.trash = &trash, .drives = &drives}));
    window.Form_Load(arguments, nullptr);

    const catalogue::Form& form = std::as_const(window).form();
    EXPECT_FALSE(window.running().has_value());
    // The limit used is the one the box shows.
    const std::optional<double> megabytes = catalogue::userNumber(form.text(shell::mainform::txtlimit));
    ASSERT_TRUE(megabytes.has_value()) << form.text(shell::mainform::txtlimit).toStdString();
    EXPECT_EQ(window.capacity().exactBytes, *megabytes * double(catalogue::MB));
    // The totals are those of the lower list, once anything changed it.
    const catalogue::FileList& lower = window.catalogue().lstsec();
    const QString total = form.text(shell::mainform::txttotal);
    if (!total.isEmpty() || !lower.isEmpty()) {
      EXPECT_EQ(total, catalogue::megabytesText(catalogue::listBytes(lower)));
    }
    // The searches count as the Search menu's marks say.
    const auto checked = [&form](catalogue::ControlId entry) { return form.find(entry)->value == 1; };
    EXPECT_EQ(std::pair(window.run().countAsOnDisc, window.run().keepFoldersTogether),
              std::pair(checked(shell::mainform::mnudisc), checked(shell::mainform::mnutogether)));
    for (const testing_support::ShownMessage& m : messages.shown) EXPECT_FALSE(m.title.isEmpty());
  }
}

}  // namespace
