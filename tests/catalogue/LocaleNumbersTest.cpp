// Numbers in a decimal-comma locale: what the program wrote in the user's format reads back, a "."
// still reads as a decimal point, and a group separator never multiplies a number by a thousand.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>

#include "catalogue/Numbers.h"
#include "output/ListFile.h"
#include "search/Limit.h"
#include "support/OutputFakes.h"

TEST(LocaleNumbers, UserNumberTakesTheUsersFormatAndThePointButNoGrouping) {
  constexpr double none = -1;  // not a number
  // The text, read in German, read in C.
  const std::tuple<const char*, double, double> cases[] = {
      {"702,5", 702.5, none},  {"702.5", 702.5, 702.5}, {" 98 ", 98, 98},        {"702,", 702, none},
      {"7.025", 7.025, 7.025}, {"1,234", 1.234, none},  {"1.234,5", none, none}, {"1,234.5", none, none},
      {"12 MB", none, none},   {"", none, none},        {"1e3", 1000, 1000},     {"1,5e3", 1500, none},
      {"nan", none, none},     {"1e400", none, none},   {"-3", -3, -3},
  };
  const QLocale saved;
  for (const bool german : {true, false}) {
    QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
    for (const auto& [text, inGerman, inC] : cases)
      EXPECT_EQ(catalogue::userNumber(QString::fromUtf8(text)).value_or(none), german ? inGerman : inC)
          << (german ? "German: " : "C: ") << text;
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
    EXPECT_DOUBLE_EQ(catalogue::writtenNumber(catalogue::userNumberText(702.5)), 702.5);
    EXPECT_EQ(catalogue::userNumberText(4450), QStringLiteral("4450")) << "never a group separator";
    EXPECT_DOUBLE_EQ(catalogue::writtenNumber(QStringLiteral("700MB")), 700) << "anything else: its leading number";
  }
  QLocale::setDefault(saved);
}

TEST(LocaleNumbers, CapacitiesMustBeA64BitByteCount) {
  const double most = std::ldexp(1.0, 43);  // megabytes in 2^63 bytes
  for (const auto& [megabytes, fits] : {std::pair{most - 1, true}, {most, false}, {1 - most, true}, {-most, false},
                                        {HUGE_VAL, false}, {std::nan(""), false}})
    EXPECT_EQ(search::capacityFits(megabytes), fits) << megabytes;
}

// A limit typed in the user's format is kept; total and limit are both read as written:
// 2,62 of 3,5 MB is 74,86% (not 2 of 3, 2,62 of 3 or 2 of 3,5).
TEST(LocaleNumbers, LimitAndUtilizationReadTheUsersFormat) {
  testing_support::TestWindow t;  // restores the locale it found when it goes
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  t.gather({{"a.bin", 2.62}});
  for (const auto& [typed, text, tag] : {std::tuple{"1.234,5", "4450", "4666163200"}, {"3,5", "3,5", "3670016"}}) {
    t.window.setLimitText(QString::fromUtf8(typed));
    EXPECT_EQ(QStringList({t[mainform::txtlimit].text, t[mainform::txtlimit].tag}), QStringList({text, tag})) << typed;
  }
  t.window.cmdsearch_Click();
  EXPECT_EQ(t[mainform::txttotal].text, QStringLiteral("2,62"));
  EXPECT_EQ(t[mainform::lblpercent].text, QStringLiteral("74,86% CD utilization"));
  EXPECT_EQ(output::summaryLine(qint64(2.62 * 1048576), {"3,5", 3.5}),
            "Total Size: 2,62/3,5 megabytes (74,86% CD utilization)");
}
