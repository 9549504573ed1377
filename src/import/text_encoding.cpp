#include "import/text_encoding.h"

#include <unicode/ucnv.h>

#include <memory>
#include <string>

namespace quorlin {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's name for a Windows code page number.
std::string ConverterName(unsigned codePage) {
  if (codePage == 65001) return "UTF-8";
  if (codePage == 1200) return "UTF-16LE";
  if (codePage == 1201) return "UTF-16BE";
  return "windows-" + std::to_string(codePage);
}

Converter OpenConverter(unsigned codePage) {
  UErrorCode status = U_ZERO_ERROR;
  // "windows-936" answers with an ambiguous-alias warning, which is not a failure.
  Converter converter(ucnv_open(ConverterName(codePage).c_str(), &status));
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }
std::u16string_view UpToZero(std::u16string_view units) { return units.substr(0, units.find(u'\0')); }

}  // namespace

std::u16string DecodeToUtf16(std::string_view text, unsigned codePage) {
  text = UpToZero(text);
  if (text.empty()) return {};
  Converter converter = OpenConverter(codePage);
  if (!converter) return {};
  // Every input byte yields at most one UTF-16 unit, or a surrogate pair for four bytes.
  std::u16string units(text.size() + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = ucnv_toUChars(converter.get(), units.data(), static_cast<int32_t>(units.size()),
                                 text.data(), static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status)) return {};
  units.resize(static_cast<size_t>(length));
  return units;
}

Text EncodeFromUtf16(std::u16string_view units, unsigned codePage) {
  units = UpToZero(units);
  if (units.empty()) return {};
  Converter converter = OpenConverter(codePage);
  if (!converter) return {};
  Text text(units.size() * 4 + 1, '\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = ucnv_fromUChars(converter.get(), text.data(), static_cast<int32_t>(text.size()),
                                   units.data(), static_cast<int32_t>(units.size()), &status);
  if (U_FAILURE(status)) return {};
  text.resize(static_cast<size_t>(length));
  return text;
}

Text ConvertUtf8ToGbk(std::string_view utf8) { return EncodeFromUtf16(DecodeToUtf16(utf8), 936); }

}  // namespace quorlin
