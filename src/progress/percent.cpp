#include "progress/percent.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace quorlin {

namespace {

// Rounds to one decimal, halves away from zero. The small addend makes exact halves round up even when
// the binary quotient lies a hair below the half; not-a-number and zero pass through unchanged.
double RoundToTenth(double percent) {
  if (percent == 0 || std::isnan(percent)) return percent;
  double tenths = std::fabs(percent) * 10;
  double nudged = tenths + 0.000000000001;
  double whole = std::floor(nudged);
  if (nudged - whole >= 0.5) whole += 1;
  return std::copysign(whole / 10, percent);
}

// The character at `pos` folded to ASCII: full-width forms become their ASCII character and the
// ideographic space a blank. Any other character, and a zero byte, give '\0'. `width` is its byte length.
char FoldedChar(std::string_view text, std::size_t pos, std::size_t& width) {
  auto lead = static_cast<unsigned char>(text[pos]);
  width = 1;
  if (lead < 0x80) return static_cast<char>(lead);
  if (pos + 1 >= text.size()) return '\0';
  auto trail = static_cast<unsigned char>(text[pos + 1]);
  width = 2;
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead == 0xA1 && trail == 0xA1) return ' ';
  return '\0';
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

double PercentOf(int done, int total) { return PercentOfSums(done, total); }

double PercentOfSums(std::int64_t done, std::int64_t total) {
  double quotient = static_cast<double>(done) / static_cast<double>(total);
  return RoundToTenth(quotient * 100);
}

Text PercentText(double percent) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::general, 13);
  return Text(buffer, result.ptr);
}

int TextToInt(std::string_view text) {
  std::size_t pos = 0;
  std::size_t width = 0;
  char c = '\0';
  while (pos < text.size() && IsBlank(c = FoldedChar(text, pos, width))) pos += width;
  if (pos >= text.size()) return 0;

  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    pos += width;
  }
  // Values beyond the int range saturate instead of wrapping.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t value = 0;
  while (pos < text.size()) {
    c = FoldedChar(text, pos, width);
    if (c < '0' || c > '9') break;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), limit);
    pos += width;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace quorlin
