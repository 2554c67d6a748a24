// Reading leading numbers and writing sizes, byte columns and megabyte figures.
#include <gtest/gtest.h>

#include <QLocale>

#include "catalogue/Numbers.h"

using namespace catalogue;

namespace {

// The expected text with the user's decimal separator in place of ".".
std::string localised(const char* text) {
  return QString::fromUtf8(text).replace(u'.', QLocale().decimalPoint()).toStdString();
}

}  // namespace

TEST(Numbers, GetSizePicksTheUnitAndRoundsTiesToEven) {
  const struct {
    qint64 bytes;
    const char* text;
  } cases[] = {
      {0, "0 B"},           {1023, "1023 B"},       {1024, "1.00 KB"},  {1034, "1.01 KB"},
      {1152, "1.12 KB"},    {1408, "1.38 KB"},      {1536, "1.50 KB"},  {MB, "1024.00 KB"},
      {MB + 1, "1.00 MB"},  {GB, "1024.00 MB"},     {GB + 1, "1.00 GB"}, {5 * GB, "5.00 GB"},
      {4096 * GB, "4096.00 GB"}, {-1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetSize(c.bytes).toStdString(), localised(c.text)) << c.bytes;
}

TEST(Numbers, GetSizeOfTextReadsItsLeadingNumber) {
  const std::pair<const char*, const char*> cases[] = {{"  1536", "1.50 KB"}, {"2048 bytes", "2.00 KB"}, {"abc", "0 B"},
                                                       {"", "0 B"}, {"-5", ""}};
  for (const auto& [in, text] : cases) EXPECT_EQ(GetSize(QString::fromUtf8(in)).toStdString(), localised(text)) << in;
}

TEST(Numbers, BytesColumnPadsToTenDigitsAndNeverCuts) {
  EXPECT_EQ(bytesColumn(0), QStringLiteral("0000000000"));
  EXPECT_EQ(bytesColumn(1536), QStringLiteral("0000001536"));
  EXPECT_EQ(bytesColumn(9999999999), QStringLiteral("9999999999"));
  EXPECT_EQ(bytesColumn(12345678901), QStringLiteral("12345678901"));
  EXPECT_LT(bytesColumn(999), bytesColumn(1000)) << "the column sorts by size as text";
}

TEST(Numbers, LeadingNumberReadsTheLongestNumericBeginning) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"98", 98},     {"700MB", 700},   {" 12.5x", 12.5}, {"-3", -3},      {"+4", 4},
      {"1e3", 1000},  {"1E-2", 0.01},   {"2d2", 200},     {"1e", 1},       {"1e+", 1},
      {".5", 0.5},    {"1.2.3", 1.2},   {"1 2 3", 123},   {"\t7", 7},      {"- 3", -3},
      {"abc", 0},     {"", 0},          {"-", 0},         {".", 0},        {"x12", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Numbers, MegabytesAreWrittenInShortestForm) {
  const struct {
    qint64 bytes;
    const char* text;
  } cases[] = {
      {0, "0"},         {12 * MB + MB / 2, "12.5"}, {3 * MB, "3"},  {12 * MB + 52429, "12.05"},
      {MB + MB / 4, "1.25"}, {5243, "0.01"},        {5242, "0"},    {MB - 1, "1"},
  };
  for (const auto& c : cases) EXPECT_EQ(megabytesText(c.bytes).toStdString(), localised(c.text)) << c.bytes;
}
