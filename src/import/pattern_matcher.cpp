#include "import/pattern_matcher.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "import/text_encoding.h"

namespace quorlin {
namespace {

constexpr unsigned kGbk = 936;

// "#引号", which a quote-escaped pattern uses in place of a double quote.
constexpr std::string_view kQuoteMark = "#\xD2\xFD\xBA\xC5";

// Matches the file name without its last extension at the end of a path.
constexpr std::string_view kFileNamePattern = R"re(([^<>/\\\|:''\*\?]+)\.\w+$)re";
static_assert(kFileNamePattern.size() == 26);

Text ReplaceQuoteMarks(std::string_view pattern) {
  Text result;
  result.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size();) {
    if (pattern.substr(i, kQuoteMark.size()) == kQuoteMark) {
      result += '"';
      i += kQuoteMark.size();
      continue;
    }
    size_t width = static_cast<unsigned char>(pattern[i]) >= 0x80 && i + 1 < pattern.size() ? 2 : 1;
    result.append(pattern.substr(i, width));
    i += width;
  }
  return result;
}

// Backtracking steps one match attempt may take: far more than any file name needs, and a few
// milliseconds of work at most.
constexpr uint32_t kMatchLimit = 1'000'000;

struct CodeDeleter {
  void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct MatchContextDeleter {
  void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct CompileContextDeleter {
  void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};

// Options that make PCRE2 read a pattern the way the JavaScript-like dialect does: \w, \d, \s and \b stay
// ASCII (no UCP), \uhhhh escapes are known, [] and [^] are classes, a back reference to a group that did
// not take part matches the empty text, and without multiline "$" is only the very end of the subject.
uint32_t CompileOptions(bool ignoreCase, bool multiline) {
  uint32_t options = PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF;
  if (ignoreCase) options |= PCRE2_CASELESS;
  options |= multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  return options;
}

}  // namespace

struct PatternMatcher::Engine {
  struct Span {
    bool matched = false;
    int position = -1;  // byte offset in the subject
    Text text;
  };
  struct Match {
    Span whole;
    std::vector<Span> groups;
  };

  Text pattern;
  bool compiled = false;
  std::vector<Match> matches;

  const Match* Find(int matchIndex) const {
    if (matchIndex < 1 || static_cast<size_t>(matchIndex) > matches.size()) return nullptr;
    return &matches[static_cast<size_t>(matchIndex) - 1];
  }
};

PatternMatcher::PatternMatcher() = default;
PatternMatcher::PatternMatcher(const PatternMatcher& other) = default;
PatternMatcher& PatternMatcher::operator=(const PatternMatcher& other) = default;
PatternMatcher::~PatternMatcher() = default;

bool PatternMatcher::Search(std::string_view pattern, std::string_view subject, bool caseSensitive,
                            bool multiline, bool global, bool quoteEscape) {
  auto engine = std::make_shared<Engine>();
  engine->pattern = Text(UpToZero(quoteEscape ? ReplaceQuoteMarks(pattern) : Text(pattern)));
  subject_ = Text(UpToZero(subject));
  engine_ = engine;

  std::unique_ptr<pcre2_compile_context, CompileContextDeleter> context(
      pcre2_compile_context_create(nullptr));
  if (!context) return false;
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANYCRLF);
  std::u16string pattern16 = DecodeToUtf16(engine->pattern, kGbk);
  int errorCode = 0;
  PCRE2_SIZE errorOffset = 0;
  std::unique_ptr<pcre2_code, CodeDeleter> code(
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern16.data()), pattern16.size(),
                    CompileOptions(!caseSensitive, multiline), &errorCode, &errorOffset, context.get()));
  if (!code) return false;
  std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(
      pcre2_match_data_create_from_pattern(code.get(), nullptr));
  if (!data) return false;
  uint32_t groupCount = 0;
  pcre2_pattern_info(code.get(), PCRE2_INFO_CAPTURECOUNT, &groupCount);

  std::vector<int32_t> offsets;
  std::u16string subject16 = DecodeToUtf16WithOffsets(subject_, kGbk, offsets);
  auto byteAt = [&](PCRE2_SIZE unit) {
    return unit < offsets.size() ? static_cast<size_t>(offsets[unit]) : subject_.size();
  };
  auto span = [&](PCRE2_SIZE begin, PCRE2_SIZE end) {
    Engine::Span result;
    result.matched = true;
    size_t first = byteAt(begin);
    size_t last = std::max(first, byteAt(end));
    result.position = static_cast<int>(first);
    result.text = subject_.substr(first, last - first);
    return result;
  };

  // A pattern that backtracks without end (such as "(.*)+x") gives up instead of freezing the window.
  std::unique_ptr<pcre2_match_context, MatchContextDeleter> limits(pcre2_match_context_create(nullptr));
  if (!limits) return false;
  pcre2_set_match_limit(limits.get(), kMatchLimit);

  std::vector<Engine::Match> matches;
  PCRE2_SIZE start = 0;
  while (start <= subject16.size()) {
    int rc = pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(subject16.data()), subject16.size(), start,
                         0, data.get(), limits.get());
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) return false;  // the engine gave up (a match limit, for instance): no collection
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
    Engine::Match match;
    match.whole = span(ovector[0], ovector[1]);
    match.groups.resize(groupCount);
    for (uint32_t group = 1; group <= groupCount; ++group) {
      if (static_cast<int>(group) >= rc || ovector[2 * group] == PCRE2_UNSET) continue;
      match.groups[group - 1] = span(ovector[2 * group], ovector[2 * group + 1]);
    }
    matches.push_back(std::move(match));
    if (!global) break;
    // After an empty match the next search starts one unit further on, as in JavaScript.
    PCRE2_SIZE next = ovector[1] > ovector[0] ? ovector[1] : ovector[0] + 1;
    start = std::max(next, start + 1);
  }
  engine->compiled = true;
  engine->matches = std::move(matches);
  return true;
}

Text PatternMatcher::GetPattern() const { return engine_ ? engine_->pattern : Text(); }

Text PatternMatcher::ReplaceMatches(std::string_view replacement) const {
  if (!engine_ || !engine_->compiled) return {};
  replacement = UpToZero(replacement);
  Text result;
  size_t copied = 0;
  for (const Engine::Match& match : engine_->matches) {
    size_t begin = static_cast<size_t>(match.whole.position);
    size_t end = begin + match.whole.text.size();
    result.append(subject_, copied, begin - copied);
    for (size_t i = 0; i < replacement.size();) {
      char c = replacement[i];
      if (static_cast<unsigned char>(c) >= 0x80 && i + 1 < replacement.size()) {
        result.append(replacement.substr(i, 2));
        i += 2;
        continue;
      }
      if (c != '$' || i + 1 == replacement.size()) {
        result += c;
        ++i;
        continue;
      }
      char next = replacement[i + 1];
      if (next == '$') {
        result += '$';
        i += 2;
      } else if (next == '&') {
        result += match.whole.text;
        i += 2;
      } else if (next == '`') {
        result.append(subject_, 0, begin);
        i += 2;
      } else if (next == '\'') {
        result.append(subject_, end);
        i += 2;
      } else if (next >= '0' && next <= '9') {
        // Two digits when they name a group, else one digit when it names a group, else the text as is.
        size_t groups = match.groups.size();
        size_t one = static_cast<size_t>(next - '0');
        size_t digits = 0;
        size_t group = 0;
        if (i + 2 < replacement.size() && replacement[i + 2] >= '0' && replacement[i + 2] <= '9') {
          size_t two = one * 10 + static_cast<size_t>(replacement[i + 2] - '0');
          if (two >= 1 && two <= groups) digits = 2, group = two;
        }
        if (digits == 0 && one >= 1 && one <= groups) digits = 1, group = one;
        if (digits == 0) {
          result += '$';
          ++i;
        } else {
          result += match.groups[group - 1].text;
          i += 1 + digits;
        }
      } else {
        result += '$';
        ++i;
      }
    }
    copied = end;
  }
  result.append(subject_, copied);
  return result;
}

int PatternMatcher::GetMatchCount() const { return engine_ ? static_cast<int>(engine_->matches.size()) : 0; }

Text PatternMatcher::GetMatchText(int matchIndex, int* position) const {
  const Engine::Match* match = engine_ ? engine_->Find(matchIndex) : nullptr;
  if (position) *position = match ? match->whole.position : -1;
  return match ? match->whole.text : Text();
}

Text PatternMatcher::GetSubMatchText(int matchIndex, int subMatchIndex, int* position) const {
  const Engine::Match* match = engine_ ? engine_->Find(matchIndex) : nullptr;
  const Engine::Span* group = nullptr;
  if (match && subMatchIndex >= 1 && static_cast<size_t>(subMatchIndex) <= match->groups.size()) {
    group = &match->groups[static_cast<size_t>(subMatchIndex) - 1];
  }
  if (position) *position = group && group->matched ? group->position : -1;
  return group ? group->text : Text();
}

int PatternMatcher::GetSubMatchCount() const {
  const Engine::Match* match = engine_ ? engine_->Find(1) : nullptr;
  return match ? static_cast<int>(match->groups.size()) : 0;
}

Text TaskNameFromPath(std::string_view path) {
  PatternMatcher matcher;
  matcher.Search(kFileNamePattern, path);
  return matcher.GetSubMatchText(1, 1);
}

}  // namespace quorlin
