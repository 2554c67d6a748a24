// The registry reader over the in-memory value store: plain text only, cut at the first NUL, else the default.
#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "support/Fakes.h"

using namespace platform;

TEST(Registry, GetRegValueFallsBackToTheDefault) {
  testing_support::TestValueStore store;
  const QString key = QStringLiteral("Software\\Vendor\\General");
  // The value's name, its stored bytes and type, and what is read.
  const std::tuple<QString, QByteArray, RegType, QString> cases[] = {
      {"Path", "/usr/bin/burner", RegType::Sz, "/usr/bin/burner"}, {"Expand", "%PATH%", RegType::ExpandSz, "<none>"},
      {"Bin", "xy", RegType::Binary, "<none>"},                     {"Empty", "", RegType::Sz, "<none>"},
      {"Cut", QByteArray("first\0second", 12), RegType::Sz, "first"},
      {"Leading", QByteArray("\0hidden", 7), RegType::Sz, "<none>"},
  };
  for (const auto& [name, stored, type, read] : cases) store.setText(RootKey::CurrentUser, key, name, stored, type);
  const QString fallback = QStringLiteral("<none>");
  for (const auto& [name, stored, type, read] : cases)
    EXPECT_EQ(GetRegValue(store, RootKey::CurrentUser, key, name, fallback), read) << name.toStdString();
  EXPECT_EQ(GetRegValue(store, RootKey::CurrentUser, key, QStringLiteral("Missing"), fallback), fallback);
  EXPECT_EQ(GetRegValue(store, RootKey::CurrentUser, QStringLiteral("Software\\Other"), "Path", fallback), fallback);
  EXPECT_EQ(GetRegValue(store, RootKey::LocalMachine, key, QStringLiteral("Path"), fallback), fallback);
}
