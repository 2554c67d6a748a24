// The registry reader over the in-memory value store: plain text only, cut at the first NUL, else the default.
#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "support/Fakes.h"

using namespace platform;
using testing_support::TestValueStore;

TEST(Registry, GetRegValueFallsBackToTheDefault) {
  TestValueStore store;
  const QString key = QStringLiteral("Software\\Vendor\\General");
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Path"), "/usr/bin/burner");
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Expand"), "%PATH%", RegType::ExpandSz);
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Bin"), "xy", RegType::Binary);
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Empty"), "");
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Cut"), QByteArray("first\0second\0third", 18));
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Leading"), QByteArray("\0hidden", 7));
  store.setText(RootKey::ClassesRoot, QStringLiteral(".txt"), QString(), "txtfile");
  const QString fallback = QStringLiteral("<EMPTY>");

  const struct {
    RootKey root;
    QString subkey;
    QString value;
    QString expected;
  } cases[] = {
      {RootKey::CurrentUser, key, QStringLiteral("Path"), QStringLiteral("/usr/bin/burner")},
      {RootKey::CurrentUser, key, QStringLiteral("Expand"), fallback},
      {RootKey::CurrentUser, key, QStringLiteral("Bin"), fallback},
      {RootKey::CurrentUser, key, QStringLiteral("Empty"), fallback},
      {RootKey::CurrentUser, key, QStringLiteral("Cut"), QStringLiteral("first")},
      {RootKey::CurrentUser, key, QStringLiteral("Leading"), fallback},
      {RootKey::CurrentUser, key, QStringLiteral("Missing"), fallback},
      {RootKey::CurrentUser, QStringLiteral("Software\\Other"), QStringLiteral("Path"), fallback},
      {RootKey::LocalMachine, key, QStringLiteral("Path"), fallback},
      {RootKey::ClassesRoot, QStringLiteral(".txt"), QString(), QStringLiteral("txtfile")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetRegValue(store, c.root, c.subkey, c.value, fallback).toStdString(), c.expected.toStdString())
        << c.subkey.toStdString() << " / " << c.value.toStdString();
}
