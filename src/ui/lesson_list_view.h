#pragma once

#include <QListView>
#include <string_view>
#include <vector>

#include "store/task_store.h"
#include "ui/lesson_list_model.h"

namespace quorlin {

// The lesson checklist: check boxes laid out top to bottom in columns with a horizontal scroll bar,
// single selection, no editing. Click and space toggle a tick.
class LessonListView : public QListView {
  Q_OBJECT

 public:
  explicit LessonListView(QWidget* parent = nullptr);

  void ShowRows(std::vector<Text> texts, std::vector<bool> ticked);
  LessonListModel& lessons() { return model_; }
  const LessonListModel& lessons() const { return model_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The size every cell gets: that of the row whose text is widest in the current font.
  QSize ItemSizeFor(const std::vector<Text>& texts);
  float MeasureAdvance(std::string_view character);

  LessonListModel model_;
  // Advance widths in the current font, by one-byte code (below 0x100) or double-byte code.
  std::vector<float> advances_;
};

}  // namespace quorlin
