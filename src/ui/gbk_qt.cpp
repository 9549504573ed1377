#include "ui/gbk_qt.h"

#include "import/text_encoding.h"

namespace quorlin {

QString FromGbk(std::string_view text) { return QString::fromStdU16String(DecodeToUtf16(text, 936)); }

Text ToGbk(const QString& text) {
  return EncodeFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()),
                         936);
}

}  // namespace quorlin
