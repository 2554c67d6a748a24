// Names against lines: which names a list line can hold, and how a message shows names.
#include <gtest/gtest.h>

#include "catalogue/NameLines.h"

namespace {

TEST(NameLines, OnlyLineFeedsAndCarriageReturnsBreakALine) {
  const std::pair<const char*, bool> cases[] = {
      {"/a/b.mp3", true}, {"/a/b.mp3 ", true}, {"/a/\tb", true}, {"/a/\fb\v", true}, {"", true},
      {"/a/b\n", false},  {"\r/a", false},     {"/a\r\n/b", false},
  };
  for (const auto& [name, stands] : cases) EXPECT_EQ(catalogue::standsOnOneLine(QString(name)), stands) << name;
}

TEST(NameLines, MessagesQuoteEachNameOnItsOwnLineAndCountTheRest) {
  QStringList twelve;
  for (int i = 1; i <= 12; ++i) twelve.append(QStringLiteral("/l/%1").arg(i));
  const std::tuple<QStringList, qsizetype, QString> cases[] = {
      {{"/a b", "/c\nd", "/e\rf"}, 10, "\"/a b\"\r\n\"/c\\nd\"\r\n\"/e\\rf\""},
      {{"/x"}, 10, "\"/x\""},
      {{}, 10, ""},
      {twelve.mid(0, 10), 10, "\"/l/1\"\r\n\"/l/2\"\r\n\"/l/3\"\r\n\"/l/4\"\r\n\"/l/5\"\r\n\"/l/6\"\r\n\"/l/7\"\r\n"
                              "\"/l/8\"\r\n\"/l/9\"\r\n\"/l/10\""},
      {twelve, 10, "\"/l/1\"\r\n\"/l/2\"\r\n\"/l/3\"\r\n\"/l/4\"\r\n\"/l/5\"\r\n\"/l/6\"\r\n\"/l/7\"\r\n"
                   "\"/l/8\"\r\n\"/l/9\"\r\n\"/l/10\"\r\nand 2 more"},
      {twelve, 1, "\"/l/1\"\r\nand 11 more"},
  };
  for (const auto& [names, most, text] : cases) EXPECT_EQ(catalogue::namesOneALine(names, most), text) << most;
}

}  // namespace
