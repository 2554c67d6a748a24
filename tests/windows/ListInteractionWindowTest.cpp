// The two list views and the Search button, offscreen: a click on a header sorts the rows
// and keeps the highlight, the context menus run their commands on the rows highlighted in
// the view, a right click on Search pops up its menu, drops on either list, and the files
// offered when dragging out of the lower list.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "windows/WindowFixture.h"

namespace {

namespace mf = shell::mainform;

class ListInteractionWindowTest : public testing_support::WindowFixture {
 protected:
  ListInteractionWindowTest() : upper(table(mf::lstmain)), lowerView(table(mf::lstsec)) { view.show(); }
  // The object names of the entries of the menu that `open` pops up, after `entry` is chosen.
  static QStringList popUp(const std::function<void()>& open, const QString& entry) {
    QStringList entries;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
        entries.append(action->objectName());
        if (action->objectName() == entry) action->trigger();
      }
      if (menu) menu->close();
    });
    open();
    QApplication::processEvents();
    return entries;
  }
  // The right button released over a widget, as the desktop reports it.
  static std::function<void()> rightClick(QWidget* w) {
    return [w] {
      QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), w->mapToGlobal(QPoint(4, 4)));
      QApplication::sendEvent(w, &click);
    };
  }
  void choose(QTableView* list, const QString& entry) {
    EXPECT_TRUE(popUp([list] { Q_EMIT list->customContextMenuRequested(QPoint(4, 4)); }, entry).contains(entry))
        << entry.toStdString();
  }
  QStringList highlighted() {
    QStringList names;
    for (const QModelIndex& row : upper->selectionModel()->selectedRows()) names.append(row.data().toString());
    names.sort();
    return names;
  }

  static constexpr auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
  QTableView* upper;
  QTableView* lowerView;
};

// The columns are fitted at most every so often while a command pumps events; a fit put
// off then is still made, by the next full sync, although no list asks for it again.
TEST_F(ListInteractionWindowTest, AFitPutOffWhileACommandRunsIsMadeByTheNextSync) {
  gather({{"a.bin", 1}});
  view.followState();  // the first fit is never put off
  const int narrow = upper->columnWidth(0);
  gather({{"a_name_far_longer_than_the_first_one_to_widen_its_column.bin", 1}});
  view.followState();  // moments after the last fit: this one may wait
  view.syncFromState();
  EXPECT_GT(upper->columnWidth(0), narrow);
}

// A second click on the bytes header reverses the order; the highlighted rows move with it.
TEST_F(ListInteractionWindowTest, ClickingAHeaderSortsTheRowsAndKeepsTheHighlight) {
  gather({{"a.bin", 3}, {"b.bin", 1}, {"c.bin", 2}});
  view.syncFromState();
  for (int row : {0, 2}) upper->selectionModel()->select(upper->model()->index(row, 0), rows);
  QHeaderView* header = upper->horizontalHeader();
  const auto clickOn = [&](int section) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(section) + 4, 4));
    EXPECT_EQ(highlighted(), QStringList({"a.bin", "c.bin"})) << "after a click on column " << section;
  };
  for (const QStringList& sorted : {QStringList{"b.bin", "c.bin", "a.bin"}, QStringList{"a.bin", "c.bin", "b.bin"}}) {
    clickOn(4);
    EXPECT_EQ(column(mf::lstmain), sorted);
  }
  EXPECT_TRUE(header->isSortIndicatorShown());
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  clickOn(0);
  EXPECT_NE(column(mf::lstmain).indexOf(QStringLiteral("a.bin")), 0) << "the rows moved";
}

// A Select command changes marks in the store; the view learns of each change through
// dataChanged on the check column, and reads the new marks back.
TEST_F(ListInteractionWindowTest, SelectCommandsTellTheViewOfTheMarksTheyChange) {
  gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 3}});
  view.syncFromState();
  QAbstractItemModel* model = upper->model();
  const struct {
    const char* entry;
    bool highlightFirst;
    QList<bool> marks;
  } steps[] = {
      {"mnuselitem1", false, {false, false, false}},  // None
      {"mnuselitem11", true, {false, true, true}},    // Bigger than the first
      {"mnuselitem2", false, {true, false, false}},   // Invert
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.entry);
    upper->clearSelection();
    if (step.highlightFirst)
      upper->selectionModel()->select(model->index(0, 0), rows);
    const QList<bool> before = checks(window.catalogue().lstmain());
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    choose(upper, QString::fromLatin1(step.entry));
    EXPECT_EQ(checks(window.catalogue().lstmain()), step.marks);
    QList<bool> told(before.size(), false);  // rows whose check column the view was told of
    for (const QList<QVariant>& signal : changed)
      for (int row = signal[0].value<QModelIndex>().row(); row <= signal[1].value<QModelIndex>().row(); ++row)
        told[row] = told[row] || signal[0].value<QModelIndex>().column() == 0;
    for (int row = 0; row < model->rowCount(); ++row) {
      EXPECT_EQ(model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked, step.marks[row]);
      EXPECT_TRUE(told[row] || before[row] == step.marks[row]) << "row " << row;
    }
  }
}

TEST_F(ListInteractionWindowTest, ClearEmptiesTheLowerViewAndLeavesTheUpperOne) {
  gather({{"a.bin", 1}, {"b.bin", 2}});
  addLower(in(QStringLiteral("a.bin")));
  (*this)[mf::txttotal].text = QStringLiteral("1");
  view.syncFromState();
  choose(lowerView, QStringLiteral("mnuclear"));
  EXPECT_EQ(lowerView->model()->rowCount(), 0);
  EXPECT_EQ(upper->model()->rowCount(), 2);
  EXPECT_EQ(window.form().text(mf::txttotal), QStringLiteral("0"));
}

// The best-fill entry serves the first disc of the plan; a button without a menu pops up none.
TEST_F(ListInteractionWindowTest, ARightClickOnSearchAloneOpensTheSearchMenu) {
  gather({{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 3}});
  window.setLimitText("10");
  window.Timer_Timer();
  view.syncFromState();
  EXPECT_EQ(popUp(rightClick(widget<QPushButton>(mf::cmdsearch)), QStringLiteral("mnubestfill")),
            QStringList({"mnuscan", "mnubestfill", "mnubestbatch", "mnudisc", "mnutogether"}));
  view.syncFromState();
  EXPECT_EQ(column(mf::lstsec), QStringList({in("a.bin"), in("c.bin")}));
  EXPECT_EQ(window.run().partcount, 1);
  EXPECT_EQ(popUp(rightClick(widget<QPushButton>(mf::cmdload)), QStringLiteral("mnuscan")), QStringList());
}

// The upper list takes a folder's own files and loose files; the lower list takes only a list
// file, and only as the first item, and loads nothing yet.
TEST_F(ListInteractionWindowTest, DropsOnEitherList) {
  for (const char* f : {"more/one.bin", "more/deeper/not.bin", "x/loose.bin", "x/LIST.TXT", "x/notes.doc"})
    tree.file(QString::fromLatin1(f), 10);
  EXPECT_TRUE(drop(upper->viewport(), {tree.path(QStringLiteral("more")), tree.path(QStringLiteral("x/loose.bin"))}));
  EXPECT_EQ(column(mf::lstmain), (QStringList{"one.bin", "loose.bin"}));
  EXPECT_TRUE((*this)[mf::cmdsearch].enabled);
  const QString list = tree.path(QStringLiteral("x/LIST.TXT"));
  EXPECT_TRUE(drop(lowerView->viewport(), {tree.path(QStringLiteral("x/notes.doc")), list}));
  EXPECT_TRUE(window.run().pendingListPath.isEmpty());
  EXPECT_TRUE(drop(lowerView->viewport(), {list}));
  EXPECT_EQ(window.run().pendingListPath, list);
  EXPECT_EQ(lowerView->model()->rowCount(), 0);
}

// A name that is not valid UTF-8 arrives percent-encoded byte by byte and names the same
// file: the folder's file and the loose file come in with their sizes, whichever box takes them.
TEST_F(ListInteractionWindowTest, DroppedNamesThatAreNotUtf8KeepTheirBytes) {
  const QString folder = platform::decodeFileName(QByteArray("d\xff"));
  tree.folder(folder);
  const QString inFolder = tree.rawFile(folder, "in\xfe.bin", 5);
  const QString loose = tree.rawFile(QStringLiteral("x"), "loose\xe9.bin", 7);
  EXPECT_TRUE(drop(widget<QComboBox>(mf::txtdir)->lineEdit(), {tree.path(folder)}));
  EXPECT_TRUE(drop(upper->viewport(), {tree.path(folder), loose}));  // the folder's file is there already
  EXPECT_TRUE(messages.shown.isEmpty());
  const catalogue::FileList& rows = window.catalogue().lstmain();
  ASSERT_EQ(rows.count(), 2);
  for (int row = 0; row < 2; ++row)
    EXPECT_EQ(platform::encodeFileName(rows.at(row).folder + u'/' + rows.at(row).text),
              platform::encodeFileName(row == 0 ? inFolder : loose));
  EXPECT_EQ(rows.at(0).size + rows.at(1).size, 12);
}

TEST_F(ListInteractionWindowTest, DraggingOutOffersExactlyTheCheckedLowerRows) {
  for (const char* name : {"a.bin", "b.bin", "c.bin"}) {
    tree.file(QString::fromLatin1(name), 1);
    addLower(tree.path(QString::fromLatin1(name)));
  }
  tree.folder(QStringLiteral("folder"));
  addLower(tree.path(QStringLiteral("folder")));  // checked, but no file: never dragged out
  window.catalogue().lstsec().setChecked(1, false);
  view.syncFromState();
  // The view starts the drag itself; the upper list's rows stay where they are.
  EXPECT_TRUE(lowerView->dragEnabled());
  EXPECT_FALSE(upper->dragEnabled());
  QAbstractItemModel* model = lowerView->model();
  EXPECT_EQ(model->mimeTypes(), (QStringList{"application/x-fillpack-file-drop", "text/uri-list",
                                             "x-special/gnome-copied-files", "application/x-kde-cutselection",
                                             "text/plain"}));
  EXPECT_EQ(model->supportedDragActions(), Qt::CopyAction);
  std::unique_ptr<QMimeData> data(model->mimeData({model->index(1, 0)}));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(tree.path(QStringLiteral("a.bin"))),
                                       QUrl::fromLocalFile(tree.path(QStringLiteral("c.bin")))}));
  window.catalogue().lstsec().setChecked(0, false);
  window.catalogue().lstsec().setChecked(2, false);
  EXPECT_EQ(std::unique_ptr<QMimeData>(model->mimeData({model->index(0, 0)})), nullptr);
}

}  // namespace
