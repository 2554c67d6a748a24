// A Load in the window: its totals written when the labels are flushed, never per row, and
// of the rows kept; its button's caption in the language the window shows.
#include <gtest/gtest.h>

#include <tuple>

#include "support/OutputFakes.h"

namespace {

using namespace testing_support;

// Pumps 1-2 come around a.bin, 3-4 around b.bin, 5-6 around c.bin; the window draws at pump 4.
TEST(LoadTotals, LabelsAreWrittenWhenFlushedAndAreThoseOfTheRowsKept) {
  const std::tuple<int, QStringList, const char*, const char*> cases[] = {
      {0, {"old", "old", "old", "old", "3", "3"}, "3 Files of 3.5 Megabytes", "0.5% CD utilization"},
      {1, {"old"}, "0 Files of 0 Megabytes", "0% CD utilization"},
      {5, {"old", "old", "old", "old", "3"}, "2 Files of 3 Megabytes", "0.43% CD utilization"},
  };
  for (const auto& [stopAt, seen, summary, percent] : cases) {
    SCOPED_TRACE(stopAt);
    TestWindow t;
    t.gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 0.5}}, false);
    t.window.run().pendingListPath = t.listFile("cd.txt", {"a.bin", "b.bin", "c.bin"});
    t[mainform::txttotal].text = "old";
    QStringList totals;
    t.pump.onPump = [&](int call) {
      totals.append(t[mainform::txttotal].text);
      if (call == 4) t.window.flushLabels();
      if (call == stopAt) t.window.cmdload_Click();
    };
    t.window.cmdload_Click();
    EXPECT_EQ(totals, seen);
    EXPECT_EQ(t[mainform::lblCountList2].text, summary);
    EXPECT_EQ(t[mainform::lblpercent].text, percent);
    EXPECT_TRUE(t.messages.asked.isEmpty());
  }
}

// Whether a load runs is not read from the button's caption: under the German pack one
// press loads, the button shows the pack's "cancel" while the load runs and its "load"
// after it; a press in between stops the load with the files read so far, and a language
// picked in between gives the button that language's texts. Pumps 1-2 come around a.bin.
TEST(LoadTotals, OnePressLoadsInAnyLanguage) {
  const QString de = "&Abbrechen", en = "&Cancel";
  const struct {
    int stopAt, englishAt;
    int loaded;
    QStringList captions;  // at each pump, and after a press or pick there
    QString after;
  } cases[] = {
      {0, 0, 3, QStringList(6, de), "&Laden"},
      {3, 0, 1, {de, de, de, "&Laden"}, "&Laden"},
      {0, 2, 3, {de, de, en, en, en, en, en}, "&Load"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stopAt * 10 + c.englishAt);
    TestWindow t(nullptr, QStringLiteral(FILLPACK_SOURCE_DIR));
    shell::MainForm& window = t.window;
    window.Form_Load({}, nullptr);
    const auto pick = [&window](const char* pack) {
      window.form()(shell::mainform::cboLangPacks).text = QString::fromLatin1(pack);
      window.cboLangPacks_Click();
    };
    pick("Deutsch.lpk");
    ASSERT_EQ(window.form().text(shell::mainform::cmdload), "&Laden");
    t.gather({{"a.bin", 0.001}, {"b.bin", 0.001}, {"c.bin", 0.001}}, false);
    window.run().pendingListPath = t.listFile("cd.txt", {"a.bin", "b.bin", "c.bin"}, "\n");
    QStringList captions;
    t.pump.onPump = [&](int call) {
      captions.append(window.form().text(shell::mainform::cmdload));
      if (call == c.stopAt) window.cmdload_Click();
      if (call == c.englishAt) pick("English.lpk");
      if (call == c.stopAt || call == c.englishAt) captions.append(window.form().text(shell::mainform::cmdload));
    };
    window.cmdload_Click();
    EXPECT_EQ(window.catalogue().lstsec().count(), c.loaded);
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(window.form().text(shell::mainform::cmdload), c.after);
    EXPECT_FALSE(window.run().loading);
  }
}

}  // namespace
