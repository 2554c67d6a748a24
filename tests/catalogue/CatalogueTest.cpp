// The upper and lower lists: adding, finding, removing, summaries and icons.
#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"
#include "catalogue/IconCache.h"
#include "support/CatalogueFakes.h"

using namespace catalogue;
using Kind = FileList::Kind;

class CatalogueTest : public ::testing::Test {
 protected:
  void add(std::initializer_list<const char*> paths, qint64 size = 1, Kind kind = Kind::Upper) {
    for (const char* p : paths)
      kind == Kind::Upper ? cat.addfile(QString::fromUtf8(p), size)
                          : cat.lstsec().append({QString::fromUtf8(p), {}, {}, size, 0, true});
  }
  // Refreshes the icons of a list and gives them.
  QList<int> icons(Kind kind) {
    cat.refreshicons(kind, &iconCache, pump);
    return testing_support::fields(kind == Kind::Upper ? cat.lstmain() : cat.lstsec(), &FileEntry::icon);
  }
  testing_support::TempTree tree;
  testing_support::TestValueStore registry;
  Catalogue cat{registry};
  testing_support::ScriptedPump pump;
  testing_support::CountingIconProvider provider;
  int folderLooks = 0;
  IconCache iconCache{provider, [this](const QString&) { return ++folderLooks, false; }};
};

// Paths that do not rebuild as written ("readme", "/a//b") are found by their rebuilt path and
// still added once; a size the listing read is taken as is, one that cannot be measured is 0.
TEST_F(CatalogueTest, EachPathIsOneRowFoundByItsRebuiltPath) {
  tree.file(QStringLiteral("music/a.mp3"), 1536);
  const QString a = tree.path(QStringLiteral("music/a.mp3"));
  cat.addfile(a);
  cat.addfile(a);
  cat.addfile(tree.path(QStringLiteral("vanished.bin")));
  add({"readme", "readme", "/readme", "/a//b", "/a//b", "/a/b"}, 5);
  ASSERT_EQ(cat.lstmain().count(), 4);
  const FileEntry& e = cat.lstmain().at(0);
  EXPECT_EQ(QStringList({e.text, e.folder}), QStringList({"a.mp3", tree.path(QStringLiteral("music"))}));
  EXPECT_EQ(QList<qint64>({e.size, cat.lstmain().at(1).size, cat.lstmain().at(2).size}), QList<qint64>({1536, 0, 5}));
  EXPECT_EQ(cat.totalbytes(), 1536 + 5 + 5);
  for (const auto& [path, row] : {std::pair{a, 1}, {tree.path(QStringLiteral("music/A.mp3")), 0},
                                  {QStringLiteral("readme"), 0}, {QStringLiteral("/readme"), 3}})
    EXPECT_EQ(cat.getfilenum(path), row) << path.toStdString();
}

TEST_F(CatalogueTest, TypesComeFromTheRegistryOrTheExtensionOfTheWholePath) {
  registry.setText(platform::RootKey::ClassesRoot, QStringLiteral(".txt"), QString(), "txtfile");
  registry.setText(platform::RootKey::ClassesRoot, QStringLiteral("txtfile"), QString(), "Text Document");
  registry.setText(platform::RootKey::ClassesRoot, QStringLiteral(".log"), QString(), "logfile");
  add({"/d/a.txt", "/d/b.TXT", "/d/c.log", "/d/d.zzz", "/d/README", "/my.dir/readme"});
  const char* types[] = {"Text Document", "Text Document", "LOG File", "ZZZ File", " File", "DIR/README File"};
  for (int row = 0; row < 6; ++row) EXPECT_EQ(cat.lstmain().at(row).type.text().toStdString(), types[row]) << row;
}

// A listing's file is added as its joined path would be, from the same folder text for
// the whole folder; a listing of a folder no row lies in skips the look-up, so a path that
// is already there in any spelling ("/a//b" is "/a/b") or a second listing is refused.
TEST_F(CatalogueTest, AListedFileIsAddedAsItsJoinedPath) {
  Catalogue byPath{registry};
  const std::pair<const char*, const char*> listed[] = {
      {"/m", "a.mp3"}, {"/my.dir", "readme"}, {"/", "x.txt"}, {"/m/", "b.txt"}, {"/m", "a.mp3"},
      {"/m", "c\\d"}, {"/a//b", ""}, {"/a", "b"},  {"/a", "c"},  {"/m/n", "e"},
  };
  QString folder;
  for (const auto& [in, name] : listed) {
    if (!*name) {  // a path added as it is, between the listings
      cat.addfile(QString::fromUtf8(in), 7);
      byPath.addfile(QString::fromUtf8(in), 7);
      continue;
    }
    if (folder != QString::fromUtf8(in)) cat.beginListing(folder = QString::fromUtf8(in));
    cat.addfile(folder, QString::fromUtf8(name), 7);
    byPath.addfile(chkdir(folder, QString::fromUtf8(name)), 7);
  }
  const QString many = QStringLiteral("/many");
  cat.beginListing(many);
  for (int i = 0; i < 300; ++i) {
    cat.addfile(many, QStringLiteral("f%1.bin").arg(i), 1);
    byPath.addfile(QStringLiteral("/many/f%1.bin").arg(i), 1);
  }
  cat.addfile(QStringLiteral("/many/f7.bin"), 1);
  cat.addfile(many, QStringLiteral("f8.bin"), 1);
  cat.beginListing(many);
  cat.addfile(many, QStringLiteral("f9.bin"), 1);
  const auto rows = [](const Catalogue& c) {
    QString texts;
    for (int row = 0; row < c.lstmain().count(); ++row) {
      const FileEntry& e = c.lstmain().at(row);
      texts += e.text + u'|' + e.folder.text() + u'|' + e.type.text() + u'|' + QString::number(e.size) + u'\n';
    }
    return texts.toStdString();
  };
  EXPECT_EQ(rows(cat), rows(byPath));
  EXPECT_EQ(cat.lstmain().count(), 308);
  EXPECT_TRUE(cat.lstmain().at(8).folder.sharesWith(cat.lstmain().at(307).folder)) << "one folder text for the listing";
  for (int i = 0; i < 300; i += 37) EXPECT_EQ(cat.getfilenum(QStringLiteral("/many/f%1.bin").arg(i)), i + 9);
  EXPECT_EQ(cat.getfilenum(QStringLiteral("/many/f300.bin")), 0);
}

TEST_F(CatalogueTest, RemovalKeepsTheIndexInStep) {
  add({"/m/a.mp3", "/m/b.wav", "/m/c.mp3", "odd", "/m/d.wav", "/m/e.mp3"}, 10);
  int asked = 0;
  const auto pick = [&asked](const FileEntry& e) { return ++asked, e.text.endsWith(u".wav") || e.text == u"odd"; };
  EXPECT_EQ(cat.removeUpperIf(pick), 3);
  EXPECT_EQ(asked, 6) << "each row is looked at once";
  EXPECT_EQ(cat.totalbytes(), 60) << "removing does not reduce the total";
  add({"/m/b.wav", "odd"});  // a removed key can be used again
  EXPECT_EQ(cat.lstmain().count(), 5);
  for (const auto& [path, row] : {std::pair{"/m/c.mp3", 2}, {"/m/e.mp3", 3}, {"/m/b.wav", 4}, {"/m/d.wav", 0}})
    EXPECT_EQ(cat.getfilenum(QString::fromUtf8(path)), row) << path;
  cat.clearUpper();
  add({"odd", "/m/a.mp3"});
  EXPECT_EQ(cat.lstmain().count(), 2) << "clearing frees every key";
}

// Without a display there are no icons; rows that have theirs are passed over.
TEST_F(CatalogueTest, RefreshIconsDrawsEachKeyOnceAndVisitsOnlyNewRows) {
  add({"/m/a.txt", "/m/b.TXT", "/m/c.mp3"});
  cat.refreshicons(Kind::Upper, nullptr, pump);
  EXPECT_EQ(cat.lstmain().at(0).icon, 0);
  EXPECT_EQ(icons(Kind::Upper), QList<int>({1, 1, 2}));
  add({"/m/d.txt"});
  EXPECT_EQ(icons(Kind::Upper), QList<int>({1, 1, 2, 1}));
  EXPECT_EQ(pump.calls, 4);
  cat.removeUpperIf([](const FileEntry& e) { return e.text == u"a.txt"; });
  add({"/m/e.wav"});
  EXPECT_EQ(icons(Kind::Upper), QList<int>({1, 2, 1, 3}));
  EXPECT_EQ(pump.calls, 5);
  add({"/m/a.txt", "relative/b.txt", "/m/c.iso"}, 1, Kind::Lower);
  EXPECT_EQ(icons(Kind::Lower), QList<int>({1, 0, 4})) << "a lower row without an absolute path gets no icon";
  EXPECT_EQ(provider.drawn, QStringList({".txt", ".mp3", ".wav", ".iso"}));
  const int looks = folderLooks;
  EXPECT_GT(looks, 0);
  cat.beginListing(QStringLiteral("/n"));
  cat.addfile(QStringLiteral("/n"), QStringLiteral("f.txt"), 1);
  EXPECT_EQ(icons(Kind::Upper).last(), 1);
  EXPECT_EQ(folderLooks, looks) << "a file a listing found is no folder: it is not looked at";
}
