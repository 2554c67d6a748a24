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
  tree.file(QStringLiteral("music/a.mp3"), 1536);
  const QString a = tree.path(QStringLiteral("music/a.mp3"));
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

  cat.addfile(tree.path(QStringLiteral("vanished.bin")));
  EXPECT_EQ(cat.lstmain().at(1).size, 0) << "a file that cannot be measured counts as empty";
  cat.addfile(tree.path(QStringLiteral("listed.bin")), 250);
  EXPECT_EQ(cat.lstmain().at(2).size, 250) << "a size the listing read is taken as is";
  EXPECT_EQ(cat.totalbytes(), 1536 + 250);
}

TEST_F(CatalogueTest, SummariesCountRowsAndMegabytes) {
  EXPECT_EQ(cat.upperSummary(), QStringLiteral("Files in list 0 of 0 Megabytes"));
  add({"/one.iso", "/two.iso"}, 4 * MB);
  add({"/three.iso"}, 4 * MB + MB / 2);
  EXPECT_EQ(cat.upperSummary(),
            QStringLiteral("Files in list 3 of 12") + QLocale().decimalPoint() + QStringLiteral("5 Megabytes"));
  cat.lstsec().append({QStringLiteral("/x/a"), {}, {}, {}, 1, 0, true});
  cat.lstsec().append({QStringLiteral("/x/b"), {}, {}, {}, 1, 0, true});
  EXPECT_EQ(cat.lowerSummary(QStringLiteral("650.5")), QStringLiteral("2 Files of 650.5 Megabytes"));
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

TEST_F(CatalogueTest, WindowsStyleDriveRootFilesRebuildWithOneBackslash) {
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
  cat.refreshicons(FileList::Kind::Upper, &icons, pump);
  cat.refreshicons(FileList::Kind::Lower, &icons, pump);
  EXPECT_EQ(provider.drawn, QStringList({".txt", ".mp3", ".doc"}));
  EXPECT_EQ(cat.lstsec().at(1).icon, 0) << "a network path is not a drive-letter path";
}

TEST_F(CatalogueTest, RemovalKeepsTheIndexInStep) {
  add({"/m/a.mp3", "/m/b.wav", "/m/c.mp3", "odd", "/m/d.wav", "/m/e.mp3"}, 10);
  int asked = 0;
  const auto pick = [&asked](const FileEntry& e) { return ++asked, e.text.endsWith(u".wav") || e.text == u"odd"; };
  EXPECT_EQ(cat.removeUpperIf(pick), 3);
  EXPECT_EQ(asked, 6) << "each row is looked at once";
  ASSERT_EQ(cat.lstmain().count(), 3);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/c.mp3")), 2);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/e.mp3")), 3);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/b.wav")), 0);
  EXPECT_EQ(cat.totalbytes(), 60) << "removing does not reduce the total";
  add({"/m/b.wav", "odd"});
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/b.wav")), 4);
  EXPECT_EQ(cat.lstmain().count(), 5) << "a removed key can be used again";
  cat.clearUpper();
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/m/a.mp3")), 0);
  add({"odd"});
  EXPECT_EQ(cat.lstmain().count(), 1);
}

TEST_F(CatalogueTest, RefreshIconsDrawsEachKeyOnceAndVisitsOnlyNewRows) {
  add({"/m/a.txt", "/m/b.TXT", "/m/c.mp3"});
  cat.refreshicons(FileList::Kind::Upper, nullptr, pump);
  EXPECT_EQ(iconOf(0), 0) << "without a display no icons";
  EXPECT_EQ(pump.calls, 0);
  CountingIconProvider provider;
  IconCache icons(provider, {});
  cat.refreshicons(FileList::Kind::Upper, &icons, pump);
  EXPECT_EQ(provider.drawn, QStringList({".txt", ".mp3"}));
  EXPECT_EQ(QList<int>({iconOf(0), iconOf(1), iconOf(2)}), QList<int>({1, 1, 2}));
  EXPECT_EQ(pump.calls, 3);

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

  for (const char* p : {"/m/a.txt", "relative/b.txt", "/m/c.iso"})
    cat.lstsec().append({QString::fromUtf8(p), {}, {}, {}, 1, 0, true});
  cat.refreshicons(FileList::Kind::Lower, &icons, pump);
  EXPECT_EQ(QList<int>({cat.lstsec().at(0).icon, cat.lstsec().at(1).icon, cat.lstsec().at(2).icon}),
            QList<int>({1, 0, 4}))
      << "a lower row without an absolute path gets no icon";
}
