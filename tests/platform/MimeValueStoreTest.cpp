// File types from the shared MIME database, read the way the registry reader reads them.
#include <gtest/gtest.h>

#include "platform/MimeValueStore.h"

using namespace platform;

TEST(MimeValueStore, ExtensionLeadsToTypeAndTypeToDescription) {
  const MimeValueStore store;
  const QString type = GetRegValue(store, RootKey::ClassesRoot, QStringLiteral(".mp3"), QString(), QString());
  EXPECT_EQ(type, QStringLiteral("audio/mpeg"));
  const QString upper = GetRegValue(store, RootKey::ClassesRoot, QStringLiteral(".MP3"), QString(), QString());
  EXPECT_EQ(upper, type) << "extensions are matched without regard to case";
  const QString description = GetRegValue(store, RootKey::ClassesRoot, type, QString(), QString());
  EXPECT_FALSE(description.isEmpty());
  EXPECT_NE(description, type);
}

TEST(MimeValueStore, UnknownNamesHaveNoKey) {
  const MimeValueStore store;
  const QString cases[] = {QStringLiteral(".zzzqq"), QStringLiteral("."), QStringLiteral(".dir/readme"),
                           QStringLiteral("application/octet-stream"), QStringLiteral("no/such-type"), QString()};
  for (const QString& subkey : cases) EXPECT_FALSE(store.open(RootKey::ClassesRoot, subkey)) << subkey.toStdString();
  EXPECT_FALSE(store.open(RootKey::CurrentUser, QStringLiteral(".mp3")));
  EXPECT_EQ(GetRegValue(store, RootKey::ClassesRoot, QStringLiteral(".zzzqq"), QString(), QStringLiteral("none")),
            QStringLiteral("none"));
}

TEST(MimeValueStore, KeysHoldOnlyTheDefaultValue) {
  const MimeValueStore store;
  const auto key = store.open(RootKey::ClassesRoot, QStringLiteral(".txt"));
  ASSERT_TRUE(key);
  EXPECT_TRUE(QueryValue(key.get(), QString()));
  EXPECT_FALSE(QueryValue(key.get(), QStringLiteral("Content Type")));
}
