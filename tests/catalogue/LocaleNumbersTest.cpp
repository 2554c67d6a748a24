// Numbers in a decimal-comma locale: what the program wrote in the user's format reads back, a "."
// still reads as a decimal point, and a group separator never multiplies a number by a thousand.
#include <gtest/gtest.h>

#include <QLocale>

#include "catalogue/Numbers.h"
#include "catalogue/Utilization.h"

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
    // The total counts as the megabytes written: 2.625 MB shows as 2.62, which fills 74.86% of 3.5.
    const QString point = locale.decimalPoint();
    for (const auto& [bytes, limit, percent] : {std::tuple{2752512, 3.5, "74.86"}, {2747269, 3.5, "74.86"},
                                                {736100352, 702.0, "100"}, {1048576, 0.0, "0"}, {5, 702.5, "0"}})
      EXPECT_EQ(catalogue::utilizationPercent(bytes, limit), QString::fromLatin1(percent).replace(u'.', point)) << bytes;
  }
  QLocale::setDefault(saved);
}

// 2,62 of 3,5 MB is 74,86% (not 2 of 3, 2,62 of 3 or 2 of 3,5): see also tests/shell/LowerTotalsTest.
