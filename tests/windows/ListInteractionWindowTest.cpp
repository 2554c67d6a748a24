// The two list views, offscreen: a click on a header sorts the rows, the context menus run
// their commands on the rows highlighted in the view, drops on either list, and the files
// offered when dragging out of the lower list.
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "catalogue/Selection.h"
#include "windows/WindowFixture.h"

namespace {

class ListInteractionWindowTest : public testing_support::WindowFixture {
 protected:
  ListInteractionWindowTest() : upper(table("lstmain")), lowerView(table("lstsec")) { view.show(); }
  // Opens the list's context menu and chooses the entry with that object name or caption.
  void choose(QTableView* table, const QString& entry) {
    bool found = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions())
        if (action->objectName() == entry || action->text() == entry) action->trigger(), found = true;
      menu->close();
    });
    Q_EMIT table->customContextMenuRequested(QPoint(4, 4));
    EXPECT_TRUE(found) << entry.toStdString();
  }

  QTableView* upper;
  QTableView* lowerView;
};

TEST_F(ListInteractionWindowTest, ClickingTheBytesHeaderSortsTheRowsBySize) {
  gather({{"a.bin", 3}, {"b.bin", 1}, {"c.bin", 2}});
  view.syncFromState();
  QHeaderView* header = upper->horizontalHeader();
  ASSERT_EQ(header->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Bytes"));
  const auto clickHeader = [&](int section) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, 4));
  };
  clickHeader(4);
  EXPECT_EQ(column("lstmain"), (QStringList{"b.bin", "c.bin", "a.bin"}));
  clickHeader(4);
  EXPECT_EQ(column("lstmain"), (QStringList{"a.bin", "c.bin", "b.bin"}));
  EXPECT_TRUE(header->isSortIndicatorShown());
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(ListInteractionWindowTest, SelectMenuUsesTheRowsHighlightedInTheView) {
  gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 3}});
  window.mnuselitem_Click(catalogue::SelectNone, {});
  view.syncFromState();
  const int middle = int(column("lstmain").indexOf(QStringLiteral("b.bin")));
  upper->selectionModel()->select(upper->model()->index(middle, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  choose(upper, QStringLiteral("mnuselitem11"));  // Bigger than this
  EXPECT_EQ(upper->model()->index(int(column("lstmain").indexOf(QStringLiteral("c.bin"))), 0).data(Qt::CheckStateRole),
            Qt::Checked);
  EXPECT_EQ(checks(window.catalogue().lstmain()).count(true), 1);
  choose(upper, QStringLiteral("mnuselitem10"));  // Smaller than this
  EXPECT_EQ(checks(window.catalogue().lstmain()).count(true), 2);
}

// A Select command changes marks in the store; the view learns of each change through
// dataChanged on the check column, and reads the new marks back.
TEST_F(ListInteractionWindowTest, SelectCommandsTellTheViewOfTheMarksTheyChange) {
  gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 3}});
  view.syncFromState();
  QAbstractItemModel* model = upper->model();
  const auto viewMarks = [&] {
    QList<bool> marks;
    for (int row = 0; row < model->rowCount(); ++row)
      marks.append(model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked);
    return marks;
  };
  const struct {
    const char* entry;
    bool highlightFirst;
    QList<bool> marks;
  } steps[] = {
      {"mnuselitem1", false, {false, false, false}},  // None
      {"mnuselitem10", true, {false, false, false}},  // Smaller than the first: no row changes
      {"mnuselitem11", true, {false, true, true}},    // Bigger than the first
      {"mnuselitem2", false, {true, false, false}},   // Invert
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.entry);
    upper->clearSelection();
    if (step.highlightFirst)
      upper->selectionModel()->select(model->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QList<bool> before = viewMarks();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    choose(upper, QString::fromLatin1(step.entry));
    EXPECT_EQ(viewMarks(), step.marks);
    EXPECT_EQ(checks(window.catalogue().lstmain()), step.marks);
    for (int row = 0; row < model->rowCount(); ++row) {
      if (before[row] == step.marks[row]) continue;
      bool told = false;
      for (const QList<QVariant>& signal : changed) {
        const auto from = signal[0].value<QModelIndex>(), to = signal[1].value<QModelIndex>();
        const auto roles = signal[2].value<QList<int>>();
        told = told || (from.row() <= row && row <= to.row() && from.column() == 0 &&
                        (roles.isEmpty() || roles.contains(Qt::CheckStateRole)));
      }
      EXPECT_TRUE(told) << "row " << row;
    }
  }
}

TEST_F(ListInteractionWindowTest, ClearEmptiesTheLowerViewAndLeavesTheUpperOne) {
  gather({{"a.bin", 1}, {"b.bin", 2}});
  addLower(in(QStringLiteral("a.bin")));
  window.form()(QStringLiteral("txttotal")).text = QStringLiteral("1");
  view.syncFromState();
  const QString summary = window.form().text(QStringLiteral("lblCountList"));
  ASSERT_EQ(lowerView->model()->rowCount(), 1);
  choose(lowerView, QStringLiteral("&Clear the files"));
  EXPECT_EQ(lowerView->model()->rowCount(), 0);
  EXPECT_EQ(upper->model()->rowCount(), 2);
  EXPECT_EQ(checks(window.catalogue().lstmain()), (QList<bool>{true, true}));
  EXPECT_EQ(window.form().text(QStringLiteral("lblCountList")), summary);
  EXPECT_EQ(window.form().text(QStringLiteral("txttotal")), QStringLiteral("0"));
  EXPECT_TRUE(trash.received.isEmpty());
}

TEST_F(ListInteractionWindowTest, AFolderAndTwoFilesDroppedOnTheUpperListAreAdded) {
  gather({{"kept.bin", 1}});
  tree.file(QStringLiteral("more/one.bin"), 10);
  tree.file(QStringLiteral("more/two.bin"), 20);
  tree.file(QStringLiteral("more/deeper/not.bin"), 30);
  tree.file(QStringLiteral("x/loose1.bin"), 40);
  tree.file(QStringLiteral("x/loose2.bin"), 50);
  EXPECT_TRUE(drop(upper->viewport(), {tree.path(QStringLiteral("more")), tree.path(QStringLiteral("x/loose1.bin")),
               tree.path(QStringLiteral("x/loose2.bin"))}));
  QStringList names = column("lstmain");
  names.sort();
  EXPECT_EQ(names, (QStringList{"kept.bin", "loose1.bin", "loose2.bin", "one.bin", "two.bin"}));
  EXPECT_TRUE(window.form()(QStringLiteral("cmdsearch")).enabled);
}

TEST_F(ListInteractionWindowTest, OnlyAListFileDroppedOnTheLowerListBecomesThePendingList) {
  tree.file(QStringLiteral("notes.doc"));
  tree.file(QStringLiteral("LIST.TXT"));
  EXPECT_TRUE(drop(lowerView->viewport(), {tree.path(QStringLiteral("notes.doc")), tree.path(QStringLiteral("LIST.TXT"))}));
  EXPECT_TRUE(window.run().pendingListPath.isEmpty()) << "only the first item counts";
  EXPECT_TRUE(drop(lowerView->viewport(), {tree.path(QStringLiteral("LIST.TXT"))}));
  EXPECT_EQ(window.run().pendingListPath, tree.path(QStringLiteral("LIST.TXT")));
  EXPECT_EQ(lowerView->model()->rowCount(), 0) << "nothing is loaded";
}

TEST_F(ListInteractionWindowTest, DraggingOutOffersExactlyTheCheckedLowerRows) {
  for (const char* name : {"a.bin", "b.bin", "c.bin"}) addLower(tree.path(QString::fromLatin1(name)));
  window.catalogue().lstsec().setChecked(1, false);
  view.syncFromState();
  QAbstractItemModel* model = lowerView->model();
  EXPECT_EQ(model->mimeTypes(), QStringList{QStringLiteral("text/uri-list")});
  std::unique_ptr<QMimeData> data(model->mimeData({model->index(1, 0)}));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(tree.path(QStringLiteral("a.bin"))),
                                       QUrl::fromLocalFile(tree.path(QStringLiteral("c.bin")))}));
  EXPECT_EQ(model->supportedDragActions(), Qt::CopyAction);
  window.catalogue().lstsec().setChecked(0, false);
  window.catalogue().lstsec().setChecked(2, false);
  EXPECT_EQ(std::unique_ptr<QMimeData>(model->mimeData({model->index(0, 0)})), nullptr);
}

}  // namespace
