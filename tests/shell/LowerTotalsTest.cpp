// The lower list's total, utilization, summary and burn time: every command that changes
// the list leaves all four showing its rows, at once and together.
#include <gtest/gtest.h>

#include <functional>

#include "catalogue/Numbers.h"
#include "catalogue/Selection.h"
#include "output/ListFile.h"
#include "search/DiscImage.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

TEST(LowerTotals, EveryChangeOfTheLowerListRefreshesAllItsFigures) {
  TestWindow t;
  t.tree.file("disc/d.bin", 5 * 1048576);
  t.gather({{"a.bin", 10}, {"b.bin", 20}, {"c.bin", 10}});
  t.window.setLimitText("80");
  const QString list = t.listFile("ab.txt", {"a.bin", "b.bin"});
  t.insertDisc(t.tree.path("disc"));

  const struct {
    const char* command;
    std::function<void()> run;
    const char *total, *percent, *speed, *summary;
  } steps[] = {
      {"search", [&] { t.window.cmdsearch_Click(); }, "40", "50", "04:33", "3 Files of 40 Megabytes"},
      {"delete the last",
       [&] {
         for (int row : {0, 1}) t.window.catalogue().lstsec().setChecked(row, false);
         t.trash.removes = true;
         t.messages.answers = {true};
         t.window.mnufiledelete_Click();
       },
       "30", "37.5", "03:24", "2 Files of 30 Megabytes"},
      {"clear", [&] { t.window.mnuclear_Click(); }, "0", "0", "00:00", "0 Files of 0 Megabytes"},
      {"load", [&] { t.window.run().pendingListPath = list, t.window.cmdload_Click(); },
       "30", "37.5", "03:24", "2 Files of 30 Megabytes"},
      {"disc scan", [&] { t.window.cmdcdrom_Click(0); }, "0", "0", "00:00", "0 Files of 0 Megabytes"},
      {"best-fill search", [&] { t.window.mnubestfill_Click(); }, "5", "6.25", "00:34", "1 Files of 5 Megabytes"},
      {"batch",
       [&] {
         t.window.mnuselitem_Click(catalogue::SelectAll, {});
         t.window.batch(1, t.tree.path("cd.txt"));
       },
       "0", "0", "00:00", "0 Files of 0 Megabytes"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.command);
    step.run();
    EXPECT_EQ(t[mainform::txttotal].text, step.total);
    EXPECT_EQ(t[mainform::lblpercent].text, QString::fromLatin1(step.percent) + "% CD utilization");
    EXPECT_EQ(t[mainform::lblspeed].text, QString::fromLatin1(step.speed) + " to burn");
    EXPECT_EQ(t[mainform::lblCountList2].text, step.summary);
  }
  EXPECT_EQ(t.messages.shown.size(), 1);  // the batch's
}

// A limit typed in the user's format is kept; total and limit are both read as written:
// 2,62 of 3,5 MB is 74,86% (not 2 of 3, 2,62 of 3 or 2 of 3,5).
TEST(LowerTotals, LimitAndUtilizationReadTheUsersFormat) {
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

// Counting as on disc, the summary of a list that has rows adds the size of its disc image;
// total and utilization stay the byte sum, and without the option the summary is as before.
TEST(LowerTotals, CountingAsOnDiscTheSummaryAddsTheDiscSize) {
  TestWindow t;
  t.gather({{"a.bin", 10}, {"b.bin", 20}});
  t.window.setLimitText("80");
  const auto onDisc = [&t] {
    return " (" + catalogue::megabytesText(search::discImageBytes(t.window.catalogue().lstsec())) + " on disc)";
  };
  const struct {
    const char* step;
    std::function<void()> run;
    bool disc;
    const char* summary;
  } steps[] = {
      {"check the option", [&] { t.window.checkSearchOption(mainform::mnudisc); }, false, "0 Megabytes"},
      {"search", [&] { t.window.cmdsearch_Click(); }, true, "2 Files of 30 Megabytes"},
      {"clear the option",
       [&] { t[mainform::mnudisc].value = 0, t.window.searchOptionClicked(); }, false, "2 Files of 30 Megabytes"},
      {"check it again", [&] { t.window.checkSearchOption(mainform::mnudisc); }, true, "2 Files of 30 Megabytes"},
      {"clear the files", [&] { t.window.mnuclear_Click(); }, false, "0 Files of 0 Megabytes"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.run();
    EXPECT_EQ(t[mainform::lblCountList2].text, step.summary + (step.disc ? onDisc() : QString()));
    if (step.disc) {
      EXPECT_EQ(QStringList({t[mainform::txttotal].text, t[mainform::lblpercent].text}),
                QStringList({"30", "37.5% CD utilization"}));
    }
  }
}

}  // namespace
