// The disc image count against xorriso itself: trees of the shapes that stress the layout
// (tiny files, deep folders, long and non-ASCII names, paths Joliet leaves out) are made of
// sparse files, and the count must never fall below the real image nor pass it by much.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "catalogue/FileList.h"
#include "search/DiscImage.h"
#include "support/TempTree.h"

namespace {

using search::discSector;

enum class Names { Plain, Long, Unicode, Odd, Wide };

// A tree: `files` files, `perFolder` to a folder; each folder `depth` levels below the
// tree's root, the levels branching `fanout` ways; sizes drawn from [smallest, largest].
struct Shape {
  const char* label;
  int files, perFolder, depth, fanout;
  Names names;
  qint64 smallest, largest;
  qint64 exactSectors = 0;  // the image's size when it is known to the sector
};

const QStringList unicodePieces = {"é", "ü", "ß", "Ω", "ж", "日", "本", "語", "音", "楽", "🎵", "ñ", "ø"};
const QStringList oddForms = {"noext", ".hidden", "a.b.c.d.tar.gz", "with space .txt", "eq=ual.txt",
                              "back\\slash.txt", "x=y\\z .jpg", "..twodots", "trailing.", "UPPER lower.JPEG"};

QString letters(QRandomGenerator& rng, int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += QChar(u'a' + rng.bounded(26));
  return text;
}

// A name made unique by `index`, in the style of the shape; never more than 250 bytes.
QString makeName(Names names, QRandomGenerator& rng, int index, bool folder) {
  const QString number = QString::number(index);
  const QString ending = folder || rng.bounded(4) == 0 ? QString() : QStringLiteral(".dat");
  switch (names) {
    case Names::Plain: return (folder ? "d" : "f") + number + ending;
    case Names::Long: return letters(rng, 100 + rng.bounded(140)) + number + ending;
    case Names::Wide: return letters(rng, 30 + rng.bounded(20)) + number;
    case Names::Odd: return oddForms[rng.bounded(oddForms.size())] + number;
    case Names::Unicode: {
      QString name = number;
      const int pieces = 1 + rng.bounded(75);
      for (int i = 0; i < pieces && QFile::encodeName(name).size() < 236; ++i)
        name += unicodePieces[rng.bounded(unicodePieces.size())];
      return name + ending;
    }
  }
  return number;
}

// Makes the tree below `tree` and returns its files, as the lower list holds them.
void makeTree(const Shape& shape, testing_support::TempTree& tree, catalogue::FileList& list) {
  QRandomGenerator rng(quint32(shape.files * 31 + shape.depth));
  QHash<QString, QString> folderNames;  // a folder's place in the tree, its name
  for (int index = 0; index < shape.files; ++index) {
    const int folder = index / shape.perFolder;
    QString relative, place;
    for (int level = 0, span = 1; level < shape.depth; ++level, span *= shape.fanout) {
      place += u'/' + QString::number((folder / span) % shape.fanout);
      QString& name = folderNames[place];
      if (name.isEmpty()) name = makeName(shape.names, rng, folderNames.size(), true);
      relative += name + u'/';
    }
    relative += makeName(shape.names, rng, index, false);
    qint64 size = shape.smallest + qint64(rng.bounded(double(shape.largest - shape.smallest + 1)));
    if (shape.smallest == 0 && rng.bounded(10) == 0) size = 0;
    tree.file(relative, size);
    catalogue::FileEntry entry;
    entry.text = tree.path(relative);
    entry.size = size;
    list.append(entry);
  }
}

QString graftPoint(const QString& path) {
  QString escaped = path;
  escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'=', QStringLiteral("\\="));
  return escaped + u'=' + escaped;
}

// The sectors of the image xorriso makes of the files of `list`, or -1 when it fails.
qint64 xorrisoSectors(const catalogue::FileList& list, const QString& listFile) {
  QFile paths(listFile);
  if (!paths.open(QIODevice::WriteOnly)) return -1;
  for (int row = 0; row < list.count(); ++row) paths.write((graftPoint(list.fullPath(row)) + u'\n').toUtf8());
  paths.close();
  QProcess xorriso;
  xorriso.start("xorriso", {"-as", "mkisofs", "-r", "-J", "-graft-points", "-print-size", "-path-list", listFile});
  if (!xorriso.waitForFinished(60000) || xorriso.exitCode() != 0) return -1;
  const QList<QByteArray> lines = xorriso.readAllStandardOutput().trimmed().split('\n');
  bool ok = false;
  const qint64 sectors = lines.last().trimmed().toLongLong(&ok);
  return ok ? sectors : -1;
}

TEST(DiscImage, NeverBelowTheRealImageNorFarAbove) {
  ASSERT_FALSE(QStandardPaths::findExecutable("xorriso").isEmpty())
      << "xorriso is needed to measure real images: apt-get install xorriso";
  constexpr qint64 KB = 1024, MiB = 1 << 20;
  const Shape shapes[] = {
      {"one empty file", 1, 1, 0, 1, Names::Plain, 0, 0, 183},
      {"one byte", 1, 1, 0, 1, Names::Plain, 1, 1, 184},
      {"one sector and a byte", 1, 1, 0, 1, Names::Plain, 2049, 2049, 185},
      {"tiny files", 3000, 100, 2, 6, Names::Plain, 0, 6 * KB},
      {"deep folders", 400, 10, 14, 2, Names::Plain, 0, 64 * KB},
      {"long names", 300, 30, 2, 4, Names::Long, 0, 64 * KB},
      {"non-ASCII names", 400, 40, 2, 4, Names::Unicode, 0, 64 * KB},
      {"odd names", 400, 40, 2, 4, Names::Odd, 0, 64 * KB},
      {"paths past Joliet's reach", 200, 5, 8, 2, Names::Wide, 0, 64 * KB},
      {"medium paths", 1000, 1, 3, 10, Names::Wide, 0, 4 * KB},
      {"a folder a file", 500, 1, 2, 25, Names::Plain, 0, 3 * MiB},
      {"one full folder", 2500, 2500, 1, 1, Names::Plain, 0, 16 * KB},
  };
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.label);
    testing_support::TempTree tree(QStringLiteral("/dev/shm"));
    catalogue::FileList list(catalogue::FileList::Kind::Lower);
    makeTree(shape, tree, list);
    const qint64 model = search::discImageBytes(list);
    const qint64 real = xorrisoSectors(list, tree.path("graft points"));
    ASSERT_GT(real, 0) << "xorriso could not measure the tree";
    EXPECT_GE(model, real * discSector) << model / discSector << " sectors against " << real;
    EXPECT_LE(model, real * discSector * 1.005 + MiB) << model / discSector << " sectors against " << real;
    if (shape.exactSectors > 0) {
      EXPECT_EQ(real, shape.exactSectors);
      EXPECT_EQ(model, shape.exactSectors * discSector);
    }
  }
}

// A trial taken back leaves the count as it was; one kept counts as if added outright.
TEST(DiscImage, ATrialOfAFolderIsTakenBackWhole) {
  search::DiscFolders folders;
  std::vector<search::DiscFile> before, trial;
  const int kept = folders.folder("/home/ann/music");
  for (int i = 0; i < 40; ++i) before.push_back(folders.file(kept, QString("track %1.ogg").arg(i), 3000 + i));
  // New folders below a kept one, names spilling into continuation areas, extents over many sectors.
  const int fresh = folders.folder("/home/ann/music/live/" + QString(180, u'n'));
  for (int i = 0; i < 60; ++i) trial.push_back(folders.file(fresh, QString(200, u'x') + QString::number(i), 5000));
  for (int i = 0; i < 30; ++i) trial.push_back(folders.file(kept, QString(220, u'k') + QString::number(i), 1));

  search::DiscTally tally(folders), whole(folders);
  for (const auto& file : before) {
    tally.add(file);
    whole.add(file);
  }
  for (const auto& file : trial) whole.add(file);
  const qint64 start = tally.bytes();
  for (int round = 0; round < 2; ++round) {
    tally.mark();
    for (const auto& file : trial) tally.add(file);
    EXPECT_EQ(tally.bytes(), whole.bytes());
    tally.rollback();
    EXPECT_EQ(tally.bytes(), start) << round;
  }
  for (const auto& file : trial) tally.add(file);  // the folders the trial opened are opened again
  EXPECT_EQ(tally.bytes(), whole.bytes());
  tally.clear();
  for (const auto& file : before) tally.add(file);
  tally.mark();
  for (const auto& file : trial) tally.add(file);
  tally.commit();
  tally.rollback();  // nothing left to take back
  EXPECT_EQ(tally.bytes(), whole.bytes());
}

}  // namespace
