#include "ui/gbk_qt.h"

#include "import/text_encoding.h"

namespace quorlin {

QString FromGbk(std::string_view text) { return QString::fromStdU16String(DecodeToUtf16(text, 936)); }

namespace {

// True when the text holds no zero byte and does not end inside a double-byte character, so that the
// decoding of the text that follows it cannot start in the middle of a character.
bool DecodesOnItsOwn(std::string_view text) {
  size_t at = 0;
  while (at < text.size()) at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
  return at == text.size() && text.find('\0') == std::string_view::npos;
}

}  // namespace

QStringList FromGbkEach(const std::vector<Text>& texts) {
  QStringList decoded;
  decoded.reserve(static_cast<qsizetype>(texts.size()));
  const auto oneByOne = [&] {
    decoded.clear();
    for (const Text& text : texts) decoded.append(FromGbk(text));
    return decoded;
  };
  Text joined;
  std::vector<size_t> starts;
  starts.reserve(texts.size() + 1);
  for (const Text& text : texts) {
    if (!DecodesOnItsOwn(text)) return oneByOne();
    starts.push_back(joined.size());
    joined += text;
  }
  starts.push_back(joined.size());

  // Each unit knows the offset of the bytes it came from, so the units of text k are those from the
  // bytes of [starts[k], starts[k + 1]).
  std::vector<int32_t> offsets;
  const std::u16string units = DecodeToUtf16WithOffsets(joined, 936, offsets);
  if (units.empty() != joined.empty() || offsets.size() != units.size()) return oneByOne();
  size_t unit = 0;
  for (size_t k = 0; k < texts.size(); ++k) {
    const size_t first = unit;
    while (unit < units.size() && static_cast<size_t>(offsets[unit]) < starts[k + 1]) ++unit;
    decoded.append(
        QString(reinterpret_cast<const QChar*>(units.data() + first), static_cast<qsizetype>(unit - first)));
  }
  if (unit != units.size()) return oneByOne();
  return decoded;
}

Text ToGbk(const QString& text) {
  return EncodeFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()),
                         936);
}

}  // namespace quorlin
