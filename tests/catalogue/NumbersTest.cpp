// Reading leading numbers and writing sizes, byte columns and megabyte figures.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>

#include "catalogue/Numbers.h"

using namespace catalogue;

// The expected text with the user's decimal separator in place of ".".
static std::string localised(const char* text) {
  return QString::fromUtf8(text).replace(u'.', QLocale().decimalPoint()).toStdString();
}

TEST(Numbers, SizesPickTheUnitAndRoundTiesToEvenAndBytesArePaddedToTenDigits) {
  const std::pair<qint64, const char*> sizes[] = {
      {0, "0 B"},        {1023, "1023 B"},   {1024, "1.00 KB"},   {1034, "1.01 KB"},   {1152, "1.12 KB"},
      {1408, "1.38 KB"}, {MB, "1024.00 KB"}, {MB + 1, "1.00 MB"}, {GB, "1024.00 MB"}, {GB + 1, "1.00 GB"}, {-1, ""}};
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(GetSize(bytes).toStdString(), localised(text)) << bytes;
  for (const auto& [in, text] : {std::pair{"  1536", "1.50 KB"}, {"2048 bytes", "2.00 KB"}, {"abc", "0 B"}, {"-5", ""}})
    EXPECT_EQ(GetSize(QString::fromUtf8(in)).toStdString(), localised(text)) << in;
  for (const auto& [bytes, text] : {std::pair{0LL, "0000000000"}, {1536LL, "0000001536"}, {9999999999LL, "9999999999"},
                                    {12345678901LL, "12345678901"}})
    EXPECT_EQ(bytesColumn(bytes).toStdString(), text);
}

// Too large to hold is told apart from no number at all, which the bounded reading makes 0.
TEST(Numbers, LeadingNumberReadsTheLongestNumericBeginning) {
  const std::pair<const char*, double> cases[] = {
      {"98", 98},   {"700MB", 700}, {" 12.5x", 12.5}, {"-3", -3},      {"+4", 4},       {"1e3", 1000}, {"1E-2", 0.01},
      {"2d2", 200}, {"1e", 1},      {"1e+", 1},       {".5", 0.5},     {"1.2.3", 1.2},  {"1 2 3", 123}, {"\t7", 7},
      {"- 3", -3},  {"abc", 0},     {"", 0},          {"-", 0},        {".", 0},        {"x12", 0},    {"1e-400", 0},
      {"1e400MB", HUGE_VAL},        {"-1e400", -HUGE_VAL},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(leadingNumberUnbounded(QString::fromUtf8(text)), value) << text;
    EXPECT_EQ(leadingNumber(QString::fromUtf8(text)), std::isinf(value) ? 0 : value) << text;
  }
}

TEST(Numbers, MegabytesAreWrittenInShortestForm) {
  const std::pair<qint64, const char*> cases[] = {
      {0, "0"},   {12 * MB + MB / 2, "12.5"}, {3 * MB, "3"}, {12 * MB + 52429, "12.05"}, {MB + MB / 4, "1.25"},
      {5243, "0.01"}, {5242, "0"},            {MB - 1, "1"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(megabytesText(bytes).toStdString(), localised(text)) << bytes;
}
