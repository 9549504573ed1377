#include "ui/lesson_list_model.h"

#include "ui/gbk_qt.h"

namespace quorlin {

void LessonListModel::SetRows(std::vector<Text> texts, std::vector<bool> ticked, QSize itemSize) {
  beginResetModel();
  texts_ = std::move(texts);
  ticked_ = std::move(ticked);
  ticked_.resize(texts_.size());
  itemSize_ = itemSize;
  endResetModel();
}

bool LessonListModel::IsTicked(int row) const {
  return row >= 0 && row < RowCount() && ticked_[static_cast<size_t>(row)];
}

int LessonListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RowCount(); }

bool LessonListModel::IsRow(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.column() == 0 && index.row() < RowCount();
}

QVariant LessonListModel::data(const QModelIndex& index, int role) const {
  if (!IsRow(index)) return {};
  const auto row = static_cast<size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return FromGbk(texts_[row]);
    case Qt::CheckStateRole:
      return ticked_[row] ? Qt::Checked : Qt::Unchecked;
    case Qt::SizeHintRole:
      return itemSize_.isValid() ? QVariant(itemSize_) : QVariant();
    default:
      return {};
  }
}

bool LessonListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!IsRow(index) || role != Qt::CheckStateRole) return false;
  ticked_[static_cast<size_t>(index.row())] = value.toInt() == Qt::Checked;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags LessonListModel::flags(const QModelIndex& index) const {
  if (!IsRow(index)) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

}  // namespace quorlin
