// One of the two file lists as a table for a QTableView. It reads our own row store and
// follows it by its revision counters, so a million rows cost no widget items.
#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "catalogue/FileList.h"
#include "catalogue/ListColumns.h"
#include "platform/ThemeIconProvider.h"

namespace windows {

class FileListModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  using CheckSetter = std::function<void(int row, bool checked)>;
  FileListModel(const catalogue::FileList& list, CheckSetter setChecked, const platform::ThemeIconProvider* icons,
                QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // Dragging out of the lower list offers its checked files, whichever rows are dragged, in
  // the formats the clipboard command puts.
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
  // Only the lower list's rows can be dragged out.
  bool offersDrag() const { return !upper(); }

  // The caption of column `section`, as its record holds it.
  void setHeader(int section, const QString& caption);

  // Brings the view up to date with the store; true when the columns should be fitted.
  bool sync();

 private:
  catalogue::ListColumn column(const QModelIndex& index) const;
  bool upper() const { return list_.kind() == catalogue::FileList::Kind::Upper; }

  const catalogue::FileList& list_;
  CheckSetter setChecked_;
  const platform::ThemeIconProvider* icons_;
  QStringList headers_;
  int shownRows_ = 0;
  quint64 structureSeen_ = 0, dataSeen_ = 0, fitSeen_ = 0;
};

}  // namespace windows
