// A drag out of the lower list as a user makes it on a real X server (Xvfb): the program's
// window and a drop target of another program side by side, the pointer driven by xdotool
// through the XTEST extension. Skipped without Xvfb or xdotool.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QVariant>
#include <functional>
#include <optional>

#include "shell/Layout.h"
#include "shell/MainFormControls.h"
#include "support/TempTree.h"

namespace {

// An X server of the test's own, on the first free display; ended with the test.
class VirtualScreen {
 public:
  VirtualScreen() {
    server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"});
    if (server_.waitForReadyRead(20000)) display_ = u':' + QString::fromLatin1(server_.readLine().trimmed());
  }
  ~VirtualScreen() {
    server_.terminate();
    if (!server_.waitForFinished(10000)) server_.kill(), server_.waitForFinished();
  }
  bool started() const { return display_.size() > 1; }
  // The environment of a program shown on this screen.
  QProcessEnvironment environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    return environment;
  }

 private:
  QProcess server_;
  QString display_;
};

// Ends a program of the test, asking first, when the test ends.
struct Ended {
  explicit Ended(QProcess& process) : process(process) {}
  ~Ended() {
    process.terminate();
    if (!process.waitForFinished(10000)) process.kill(), process.waitForFinished();
  }
  QProcess& process;
};

// What xdotool prints for the words; nothing when it fails or takes longer than 20 seconds.
std::optional<QByteArray> xdotool(const VirtualScreen& screen, std::initializer_list<QVariant> words) {
  QStringList arguments;
  for (const QVariant& word : words) arguments.append(word.toString());
  QProcess tool;
  tool.setProcessEnvironment(screen.environment());
  tool.start(QStringLiteral("xdotool"), arguments);
  const bool ended = tool.waitForFinished(20000);
  if (!ended) tool.kill(), tool.waitForFinished();
  if (!ended || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return std::nullopt;
  return tool.readAllStandardOutput();
}

// Reads what `process` prints until it has printed `line` or the deadline passes; each wait
// first runs `nudge`, so a pointer can be moved until the line comes.
bool awaitLine(QProcess& process, QByteArray& printed, const QByteArray& line, QDeadlineTimer deadline,
               const std::function<void()>& nudge = {}) {
  while (!printed.contains(line) && !deadline.hasExpired()) {
    if (nudge) nudge();
    process.waitForReadyRead(nudge ? 250 : int(deadline.remainingTime()));
    printed += process.readAllStandardOutput();
  }
  return printed.contains(line);
}

TEST(X11Drag, TheCheckedLowerRowsReachADropTargetOfAnotherProgram) {
  for (const char* tool : {"Xvfb", "xdotool"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) GTEST_SKIP() << tool << " is missing";
  testing_support::TempTree tree;
  for (const char* name : {"a.mp3", "two words.ogg"}) tree.file(QStringLiteral("disc/") + QLatin1String(name), 1000);
  tree.rawFile(QStringLiteral("disc"), "z\xff.bin", 1000);
  VirtualScreen screen;
  ASSERT_TRUE(screen.started());

  // The drop target stands right of where the program's window opens (at the top left).
  QProcess target;
  target.setProcessEnvironment(screen.environment());
  target.start(QStringLiteral(FILLPACK_DROP_PROBE), {"1300", "300", "240", "240"});
  Ended targetEnds(target);
  QByteArray printed;
  ASSERT_TRUE(awaitLine(target, printed, "ready\n", QDeadlineTimer(20000))) << printed.toStdString();

  QProcess program;
  program.setProcessEnvironment(screen.environment());
  const QString disc = tree.path(QStringLiteral("disc"));
  program.start(QStringLiteral(FILLPACK_BINARY), {"/limit", "702", "/path", disc, "/dumb"});
  Ended programEnds(program);
  ASSERT_TRUE(program.waitForStarted(20000));
  const QByteArray window =
      xdotool(screen, {"search", "--sync", "--onlyvisible", "--pid", program.processId()}).value_or("").split('\n')[0];
  ASSERT_FALSE(window.isEmpty()) << "the program's window did not show";
  QMap<QByteArray, int> place;  // X, Y, WIDTH, HEIGHT of the window, in pixels
  for (const QByteArray& line : xdotool(screen, {"getwindowgeometry", "--shell", window}).value_or("").split('\n'))
    if (const qsizetype at = line.indexOf('='); at > 0) place.insert(line.left(at), line.mid(at + 1).toInt());
  ASSERT_GT(place.value("WIDTH"), 0);

  // The lower list where the layout puts it in a window of the first run's size, scaled to
  // the window as shown: the press falls on the name of its second row.
  catalogue::Form form{shell::mainFormControls()};
  shell::placesplitter(form);
  const double scale = place.value("WIDTH") / double(form.find(QStringLiteral("frmmain"))->geometry.width());
  const QRect lower = form.find(QStringLiteral("lstsec"))->geometry;
  const int x = place.value("X") + qRound((lower.left() + 2000) * scale);
  const int y = place.value("Y") + qRound(lower.top() * scale) + 48;
  ASSERT_TRUE(xdotool(screen, {"mousemove", x, y, "mousedown", 1, "mousemove", x + 20, y, "mousemove", x + 40, y,
                               "mousemove", x + 60, y + 10}));
  int step = 0;
  const bool over = awaitLine(target, printed, "over\n", QDeadlineTimer(20000), [&] {
    xdotool(screen, {"mousemove", 1420 + step++ % 2 * 4, 420});
  });
  xdotool(screen, {"mouseup", 1});
  ASSERT_TRUE(over) << "no drag came over the drop target: " << printed.toStdString();
  awaitLine(target, printed, "dropped\n", QDeadlineTimer(20000));
  const QByteArray folder = "file://" + disc.toUtf8();
  EXPECT_EQ(printed.toStdString(), ("ready\nover\n" + folder + "/a.mp3\r\n" + folder + "/two%20words.ogg\r\n" + folder +
                                    "/z%FF.bin\r\ndropped\n")
                                       .toStdString());
}

}  // namespace
