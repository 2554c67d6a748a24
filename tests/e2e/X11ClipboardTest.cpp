// The clipboard as other programs on an X server (Xvfb) see it: every format offered, and a
// GNOME paste naming exactly the lower list's files. Skipped without xvfb-run or xclip.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "platform/FileNames.h"
#include "support/TempTree.h"

namespace {

TEST(X11Clipboard, XclipSeesEveryFormatAndPastesTheLowerList) {
  for (const char* tool : {"xvfb-run", "Xvfb", "xauth", "xclip"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) GTEST_SKIP() << tool << " is missing";
  testing_support::TempTree tree;
  QFile in(tree.path(QStringLiteral("paths")));
  tree.file(QStringLiteral("music/one.mp3"), 1);
  tree.file(QStringLiteral("music/two words.ogg"), 1);
  tree.rawFile(QStringLiteral("music"), "bad\xff.bin", 1);
  const QByteArray music = platform::encodeFileName(tree.path(QStringLiteral("music/")));
  const QByteArray paths = music + "one.mp3" + '\0' + music + "two words.ogg" + '\0' + music + "bad\xff.bin" + '\0';
  ASSERT_TRUE(in.open(QIODevice::WriteOnly) && in.write(paths) == paths.size());
  in.close();
  QProcess probe;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  probe.setProcessEnvironment(environment);
  probe.start(QStringLiteral("xvfb-run"), {QStringLiteral("-a"), QStringLiteral(FILLPACK_CLIPBOARD_PROBE),
                                           in.fileName(), tree.path(QStringLiteral("answers"))});
  const bool ended = probe.waitForFinished(50000);
  if (!ended) probe.kill(), probe.waitForFinished();
  ASSERT_TRUE(ended && probe.exitCode() == 0) << probe.readAll().toStdString();
  QFile out(tree.path(QStringLiteral("answers")));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QList<QByteArray> answers = out.readAll().split('\0');
  ASSERT_EQ(answers.size(), 2);
  for (const char* format : {"application/x-fillpack-file-drop", "text/uri-list", "x-special/gnome-copied-files",
                             "application/x-kde-cutselection", "text/plain"})
    EXPECT_TRUE(answers[0].split('\n').contains(format)) << format << " not in\n" << answers[0].toStdString();
  const QByteArray uri = "file://" + music.toPercentEncoding("/");
  EXPECT_EQ(answers[1].toStdString(),
            ("copy\n" + uri + "one.mp3\n" + uri + "two%20words.ogg\n" + uri + "bad%FF.bin").toStdString());
}

}  // namespace
