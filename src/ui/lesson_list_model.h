#pragma once

#include <QAbstractListModel>
#include <QSize>
#include <vector>

#include "store/task_store.h"

namespace quorlin {

// The checklist's rows: GBK texts with a tick each. Texts are decoded only when a row is shown, and every
// row reports the same size hint so that a view with uniform item sizes fits the widest text.
class LessonListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Replaces every row at once; missing ticks are unticked.
  void SetRows(std::vector<Text> texts, std::vector<bool> ticked, QSize itemSize);

  int RowCount() const { return static_cast<int>(texts_.size()); }
  bool IsTicked(int row) const;
  const Text& RowText(int row) const { return texts_.at(static_cast<size_t>(row)); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  bool IsRow(const QModelIndex& index) const;

  std::vector<Text> texts_;
  std::vector<bool> ticked_;
  QSize itemSize_;
};

}  // namespace quorlin
