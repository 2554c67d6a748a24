// The upper and lower lists: adding, finding, removing, summaries and icons.
#include <gtest/gtest.h>

#include <QLocale>

#include "catalogue/Catalogue.h"
#include "catalogue/IconCache.h"
#include "catalogue/Numbers.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

using namespace catalogue;
using platform::RootKey;
using testing_support::CountingIconProvider;
using testing_support::ScriptedPump;
using testing_support::TempTree;
using testing_support::TestValueStore;

class CatalogueTest : public ::testing::Test {
 protected:
  QString file(const QString& relative, qint64 size) {
    tree.file(relative, size);
    return tree.path(relative);
  }
  void add(std::initializer_list<const char*> paths, qint64 size = 1) {
    for (const char* p : paths) cat.addfile(QString::fromUtf8(p), size);
  }
  int iconOf(int row) const { return cat.lstmain().at(row).icon; }
  TempTree tree;
  TestValueStore registry;
  Catalogue cat{registry};
  ScriptedPump pump;
};

TEST_F(CatalogueTest, AddingAPathTwiceKeepsOneRowAndCountsItOnce) {
  const QString a = file(QStringLiteral("music/a.mp3"), 1536);
  cat.addfile(a);
  cat.addfile(a);
  ASSERT_EQ(cat.lstmain().count(), 1);
  const FileEntry& e = cat.lstmain().at(0);
  EXPECT_EQ(e.text, QStringLiteral("a.mp3"));
  EXPECT_EQ(e.folder, tree.path(QStringLiteral("music")));
  EXPECT_EQ(e.size, 1536);
  EXPECT_TRUE(e.checked);
  EXPECT_EQ(cat.totalbytes(), 1536);
  EXPECT_EQ(cat.getfilenum(a), 1);
  EXPECT_EQ(cat.getfilenum(tree.path(QStringLiteral("music/A.mp3"))), 0) << "letter case matters";
  EXPECT_EQ(cat.getfilenum(tree.path(QStringLiteral("music/b.mp3"))), 0);
}

TEST_F(CatalogueTest, SummariesCountRowsAndMegabytes) {
  EXPECT_EQ(cat.upperSummary(), QStringLiteral("Files in list 0 of 0 Megabytes"));
  cat.addfile(file(QStringLiteral("one.iso"), 4 * MB));
  cat.addfile(file(QStringLiteral("two.iso"), 4 * MB));
  cat.addfile(file(QStringLiteral("three.iso"), 4 * MB + MB / 2));
  EXPECT_EQ(cat.getfilenum(tree.path(QStringLiteral("three.iso"))), 3);
  EXPECT_EQ(cat.upperSummary(),
            QStringLiteral("Files in list 3 of 12") + QLocale().decimalPoint() + QStringLiteral("5 Megabytes"));
  EXPECT_TRUE(cat.takeUpperSummaryRequest());
  EXPECT_FALSE(cat.takeUpperSummaryRequest());
  cat.lstsec().append({QStringLiteral("/x/a"), {}, {}, {}, 1, 0, true});
  cat.lstsec().append({QStringLiteral("/x/b"), {}, {}, {}, 1, 0, true});
  EXPECT_EQ(cat.lowerSummary(QStringLiteral("650.5")), QStringLiteral("2 Files of 650.5 Megabytes"));
}

TEST_F(CatalogueTest, FileThatCannotBeMeasuredIsAddedWithNoSize) {
  cat.addfile(file(QStringLiteral("real.bin"), 100));
  cat.addfile(tree.path(QStringLiteral("vanished.bin")));
  ASSERT_EQ(cat.lstmain().count(), 2);
  EXPECT_EQ(cat.lstmain().at(1).size, 0);
  EXPECT_EQ(cat.totalbytes(), 100);
  cat.addfile(tree.path(QStringLiteral("listed.bin")), 250);
  EXPECT_EQ(cat.lstmain().at(2).size, 250) << "a size the listing read is taken as is";
  EXPECT_EQ(cat.totalbytes(), 350);
}

TEST_F(CatalogueTest, TypeDescriptionsComeFromTheRegistryOrTheExtension) {
  registry.setText(RootKey::ClassesRoot, QStringLiteral(".txt"), QString(), "txtfile");
  registry.setText(RootKey::ClassesRoot, QStringLiteral("txtfile"), QString(), "Text Document");
  registry.setText(RootKey::ClassesRoot, QStringLiteral(".log"), QString(), "logfile");
  add({"/d/a.txt", "/d/b.TXT", "/d/c.log", "/d/d.zzz", "/d/README", "/my.dir/readme"});
  const char* types[] = {"Text Document", "Text Document", "LOG File", "ZZZ File", " File", "DIR/README File"};
  ASSERT_EQ(cat.lstmain().count(), 6);
  for (int row = 0; row < 6; ++row) EXPECT_EQ(cat.lstmain().at(row).type.toStdString(), types[row]) << row;
}

TEST_F(CatalogueTest, PathsThatDoNotRebuildAreStillUnique) {
  add({"readme", "readme"}, 5);
  ASSERT_EQ(cat.lstmain().count(), 1);
  EXPECT_EQ(cat.totalbytes(), 5);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("readme")), 0) << "found by its rebuilt path only";
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/readme")), 1);
  add({"/readme", "/a//b", "/a//b", "/a/b"});
  EXPECT_EQ(cat.lstmain().count(), 2);
  EXPECT_EQ(cat.totalbytes(), 6);
}

TEST(CatalogueWindowsStyle, DriveRootFilesRebuildWithOneBackslash) {
  TestValueStore registry;
  Catalogue cat(registry, PathStyle::Windows);
  for (const char* p : {"C:\\x.txt", "C:\\Music\\a.mp3", "C:\\Music\\a.mp3"}) cat.addfile(QString::fromUtf8(p), 2);
  ASSERT_EQ(cat.lstmain().count(), 2);
  EXPECT_EQ(cat.lstmain().at(0).folder, QStringLiteral("C:"));
  EXPECT_EQ(cat.lstmain().fullPath(0), QStringLiteral("C:\\x.txt"));
  EXPECT_EQ(cat.getfilenum(QStringLiteral("C:\\Music\\a.mp3")), 2);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("C:/Music/a.mp3")), 0);
  EXPECT_EQ(cat.totalbytes(), 4);
  for (const char* p : {"D:\\b.doc", "\\\\server\\c.doc"})
    cat.lstsec().append({QString::fromUtf8(p), {}, {}, {}, 1, 0, true});
  CountingIconProvider provider;
  IconCache icons(provider, {});
  ScriptedPump pump;
  cat.refreshicons(FileList::Kind::Upper, &icons, pump);
  cat.refreshicons(FileList::Kind::Lower, &icons, pump);
  EXPECT_EQ(provider.drawn, QStringList({".txt", ".mp3", ".doc"}));
  EXPECT_EQ(cat.lstsec().at(1).icon, 0) << "a network path is not a drive-letter path";
}

TEST_F(CatalogueTest, RemovalKeepsTheIndexInStep) {
  add({"/m/a.mp3", "/m/b.wav", "/m/c.mp3", "odd", "/m/d.wav"}, 10);
  EXPECT_EQ(cat.removeUpperIf([](const FileEntry& e) { return e.text.endsWith(u".wav") || e.text == u"odd"; }), 3);
  ASSERT_EQ(cat.lstmain().count(), 2);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/c.mp3")), 2);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/b.wav")), 0);
  EXPECT_EQ(cat.totalbytes(), 50) << "removing does not reduce the total";
  add({"/m/b.wav", "odd"});
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/b.wav")), 3);
  EXPECT_EQ(cat.lstmain().count(), 4) << "a removed key can be used again";
  cat.clearUpper();
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/a.mp3")), 0);
  add({"odd"});
  EXPECT_EQ(cat.lstmain().count(), 1);
}

TEST_F(CatalogueTest, RefreshIconsDrawsEachKeyOnceAndVisitsOnlyNewRows) {
  add({"/m/a.txt", "/m/b.TXT", "/m/c.mp3"});
  CountingIconProvider provider;
  IconCache icons(provider, {});
  const quint64 fit = cat.lstmain().fitRevision();
  cat.refreshicons(FileList::Kind::Upper, &icons, pump);
  EXPECT_EQ(provider.drawn, QStringList({".txt", ".mp3"}));
  EXPECT_EQ(QList<int>({iconOf(0), iconOf(1), iconOf(2)}), QList<int>({1, 1, 2}));
  EXPECT_EQ(pump.calls, 3);
  EXPECT_EQ(cat.lstmain().fitRevision(), fit + 1);

  add({"/m/d.txt"});
  cat.refreshicons(FileList::Kind::Upper, &icons, pump);
  EXPECT_EQ(pump.calls, 4) << "rows that have their icon are passed over";
  EXPECT_EQ(iconOf(3), 1);

  cat.removeUpperIf([](const FileEntry& e) { return e.text == u"a.txt"; });
  add({"/m/e.wav"});
  cat.refreshicons(FileList::Kind::Upper, &icons, pump);
  EXPECT_EQ(pump.calls, 5);
  EXPECT_EQ(iconOf(3), 3);
  EXPECT_EQ(provider.drawn, QStringList({".txt", ".mp3", ".wav"}));
}

TEST_F(CatalogueTest, LowerRowsWithoutAnAbsolutePathGetNoIcon) {
  for (const char* p : {"/m/a.txt", "relative/b.txt", "/m/c.iso"})
    cat.lstsec().append({QString::fromUtf8(p), {}, {}, {}, 1, 0, true});
  CountingIconProvider provider;
  IconCache icons(provider, {});
  cat.refreshicons(FileList::Kind::Lower, &icons, pump);
  EXPECT_EQ(QList<int>({cat.lstsec().at(0).icon, cat.lstsec().at(1).icon, cat.lstsec().at(2).icon}),
            QList<int>({1, 0, 2}));
}

TEST_F(CatalogueTest, WithoutAnIconCacheOnlyTheColumnsAreFitted) {
  add({"/m/a.txt"});
  const quint64 fit = cat.lstmain().fitRevision(), data = cat.lstmain().dataRevision();
  cat.refreshicons(FileList::Kind::Upper, nullptr, pump);
  EXPECT_EQ(iconOf(0), 0);
  EXPECT_EQ(cat.lstmain().dataRevision(), data);
  EXPECT_EQ(cat.lstmain().fitRevision(), fit + 1);
  EXPECT_EQ(pump.calls, 0);
}
