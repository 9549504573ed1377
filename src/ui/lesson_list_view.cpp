#include "ui/lesson_list_view.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyleOptionViewItem>
#include <algorithm>

#include "ui/gbk_qt.h"

namespace quorlin {
namespace {

constexpr float kUnknown = -1;

}  // namespace

LessonListView::LessonListView(QWidget* parent) : QListView(parent), model_(this) {
  // The view mode resets flow and wrapping, so it comes first.
  setViewMode(QListView::ListMode);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setModel(&model_);
}

void LessonListView::ShowRows(std::vector<Text> texts, std::vector<bool> ticked) {
  const QSize itemSize = ItemSizeFor(texts);
  model_.SetRows(std::move(texts), std::move(ticked), itemSize);
}

void LessonListView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) advances_.clear();
  QListView::changeEvent(event);
}

double LessonListView::Advance(const Text& text, size_t at, size_t length) {
  size_t code = static_cast<unsigned char>(text[at]);
  if (length == 2) code = (code << 8) | static_cast<unsigned char>(text[at + 1]);
  if (advances_.empty()) advances_.assign(0x10000, kUnknown);
  float& advance = advances_[code];
  if (advance == kUnknown) {
    advance = static_cast<float>(QFontMetricsF(font()).horizontalAdvance(FromGbk(text.substr(at, length))));
  }
  return advance;
}

QSize LessonListView::ItemSizeFor(const std::vector<Text>& texts) {
  if (texts.empty()) return {};
  // Measuring every text with the font's shaper would cost far more than the rest of filling the list, so
  // the widest row is found by summing cached per-character advances, and only that row is measured.
  size_t widest = 0;
  double widestAdvance = -1;
  for (size_t row = 0; row < texts.size(); ++row) {
    const Text& text = texts[row];
    double advance = 0;
    for (size_t at = 0; at < text.size();) {
      // A lead byte and the byte after it are one character.
      const size_t length = static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
      advance += Advance(text, at, length);
      at += length;
    }
    if (advance > widestAdvance) {
      widestAdvance = advance;
      widest = row;
    }
  }

  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasCheckIndicator;
  option.checkState = Qt::Checked;
  option.text = FromGbk(texts[widest]);
  QSize size = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
  // Every row gets this height, so it must also fit a row with Chinese and descenders, which a Latin widest
  // row may lack.
  option.text = QStringLiteral("Ágj汉");
  size.setHeight(std::max(
      size.height(), style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height()));
  return size;
}

}  // namespace quorlin
