// Cell texts are made when the view asks for them; sizes are formatted on demand.
#include "windows/FileListModel.h"

#include <QMimeData>

#include "output/BurnerLaunch.h"
#include "output/FileDrop.h"

namespace windows {

using catalogue::ListColumn;

FileListModel::FileListModel(const catalogue::FileList& list, CheckSetter setChecked,
                             const platform::ThemeIconProvider* icons, QObject* parent)
    : QAbstractTableModel(parent), list_(list), setChecked_(std::move(setChecked)), icons_(icons) {
  shownRows_ = list_.count();
  structureSeen_ = list_.structureRevision();
  dataSeen_ = list_.dataRevision();
  fitSeen_ = list_.fitRevision();
}

int FileListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int FileListModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return int(catalogue::listColumns(list_.kind()).size());
}

catalogue::ListColumn FileListModel::column(const QModelIndex& index) const {
  return catalogue::listColumn(list_.kind(), index.column());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.count()) return {};
  const catalogue::FileEntry& e = list_.at(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return catalogue::columnFacts(column(index)).text(e);
    case Qt::CheckStateRole:
      if (column(index) == ListColumn::Name) return e.checked ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::DecorationRole:
      if (column(index) == ListColumn::Name && icons_ && e.icon > 0) return icons_->icon(e.icon);
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (catalogue::columnFacts(column(index)).alignsRight ? Qt::AlignRight : Qt::AlignLeft));
    default:
      return {};
  }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= columnCount()) return {};
  return headers_.value(section);
}

void FileListModel::setHeader(int section, const QString& caption) {
  if (section < 0 || section >= columnCount()) return;
  while (headers_.size() <= section) headers_.append(QString());
  if (headers_[section] == caption) return;
  headers_[section] = caption;
  Q_EMIT headerDataChanged(Qt::Horizontal, section, section);
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (!index.isValid()) return f;  // the root is no row: nothing to check or drag
  if (column(index) == ListColumn::Name) f |= Qt::ItemIsUserCheckable;
  if (offersDrag()) f |= Qt::ItemIsDragEnabled;
  return f;
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || column(index) != ListColumn::Name ||
      index.row() >= list_.count())
    return false;
  setChecked_(index.row(), value.toInt() == Qt::Checked);
  dataSeen_ = list_.dataRevision();
  Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

QStringList FileListModel::mimeTypes() const { return output::fileDropFormats(); }

QMimeData* FileListModel::mimeData(const QModelIndexList&) const {
  // Only files go out: a folder or a device a loaded list named is never handed on.
  QStringList notFiles;
  const QStringList paths = output::regularFiles(list_.fullPaths(true), notFiles);
  if (paths.isEmpty()) return nullptr;
  return output::fileDropData(paths).release();  // handed to the drag, which owns it
}

bool FileListModel::sync() {
  if (structureSeen_ != list_.structureRevision()) {
    beginResetModel();
    shownRows_ = list_.count();
    structureSeen_ = list_.structureRevision();
    dataSeen_ = list_.dataRevision();
    endResetModel();
  } else if (shownRows_ < list_.count()) {
    beginInsertRows({}, shownRows_, list_.count() - 1);
    shownRows_ = list_.count();
    endInsertRows();
  }
  if (dataSeen_ != list_.dataRevision()) {
    dataSeen_ = list_.dataRevision();
    if (shownRows_ > 0) Q_EMIT dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1));
  }
  const bool fit = fitSeen_ != list_.fitRevision();
  fitSeen_ = list_.fitRevision();
  return fit;
}

}  // namespace windows
