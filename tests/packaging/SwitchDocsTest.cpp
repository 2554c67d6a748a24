// Every switch of the command line's table is named by --help, by the manual page and by
// the bash completion, so that a new switch cannot go without them.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "shell/CommandLine.h"
#include "shell/StartOptions.h"

namespace {

QString sourceFile(const char* path) {
  QFile file(QStringLiteral(FILLPACK_SOURCE_DIR "/") + QLatin1String(path));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Each document names a switch where it describes it: a line of the usage, an entry of the
// manual page's option list, a word of the completion's list.
TEST(SwitchDocs, EachNamesEverySwitch) {
  const QString usage = shell::usageText();
  const struct {
    const char* what;
    QString text;
    const char* entry;  // %1: the switch name
  } documents[] = {
      {"--help", usage, "^  (\\S+, )*%1[ ,\\n]"},
      {"packaging/fillpack.1.in", sourceFile("packaging/fillpack.1.in"), "^\\.TP\\n\\.B[IR]? ([^\\n]* )?%1[ \\n]"},
      {"packaging/fillpack.bash-completion", sourceFile("packaging/fillpack.bash-completion"), "[\\s']%1[\\s']"},
  };
  const QStringList names = shell::switchNames();
  ASSERT_FALSE(names.isEmpty());
  for (const auto& document : documents) {
    ASSERT_FALSE(document.text.isEmpty()) << document.what;
    for (const QString& name : names) {
      const QRegularExpression entry(QString::fromLatin1(document.entry).arg(QRegularExpression::escape(name)),
                                     QRegularExpression::MultilineOption);
      EXPECT_TRUE(document.text.contains(entry)) << document.what << " does not describe " << name.toStdString();
    }
  }
  for (const QString& line : usage.split(u'\n')) EXPECT_LE(line.size(), 79) << line.toStdString();
}

}  // namespace
