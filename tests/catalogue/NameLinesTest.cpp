// Names against lines: which names a list line can hold, and how a message shows names.
#include <gtest/gtest.h>

#include "catalogue/NameLines.h"

TEST(NameLines, OnlyLineFeedsAndCarriageReturnsBreakALine) {
  const std::pair<const char*, bool> cases[] = {{"/a/b.mp3 ", true}, {"/a/\tb", true},  {"/a/\fb\v", true},
                                                {"", true},          {"/a/b\n", false}, {"\r/a", false}};
  for (const auto& [name, stands] : cases) EXPECT_EQ(catalogue::standsOnOneLine(QString(name)), stands) << name;
}

TEST(NameLines, MessagesQuoteEachNameOnItsOwnLineAndCountTheRest) {
  const std::tuple<QStringList, qsizetype, QString> cases[] = {
      {{"/a b", "/c\nd", "/e\rf"}, 3, "\"/a b\"\r\n\"/c\\nd\"\r\n\"/e\\rf\""},
      {{"/a", "/b", "/c"}, 2, "\"/a\"\r\n\"/b\"\r\nand 1 more"},
      {{}, 10, ""},
  };
  for (const auto& [names, most, text] : cases) EXPECT_EQ(catalogue::namesOneALine(names, most), text) << most;
}
