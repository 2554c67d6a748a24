// The real program's best-fill batch on seeded random trees of sparse files: every file that
// fits in exactly one list, no list over the capacity, numbered as the fit search's batch,
// never more lists than it, and the closing report with the lower bound.
#include <gtest/gtest.h>

#include <QDir>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "output/ListFile.h"
#include "support/FileBytes.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

constexpr qint64 mib = 1048576;

struct Tree {
  testing_support::TempTree tree;
  QHash<QString, qint64> sizes;  // full path -> bytes

  // `count` files of 1 to `largest` megabytes (some too large for 10 MB), in two folders.
  Tree(quint32 seed, int count, int largest) {
    QRandomGenerator random(seed);
    for (int i = 0; i < count; ++i) {
      const QString name = QStringLiteral("in/%1/f%2.bin").arg(i % 2).arg(i);
      const qint64 bytes = random.bounded(qint64(1), qint64(largest) * mib);
      tree.file(name, bytes);
      sizes.insert(tree.path(name), bytes);
    }
    for (const char* lists : {"m1", "m2"}) tree.folder(lists);
  }
  testing_support::RunResult batch(int method) {
    return testing_support::runProgram({"/limit", "10", "/recurse", tree.path("in"), "/batch", QString::number(method),
                                        tree.path(QStringLiteral("m%1/cd.txt").arg(method))},
                                       {.folder = tree.root()});
  }
  // The lists of method `method`, in number order, each as its entries.
  QList<QStringList> lists(int method) {
    const QDir folder(tree.path(QStringLiteral("m%1").arg(method)));
    QList<QStringList> found;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
      EXPECT_EQ(name, QStringLiteral("cd %1.txt").arg(found.size() + 1, 3, 10, QChar(u'0')));
      found.append(output::entryLines(testing_support::readBytes(folder.filePath(name))));
    }
    return found;
  }
};

TEST(HeadlessBestFill, PlansEveryFittingFileOnceOnNoMoreListsThanTheFitSearch) {
  const struct {
    quint32 seed;
    int files, largest;
  } trees[] = {{7, 40, 6}, {11, 30, 12}, {23, 25, 4}};
  for (const auto& t : trees) {
    SCOPED_TRACE(t.seed);
    Tree tree(t.seed, t.files, t.largest);
    const testing_support::RunResult fit = tree.batch(1), best = tree.batch(2);
    ASSERT_TRUE(fit.exitCode == 0 && best.exitCode == 0);
    const QList<QStringList> lists = tree.lists(2);
    QHash<QString, int> seen;
    for (const QStringList& list : lists) {
      qint64 total = 0;
      for (const QString& path : list) {
        ++seen[path];
        total += tree.sizes.value(path, -1);
      }
      EXPECT_LE(total, 10 * mib);
    }
    for (auto it = tree.sizes.cbegin(); it != tree.sizes.cend(); ++it)
      EXPECT_EQ(seen.value(it.key()), it.value() <= 10 * mib ? 1 : 0) << it.key().toStdString();
    EXPECT_LE(lists.size(), tree.lists(1).size());

    const QRegularExpression bound(QStringLiteral("\n(\\d+) lists?; at least (\\d+) discs? (is|are) needed\\.\r?\n"));
    const QRegularExpressionMatch m = bound.match(QString::fromUtf8(best.err));
    ASSERT_TRUE(m.hasMatch()) << best.err.toStdString();
    EXPECT_EQ(m.captured(1).toInt(), lists.size());
    qint64 fitting = 0;
    for (const qint64 bytes : tree.sizes) fitting += bytes <= 10 * mib ? bytes : 0;
    EXPECT_GE(m.captured(2).toLongLong(), (fitting + 10 * mib - 1) / (10 * mib));
    EXPECT_LE(m.captured(2).toInt(), lists.size());
    EXPECT_FALSE(fit.err.contains("needed")) << "the fit search has no plan to report";
  }
}

}  // namespace
