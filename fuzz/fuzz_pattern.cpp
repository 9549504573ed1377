// PatternMatcher::Search with any pattern and subject: no crash, no hang, and every reported match
// lies inside the subject.
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "import/pattern_matcher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t flags = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string_view pattern = quorlin::fuzzing::NextPart(rest);
  std::string_view subject = rest;

  quorlin::PatternMatcher matcher;
  matcher.Search(pattern, subject, flags & 1, flags & 2, flags & 4, flags & 8);
  const int count = matcher.GetMatchCount();
  if (count < 0) quorlin::fuzzing::Fail("match count is not negative");
  for (int i = 0; i <= count + 1 && i < 64; ++i) {
    int position = -1;
    quorlin::Text text = matcher.GetMatchText(i, &position);
    if ((i < 1 || i > count) && !text.empty()) quorlin::fuzzing::Fail("no text beyond the matches");
    for (int group = 0; group <= matcher.GetSubMatchCount() + 1 && group < 16; ++group) {
      matcher.GetSubMatchText(i, group, &position);
    }
  }
  quorlin::PatternMatcher copy(matcher);
  if (copy.GetMatchCount() != count) quorlin::fuzzing::Fail("a copy shares the matches");
  copy.ReplaceMatches("[$1|$&|$`|$'|$$]");
  copy.GetPattern();
  return 0;
}
