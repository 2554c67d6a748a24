// The registry reader over the in-memory value store: plain text only, cut at NUL, else the default.
#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "support/Fakes.h"

using namespace platform;
using testing_support::TestValueStore;

TEST(Registry, StripNullsKeepsTheTextBeforeTheFirstNul) {
  const struct {
    QString in;
    QString out;
  } cases[] = {
      {QStringLiteral("plain"), QStringLiteral("plain")},
      {QString::fromUtf16(u"ab\0cd\0ef", 8), QStringLiteral("ab")},
      {QString::fromUtf16(u"\0tail", 5), QString()},
      {QString(), QString()},
  };
  for (const auto& c : cases) EXPECT_EQ(StripNulls(c.in), c.out) << c.in.size();
}

TEST(Registry, QueryValueReadsOnlyPlainText) {
  TestValueStore store;
  store.setText(RootKey::CurrentUser, QStringLiteral("Soft"), QStringLiteral("sz"), QByteArray("abc\0def", 7));
  store.setText(RootKey::CurrentUser, QStringLiteral("Soft"), QStringLiteral("expand"), "%HOME%", RegType::ExpandSz);
  store.setText(RootKey::CurrentUser, QStringLiteral("Soft"), QStringLiteral("bin"), "xy", RegType::Binary);
  const auto key = store.open(RootKey::CurrentUser, QStringLiteral("Soft"));
  ASSERT_TRUE(key);
  EXPECT_EQ(QueryValue(key.get(), QStringLiteral("sz")), QStringLiteral("abc"));
  EXPECT_FALSE(QueryValue(key.get(), QStringLiteral("expand")));
  EXPECT_FALSE(QueryValue(key.get(), QStringLiteral("bin")));
  EXPECT_FALSE(QueryValue(key.get(), QStringLiteral("missing")));
  EXPECT_FALSE(QueryValue(nullptr, QStringLiteral("sz")));
}

TEST(Registry, GetRegValueFallsBackToTheDefault) {
  TestValueStore store;
  const QString key = QStringLiteral("Software\\Vendor\\General");
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Path"), "/usr/bin/burner");
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Expand"), "%PATH%", RegType::ExpandSz);
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Empty"), "");
  store.setText(RootKey::CurrentUser, key, QStringLiteral("Cut"), QByteArray("first\0second", 12));
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
