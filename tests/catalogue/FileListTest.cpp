// The list store: one-pass removal, check marks, full paths and revision counters.
#include <gtest/gtest.h>

#include <QStringList>

#include "catalogue/FileList.h"

using catalogue::FileEntry;
using catalogue::FileList;

namespace {

FileList upperWith(const QStringList& names) {
  FileList list(FileList::Kind::Upper);
  for (const QString& n : names) list.append({n, QStringLiteral("/music"), {}, {}, 10, 0, true});
  return list;
}

QStringList texts(const FileList& list) {
  QStringList out;
  for (int row = 0; row < list.count(); ++row) out.append(list.at(row).text);
  return out;
}

}  // namespace

TEST(FileList, RemoveIfTakesEveryPickedRowInOnePassKeepingOrder) {
  FileList list = upperWith({"a.mp3", "b.wav", "c.mp3", "d.wav", "e.mp3"});
  const quint64 before = list.structureRevision();
  int asked = 0;
  const int removed = list.removeIf([&](const FileEntry& e) {
    ++asked;
    return e.text.endsWith(QStringLiteral(".wav"));
  });
  EXPECT_EQ(removed, 2);
  EXPECT_EQ(asked, 5) << "each row is looked at once";
  EXPECT_EQ(texts(list), QStringList({"a.mp3", "c.mp3", "e.mp3"}));
  EXPECT_EQ(list.structureRevision(), before + 1);

  EXPECT_EQ(list.removeIf([](const FileEntry&) { return false; }), 0);
  EXPECT_EQ(list.structureRevision(), before + 1) << "nothing removed, nothing to redraw";
  EXPECT_EQ(list.removeIf([](const FileEntry&) { return true; }), 3);
  EXPECT_TRUE(list.isEmpty());
}

TEST(FileList, HasCheckedNeedsOneCheckedRow) {
  FileList list(FileList::Kind::Lower);
  EXPECT_FALSE(list.haschecked());
  list.append({QStringLiteral("/a"), {}, {}, {}, 1, 0, false});
  list.append({QStringLiteral("/b"), {}, {}, {}, 1, 0, false});
  EXPECT_FALSE(list.haschecked());
  list.setChecked(1, true);
  EXPECT_TRUE(list.haschecked());
  list.setChecked(1, false);
  EXPECT_FALSE(list.haschecked());
}

TEST(FileList, RevisionsCountTheKindOfChange) {
  FileList list = upperWith({"a", "b"});
  const quint64 data = list.dataRevision(), structure = list.structureRevision(), fit = list.fitRevision();
  list.setChecked(0, true);  // already checked
  EXPECT_EQ(list.dataRevision(), data);
  list.setChecked(0, false);
  EXPECT_EQ(list.dataRevision(), data + 1);
  list.edit(1).icon = 3;
  EXPECT_EQ(list.dataRevision(), data + 2);
  EXPECT_EQ(list.at(1).icon, 3);
  list.append({QStringLiteral("c"), QStringLiteral("/music"), {}, {}, 0, 0, true});
  EXPECT_EQ(list.structureRevision(), structure) << "appends only grow the count";
  list.requestColumnFit();
  EXPECT_EQ(list.fitRevision(), fit + 1);
  EXPECT_EQ(list.fullPath(2), QStringLiteral("/music/c"));
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.structureRevision(), structure + 1);
}
