#include "ui/task_name_model.h"

#include <iterator>

#include "ui/gbk_qt.h"

namespace quorlin {

void TaskNameModel::Append(std::vector<Text> names) {
  if (names.empty()) return;
  const int first = Count();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(names.size()) - 1);
  names_.insert(names_.end(), std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
  shown_.resize(names_.size());
  endInsertRows();
}

int TaskNameModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

bool TaskNameModel::IsRow(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.column() == 0 && index.row() < Count();
}

const QString& TaskNameModel::Shown(size_t row) const {
  std::optional<QString>& shown = shown_[row];
  if (!shown) shown = FromGbk(names_[row]);
  return *shown;
}

QVariant TaskNameModel::data(const QModelIndex& index, int role) const {
  if (!IsRow(index)) return {};
  const auto row = static_cast<size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Shown(row);
    case kGbkRole:
      return QByteArray(names_[row].data(), static_cast<qsizetype>(names_[row].size()));
    default:
      return {};
  }
}

bool TaskNameModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!IsRow(index)) return false;
  const auto row = static_cast<size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      names_[row] = ToGbk(value.toString());
      break;
    case kGbkRole:
      names_[row] = value.toByteArray().toStdString();
      break;
    default:
      return false;
  }
  // Shown again from the stored bytes, so that the display never claims more than GBK holds.
  shown_[row].reset();
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, kGbkRole});
  return true;
}

Qt::ItemFlags TaskNameModel::flags(const QModelIndex& index) const {
  if (!IsRow(index)) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool TaskNameModel::insertRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || row > Count() || count <= 0) return false;
  beginInsertRows(QModelIndex(), row, row + count - 1);
  names_.insert(names_.begin() + row, static_cast<size_t>(count), Text());
  shown_.insert(shown_.begin() + row, static_cast<size_t>(count), std::nullopt);
  endInsertRows();
  return true;
}

bool TaskNameModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count <= 0 || count > Count() - row) return false;
  beginRemoveRows(QModelIndex(), row, row + count - 1);
  names_.erase(names_.begin() + row, names_.begin() + row + count);
  shown_.erase(shown_.begin() + row, shown_.begin() + row + count);
  endRemoveRows();
  return true;
}

}  // namespace quorlin
