// Numbers in a decimal-comma locale: the program reads back what it wrote in the user's
// format ("702,5", "2,62"), a "." still reads as a decimal point, and a group separator
// never multiplies a number by a thousand.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

#include "catalogue/Numbers.h"
#include "output/ListFile.h"
#include "search/Limit.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// Makes German the default locale for its lifetime.
struct GermanLocale {
  GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  ~GermanLocale() { QLocale::setDefault(saved); }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;
  QLocale saved;
};

// A window of the test tree, in German (declared after the window, so restored before it).
struct GermanWindow : TestWindow {
  GermanLocale german;
};

constexpr double none = -1;  // "not a number" in the tables below

TEST(LocaleNumbers, UserNumberTakesTheUsersFormatAndThePointButNoGrouping) {
  const struct {
    const char* text;
    double german, c;
  } cases[] = {
      {"702,5", 702.5, none},  {"702.5", 702.5, 702.5},   {" 98 ", 98, 98},        {"702,", 702, none},
      {"7.025", 7.025, 7.025}, {"4.450", 4.45, 4.45},     {"1.234,5", none, none}, {"1,234.5", none, none},
      {"12 MB", none, none},   {"", none, none},          {"1e3", 1000, 1000},     {"1,5e3", 1500, none},
      {"inf", none, none},     {"nan", none, none},       {"1e400", none, none},   {"-3", -3, -3},
      {"1,234", 1.234, none},
  };
  const auto read = [](const char* text) { return catalogue::userNumber(QString::fromUtf8(text)).value_or(none); };
  const QLocale saved;
  for (const auto& c : cases) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(read(c.text), c.german) << "German: " << c.text;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(read(c.text), c.c) << "C: " << c.text;
  }
  QLocale::setDefault(saved);
}

TEST(LocaleNumbers, WhatTheProgramWritesReadsBackInEveryLocale) {
  const QLocale saved;
  for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c(),
                                QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
    QLocale::setDefault(locale);
    SCOPED_TRACE(locale.name().toStdString());
    EXPECT_DOUBLE_EQ(catalogue::writtenNumber(catalogue::megabytesText(2747269)), 2.62);
    EXPECT_DOUBLE_EQ(catalogue::writtenNumber(catalogue::megabytesText(650 * catalogue::MB + catalogue::MB / 2)), 650.5);
    EXPECT_DOUBLE_EQ(catalogue::writtenNumber(catalogue::userNumberText(702.5)), 702.5);
    EXPECT_EQ(catalogue::userNumberText(4450), QStringLiteral("4450")) << "never a group separator";
    EXPECT_DOUBLE_EQ(catalogue::writtenNumber(QStringLiteral("700MB")), 700) << "anything else: its leading number";
  }
  QLocale::setDefault(saved);
  GermanLocale german;
  EXPECT_EQ(catalogue::userNumberText(702.5), QStringLiteral("702,5"));
  EXPECT_EQ(catalogue::megabytesText(2747269), QStringLiteral("2,62"));
}

TEST(LocaleNumbers, LeadingNumberTellsTooLargeFromNone) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<const char*, double> cases[] = {
      {"1e400", inf}, {"-1e400", -inf}, {"1e400MB", inf}, {"abc", 0}, {"1e-400", 0}, {"702.5", 702.5}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(catalogue::leadingNumberUnbounded(QString::fromUtf8(text)), value) << text;
    EXPECT_EQ(catalogue::leadingNumber(QString::fromUtf8(text)), std::isinf(value) ? 0 : value) << text;
  }
}

TEST(LocaleNumbers, CapacitiesMustBeA64BitByteCount) {
  const double most = std::ldexp(1.0, 43);  // megabytes in 2^63 bytes
  const std::pair<double, bool> cases[] = {
      {0, true},          {702.5, true},     {most - 1, true},   {most, false},
      {-(most - 1), true}, {-most, false},   {1e300, false},     {std::numeric_limits<double>::infinity(), false},
      {std::nan(""), false},
  };
  for (const auto& [megabytes, fits] : cases) EXPECT_EQ(search::capacityFits(megabytes), fits) << megabytes;
}

TEST(LocaleNumbers, LimitBoxKeepsTypedAndWrittenLimitsInGerman) {
  const struct {
    const char* typed;
    const char* text;
    const char* tag;
  } cases[] = {
      {"702,5", "702,5", "736624640"},   {"702.5", "702.5", "736624640"}, {" 98 ", " 98 ", "102760448"},
      {"7.025", "7.025", "7366246.4"},   {"1.234,5", "4450", "4666163200"}, {"1e300", "4450", "4666163200"},
      {"inf", "4450", "4666163200"},     {"8796093022208", "4450", "4666163200"},
  };
  GermanWindow t;
  for (const auto& c : cases) {
    t.window.setLimitText(QString::fromUtf8(c.typed));
    EXPECT_EQ(t["txtlimit"].text, c.text) << c.typed;
    EXPECT_EQ(t["txtlimit"].tag, c.tag) << c.typed;
  }
}

TEST(LocaleNumbers, SearchUtilizationReadsTheGermanTotalAndLimit) {
  const struct {
    double megabytes;
    const char* limit;
    const char* total;
    const char* percent;
  } cases[] = {
      {2.62, "3", "2,62", "87,33"}, {2, "2,5", "2", "80"}, {1.25, "2.5", "1,25", "50"}, {3, "3", "3", "100"},
  };
  for (const auto& c : cases) {
    GermanWindow t;
    t.gather({{"a.bin", c.megabytes}});
    t.window.setLimitText(QString::fromUtf8(c.limit));
    t.window.cmdsearch_Click();
    SCOPED_TRACE(c.limit);
    EXPECT_EQ(t.lower().size(), 1);
    EXPECT_EQ(t["txttotal"].text, c.total);
    EXPECT_EQ(t["lblpercent"].text, QString::fromUtf8(c.percent) + QStringLiteral("% CD utilization"));
    EXPECT_EQ(t["lblCountList2"].text, QStringLiteral("1 Files of %1 Megabytes").arg(c.total));
  }
}

TEST(LocaleNumbers, SummaryLineReadsTheGermanTotalAndLimit) {
  GermanLocale german;
  EXPECT_EQ(output::summaryLine("2,62", "3"), "Total Size: 2,62/3 megabytes (87,33% CD utilization)");
  EXPECT_EQ(output::summaryLine("2", "2,5"), "Total Size: 2/2,5 megabytes (80% CD utilization)");
  EXPECT_EQ(output::summaryLine("1,25", "2.5"), "Total Size: 1,25/2.5 megabytes (50% CD utilization)");
}

}  // namespace
