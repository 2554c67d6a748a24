// Control records found by name and index, with a revision for every change.
#include <gtest/gtest.h>

#include "catalogue/Form.h"

using catalogue::Form;

TEST(Form, RecordsAreMadeOnceAndFoundByNameAndIndex) {
  Form form;
  form(QStringLiteral("txtdir")).text = QStringLiteral("/music");
  form(QStringLiteral("optmain"), 0).text = QStringLiteral("Inclusive");
  form(QStringLiteral("optmain"), 1).text = QStringLiteral("Exclusive");
  form(QStringLiteral("txtdir")).enabled = false;

  ASSERT_EQ(form.controls().size(), 3u);
  EXPECT_EQ(form.controls()[1].name, QStringLiteral("optmain"));
  EXPECT_EQ(form.controls()[1].index, 0);
  EXPECT_EQ(form.controls()[0].index, -1);
  EXPECT_EQ(form.text(QStringLiteral("txtdir")), QStringLiteral("/music"));
  EXPECT_FALSE(form.find(QStringLiteral("txtdir"))->enabled);
  EXPECT_EQ(form.text(QStringLiteral("optmain"), 1), QStringLiteral("Exclusive"));
  EXPECT_EQ(form.find(QStringLiteral("optmain")), nullptr) << "the array has no element without an index";
  EXPECT_EQ(form.find(QStringLiteral("txtdir"), 0), nullptr);
  EXPECT_EQ(form.find(QStringLiteral("TXTDIR")), nullptr) << "names are exact";
  EXPECT_TRUE(form.text(QStringLiteral("missing")).isEmpty());
  EXPECT_EQ(form.controls().size(), 3u) << "looking does not create";
}

TEST(Form, EveryWritableAccessBumpsTheRevision) {
  Form form;
  const quint64 start = form.revision();
  form(QStringLiteral("lblcurrent")).text = QStringLiteral("Adding directories");
  form(QStringLiteral("lblcurrent")).visible = false;
  EXPECT_EQ(form.revision(), start + 2);
  (void)form.find(QStringLiteral("lblcurrent"));
  (void)form.text(QStringLiteral("lblcurrent"));
  EXPECT_EQ(form.revision(), start + 2);
}
