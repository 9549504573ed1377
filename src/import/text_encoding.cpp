#include "import/text_encoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

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

// ICU's own substitution skips default-ignorable characters such as U+FEFF without a trace; here every
// character the code page lacks leaves a '?' behind, so that nothing vanishes unnoticed.
void SubstituteQuestionMark(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t, UChar32,
                            UConverterCallbackReason reason, UErrorCode* status) {
  if (reason != UCNV_UNASSIGNED && reason != UCNV_ILLEGAL && reason != UCNV_IRREGULAR) return;
  *status = U_ZERO_ERROR;
  ucnv_cbFromUWriteBytes(args, "?", 1, 0, status);
}

std::u16string_view UpToZero(std::u16string_view units) { return units.substr(0, units.find(u'\0')); }

// Converts all of `text`, growing the output when a code page yields more units than bytes. Offsets, when
// asked for, are relative to the start of `text`.
bool DecodeAll(UConverter* converter, std::string_view text, std::u16string& units,
               std::vector<int32_t>* offsets) {
  units.assign(text.size() + 1, u'\0');
  if (offsets) offsets->assign(units.size(), 0);
  const char* source = text.data();
  const char* sourceLimit = text.data() + text.size();
  size_t written = 0;
  for (;;) {
    UChar* target = units.data() + written;
    const char* chunkStart = source;
    int32_t* chunkOffsets = offsets ? offsets->data() + written : nullptr;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(converter, &target, units.data() + units.size(), &source, sourceLimit, chunkOffsets, true,
                   &status);
    size_t end = static_cast<size_t>(target - units.data());
    if (offsets) {
      for (size_t i = written; i < end; ++i) (*offsets)[i] += static_cast<int32_t>(chunkStart - text.data());
    }
    written = end;
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      units.resize(units.size() * 2);
      if (offsets) offsets->resize(units.size());
      continue;
    }
    if (U_FAILURE(status)) return false;
    units.resize(written);
    if (offsets) offsets->resize(written);
    return true;
  }
}

}  // namespace

std::u16string DecodeToUtf16(std::string_view text, unsigned codePage) {
  text = UpToZero(text);
  if (text.empty()) return {};
  Converter converter = OpenConverter(codePage);
  if (!converter) return {};
  std::u16string units;
  if (!DecodeAll(converter.get(), text, units, nullptr)) return {};
  return units;
}

std::u16string DecodeToUtf16WithOffsets(std::string_view text, unsigned codePage,
                                        std::vector<int32_t>& byteOffsets) {
  byteOffsets.clear();
  text = UpToZero(text);
  if (text.empty()) return {};
  Converter converter = OpenConverter(codePage);
  if (!converter) return {};
  std::u16string units;
  if (!DecodeAll(converter.get(), text, units, &byteOffsets)) {
    byteOffsets.clear();
    return {};
  }
  return units;
}

Text EncodeFromUtf16(std::u16string_view units, unsigned codePage) {
  units = UpToZero(units);
  if (units.empty()) return {};
  Converter converter = OpenConverter(codePage);
  if (!converter) return {};
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setFromUCallBack(converter.get(), SubstituteQuestionMark, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) return {};
  Text text(UCNV_GET_MAX_BYTES_FOR_STRING(units.size(), ucnv_getMaxCharSize(converter.get())), '\0');
  int32_t length = ucnv_fromUChars(converter.get(), text.data(), static_cast<int32_t>(text.size()),
                                   units.data(), static_cast<int32_t>(units.size()), &status);
  if (U_FAILURE(status)) return {};
  text.resize(static_cast<size_t>(length));
  return text;
}

Text ConvertUtf8ToGbk(std::string_view utf8) { return EncodeFromUtf16(DecodeToUtf16(utf8), 936); }

std::optional<std::u16string> DecodeStrictUtf8(std::string_view bytes) {
  if (bytes.empty()) return std::u16string();
  Converter converter = OpenConverter(65001);
  if (!converter) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) return std::nullopt;
  std::u16string units;
  if (!DecodeAll(converter.get(), bytes, units, nullptr)) return std::nullopt;
  return units;
}

std::optional<Text> ConvertValidUtf8ToGbk(std::string_view utf8) {
  if (utf8.empty()) return Text();
  Converter source = OpenConverter(65001);
  Converter target = OpenConverter(936);
  if (!source || !target) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setToUCallBack(source.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFromUCallBack(target.get(), SubstituteQuestionMark, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) return std::nullopt;
  // No character takes more bytes in GBK than in UTF-8.
  Text gbk(utf8.size(), '\0');
  char* out = gbk.data();
  const char* in = utf8.data();
  ucnv_convertEx(target.get(), source.get(), &out, gbk.data() + gbk.size(), &in, utf8.data() + utf8.size(),
                 nullptr, nullptr, nullptr, nullptr, true, true, &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) {
    std::optional<std::u16string> units = DecodeStrictUtf8(utf8);
    if (!units) return std::nullopt;
    return EncodeFromUtf16(*units, 936);
  }
  if (U_FAILURE(status)) return std::nullopt;
  gbk.resize(static_cast<size_t>(out - gbk.data()));
  return gbk;
}

}  // namespace quorlin
