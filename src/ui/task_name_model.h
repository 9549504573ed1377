#pragma once

#include <QAbstractListModel>
#include <optional>
#include <vector>

#include "store/task_store.h"

namespace quorlin {

// A selector's items: GBK task names in the order they were added. Each name is decoded for display only
// when its item is first shown, so listing a large store costs no per-item conversion or allocation; the
// exact bytes stay available through kGbkRole.
class TaskNameModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  // Item data holding an item's exact GBK bytes, which need not survive a trip through UTF-16.
  static constexpr int kGbkRole = Qt::UserRole;

  using QAbstractListModel::QAbstractListModel;

  // Appends the names at the end, all in one insertion.
  void Append(std::vector<Text> names);

  int Count() const { return static_cast<int>(names_.size()); }
  const Text& Name(int row) const { return names_.at(static_cast<size_t>(row)); }
  const std::vector<Text>& Names() const { return names_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The text roles are stored as GBK; kGbkRole takes the bytes as they are.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
  bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

 private:
  bool IsRow(const QModelIndex& index) const;
  const QString& Shown(size_t row) const;

  std::vector<Text> names_;
  // The decoded names, filled as items are shown; kept the same length as names_.
  mutable std::vector<std::optional<QString>> shown_;
};

}  // namespace quorlin
