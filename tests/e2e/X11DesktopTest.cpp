// The program among other programs on a real X server (Xvfb) of the test's own: the
// clipboard as they see it (every format offered, and a GNOME paste naming exactly the lower
// list's files), and a drag out of the lower list as a user makes it, the pointer driven by
// xdotool through the XTEST extension onto a drop target of another program. Skipped where a
// tool is missing.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QVariant>
#include <functional>
#include <optional>

#include "platform/FileNames.h"
#include "shell/Layout.h"
#include "shell/MainFormControls.h"
#include "support/FileBytes.h"
#include "support/TempTree.h"

namespace {

// Asks `process` to end when the test ends, and makes sure it does.
struct Ended {
  ~Ended() {
    process.terminate();
    if (!process.waitForFinished(10000)) process.kill(), process.waitForFinished();
  }
  QProcess& process;
};

// An X server on the first free display, ended with the test; its programs run in C.UTF-8.
class VirtualScreen {
 public:
  VirtualScreen() {
    server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"});
    if (server_.waitForReadyRead(20000)) display_ = u':' + QString::fromLatin1(server_.readLine().trimmed());
  }
  bool started() const { return display_.size() > 1; }
  // Starts `program` on this screen.
  void start(QProcess& process, const QString& program, const QStringList& arguments) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
  }

 private:
  QProcess server_;
  Ended serverEnds_{server_};
  QString display_;
};

bool missing(std::initializer_list<const char*> tools, std::string& which) {
  for (const char* tool : tools)
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return which = tool, true;
  return false;
}

// What `program` prints when it ends well within `seconds`; nothing otherwise.
std::optional<QByteArray> output(const VirtualScreen& screen, const QString& program, const QStringList& arguments,
                                 int seconds) {
  QProcess tool;
  screen.start(tool, program, arguments);
  const bool ended = tool.waitForFinished(seconds * 1000);
  if (!ended) tool.kill(), tool.waitForFinished();
  if (!ended || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return std::nullopt;
  return tool.readAllStandardOutput();
}

std::optional<QByteArray> xdotool(const VirtualScreen& screen, std::initializer_list<QVariant> words) {
  QStringList arguments;
  for (const QVariant& word : words) arguments.append(word.toString());
  return output(screen, QStringLiteral("xdotool"), arguments, 20);
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

TEST(X11Clipboard, XclipSeesEveryFormatAndPastesTheLowerList) {
  if (std::string tool; missing({"Xvfb", "xclip"}, tool)) GTEST_SKIP() << tool << " is missing";
  testing_support::TempTree tree;
  tree.file(QStringLiteral("music/one.mp3"), 1);
  tree.file(QStringLiteral("music/two words.ogg"), 1);
  tree.rawFile(QStringLiteral("music"), "bad\xff.bin", 1);
  const QByteArray music = platform::encodeFileName(tree.path(QStringLiteral("music/")));
  const QString in = tree.path(QStringLiteral("paths")), out = tree.path(QStringLiteral("answers"));
  ASSERT_TRUE(testing_support::writeBytes(
      in, music + "one.mp3" + '\0' + music + "two words.ogg" + '\0' + music + "bad\xff.bin" + '\0'));
  VirtualScreen screen;
  ASSERT_TRUE(screen.started());
  ASSERT_TRUE(output(screen, QStringLiteral(FILLPACK_CLIPBOARD_PROBE), {in, out}, 50));
  const QList<QByteArray> answers = testing_support::readBytes(out).split('\0');
  ASSERT_EQ(answers.size(), 2);
  for (const char* format : {"application/x-fillpack-file-drop", "text/uri-list", "x-special/gnome-copied-files",
                             "application/x-kde-cutselection", "text/plain"})
    EXPECT_TRUE(answers[0].split('\n').contains(format)) << format << " not in\n" << answers[0].toStdString();
  const QByteArray uri = "file://" + music.toPercentEncoding("/");
  EXPECT_EQ(answers[1].toStdString(),
            ("copy\n" + uri + "one.mp3\n" + uri + "two%20words.ogg\n" + uri + "bad%FF.bin").toStdString());
}

TEST(X11Drag, TheCheckedLowerRowsReachADropTargetOfAnotherProgram) {
  if (std::string tool; missing({"Xvfb", "xdotool"}, tool)) GTEST_SKIP() << tool << " is missing";
  testing_support::TempTree tree;
  for (const char* name : {"a.mp3", "two words.ogg"}) tree.file(QStringLiteral("disc/") + QLatin1String(name), 1000);
  tree.rawFile(QStringLiteral("disc"), "z\xff.bin", 1000);
  VirtualScreen screen;
  ASSERT_TRUE(screen.started());

  // The drop target stands right of where the program's window opens (at the top left).
  QProcess target, program;
  screen.start(target, QStringLiteral(FILLPACK_DROP_PROBE), {"1300", "300", "240", "240"});
  Ended targetEnds{target};
  QByteArray printed;
  ASSERT_TRUE(awaitLine(target, printed, "ready\n", QDeadlineTimer(20000))) << printed.toStdString();
  const QString disc = tree.path(QStringLiteral("disc"));
  screen.start(program, QStringLiteral(FILLPACK_BINARY), {"/limit", "702", "/path", disc, "/dumb"});
  Ended programEnds{program};
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
  const double scale = place.value("WIDTH") / double(form.find(shell::mainform::frmmain)->geometry.width());
  const QRect lower = form.find(shell::mainform::lstsec)->geometry;
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
