// File types from the shared MIME database, read the way the registry reader reads them.
// Known types and their descriptions are checked by the headless run's type column.
#include <gtest/gtest.h>

#include "platform/MimeValueStore.h"

using namespace platform;

TEST(MimeValueStore, UnknownNamesHaveNoKey) {
  const MimeValueStore store;
  const QString cases[] = {QStringLiteral(".zzzqq"), QStringLiteral("."), QStringLiteral(".dir/readme"),
                           QStringLiteral("application/octet-stream"), QStringLiteral("no/such-type"), QString()};
  for (const QString& subkey : cases) EXPECT_FALSE(store.open(RootKey::ClassesRoot, subkey)) << subkey.toStdString();
  EXPECT_FALSE(store.open(RootKey::CurrentUser, QStringLiteral(".mp3")));
  EXPECT_EQ(GetRegValue(store, RootKey::ClassesRoot, QStringLiteral(".zzzqq"), QString(), QStringLiteral("none")),
            QStringLiteral("none"));
}
