// File types from the shared MIME database, read the way the registry reader reads them.
// Known types and their descriptions are checked by the headless run's type column.
#include <gtest/gtest.h>

#include "platform/MimeValueStore.h"

using namespace platform;

TEST(MimeValueStore, UnknownNamesHaveNoKey) {
  const MimeValueStore store;
  for (const char* subkey : {".zzzqq", ".", ".dir/readme", "application/octet-stream", "no/such-type", ""})
    EXPECT_FALSE(store.open(RootKey::ClassesRoot, QString::fromUtf8(subkey))) << subkey;
  EXPECT_FALSE(store.open(RootKey::CurrentUser, QStringLiteral(".mp3")));
}
