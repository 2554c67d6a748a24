// The registry reader over the in-memory value store: plain text only, cut at the first NUL,
// else the default; and over the shared MIME database, which has no key for unknown names.
// Known types and their descriptions are checked by the headless run's type column.
#include <gtest/gtest.h>

#include "platform/MimeValueStore.h"
#include "platform/Registry.h"
#include "support/Fakes.h"

using namespace platform;

TEST(Registry, GetRegValueFallsBackToTheDefault) {
  testing_support::TestValueStore store;
  const QString key = QStringLiteral("Software\\Vendor\\General"), fallback = QStringLiteral("<none>");
  // The value's name, its stored bytes and type, and what is read.
  const std::tuple<QString, QByteArray, RegType, QString> cases[] = {
      {"Path", "/usr/bin/burner", RegType::Sz, "/usr/bin/burner"}, {"Expand", "%PATH%", RegType::ExpandSz, "<none>"},
      {"Bin", "xy", RegType::Binary, "<none>"},                     {"Empty", "", RegType::Sz, "<none>"},
      {"Cut", QByteArray("first\0second", 12), RegType::Sz, "first"},
      {"Leading", QByteArray("\0hidden", 7), RegType::Sz, "<none>"},
  };
  for (const auto& [name, stored, type, read] : cases) store.setText(RootKey::CurrentUser, key, name, stored, type);
  for (const auto& [name, stored, type, read] : cases)
    EXPECT_EQ(GetRegValue(store, RootKey::CurrentUser, key, name, fallback), read) << name.toStdString();
  EXPECT_EQ(GetRegValue(store, RootKey::CurrentUser, key, QStringLiteral("Missing"), fallback), fallback);
  EXPECT_EQ(GetRegValue(store, RootKey::CurrentUser, QStringLiteral("Software\\Other"), "Path", fallback), fallback);
  EXPECT_EQ(GetRegValue(store, RootKey::LocalMachine, key, QStringLiteral("Path"), fallback), fallback);
}

TEST(MimeValueStore, UnknownNamesHaveNoKey) {
  const MimeValueStore store;
  for (const char* subkey : {".zzzqq", ".", ".dir/readme", "application/octet-stream", "no/such-type", ""})
    EXPECT_FALSE(store.open(RootKey::ClassesRoot, QString::fromUtf8(subkey))) << subkey;
  EXPECT_FALSE(store.open(RootKey::CurrentUser, QStringLiteral(".mp3")));
}
