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

float LessonListView::MeasureAdvance(std::string_view character) {
  return static_cast<float>(QFontMetricsF(font()).horizontalAdvance(FromGbk(character)));
}

QSize LessonListView::ItemSizeFor(const std::vector<Text>& texts) {
  if (texts.empty()) return {};
  // Measuring every text with the font's shaper would cost far more than the rest of filling the list, so
  // the widest row is found by summing cached per-character advances, and only that row is measured.
  if (advances_.empty()) advances_.assign(0x10000, kUnknown);
  float* const advances = advances_.data();
  size_t widest = 0;
  float widestAdvance = -1;
  for (size_t row = 0; row < texts.size(); ++row) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(texts[row].data());
    const size_t size = texts[row].size();
    float advance = 0;
    for (size_t at = 0; at < size;) {
      // A lead byte and the byte after it are one character, keyed by both bytes; a one-byte character is
      // keyed below 0x100, where no double-byte code falls.
      const bool pair = bytes[at] >= 0x80 && at + 1 < size;
      const size_t code = pair ? (size_t{bytes[at]} << 8) | bytes[at + 1] : bytes[at];
      const size_t length = pair ? 2 : 1;
      if (advances[code] == kUnknown) {
        advances[code] = MeasureAdvance(std::string_view(texts[row]).substr(at, length));
      }
      advance += advances[code];
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
