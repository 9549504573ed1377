#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "store/task_store.h"

namespace quorlin {

// A regular-expression search over a GBK subject in a JavaScript-like dialect (\w is ASCII only, groups
// count from 1). Failures are silent: they give the empty text, 0 or false.
class PatternMatcher {
 public:
  PatternMatcher();
  PatternMatcher(const PatternMatcher& other);  // shares the engine and the matches, copies the subject
  PatternMatcher& operator=(const PatternMatcher& other);
  ~PatternMatcher();

  bool Search(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
              bool multiline = true, bool global = true, bool quoteEscape = false);
  Text GetPattern() const;
  Text ReplaceMatches(std::string_view replacement) const;
  int GetMatchCount() const;
  // `position` receives the 0-based byte offset of the text in the subject, or -1 when there is no such
  // match or the group took no part in the match.
  Text GetMatchText(int matchIndex, int* position = nullptr) const;
  Text GetSubMatchText(int matchIndex, int subMatchIndex, int* position = nullptr) const;
  int GetSubMatchCount() const;

 private:
  struct Engine;
  std::shared_ptr<const Engine> engine_;
  Text subject_;
};

// The file name without its last extension, cut out of a GBK path; empty when the path has no usable
// extension.
Text TaskNameFromPath(std::string_view path);

}  // namespace quorlin
