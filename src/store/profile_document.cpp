#include "store/profile_document.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "store/gbk_scan.h"

namespace quorlin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view kLineBreak = "\r\n";

// Where the next line break starts, or the end of the text.
size_t LineEnd(std::string_view text, size_t from) {
  const char* at = text.data() + from;
  const char* end = text.data() + text.size();
  while (at != end && *at != '\r' && *at != '\n') ++at;
  return static_cast<size_t>(at - text.data());
}

}  // namespace

std::string ApplySplice(std::string_view bytes, const Splice& splice) {
  std::string result;
  result.reserve(bytes.size() - splice.erase + splice.insert.size());
  result.append(bytes.substr(0, splice.at));
  result.append(splice.insert);
  result.append(bytes.substr(splice.at + splice.erase));
  return result;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

ProfileDocument::ProfileDocument(std::string bytes) : bytes_(std::move(bytes)) { Parse(); }

void ProfileDocument::Parse() {
  const std::string_view text = bytes_;
  for (size_t begin = 0; begin < text.size();) {
    Line line{};
    line.begin = begin;
    line.end = LineEnd(text, begin);
    line.next = line.end;
    if (line.next < text.size()) {
      line.next +=
          text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n' ? 2 : 1;
    }
    ParseLine(line);
    if (line.kind == LineKind::Header) {
      if (!sections_.empty()) sections_.back().endLine = lines_.size();
      const std::string_view name = NameOf(line);
      if (!name.empty() && firstSection_.emplace(name, sections_.size()).second)
        sectionNames_.emplace_back(name);
      sections_.push_back(Section{lines_.size(), 0});
    }
    lines_.push_back(line);
    begin = line.next;
  }
  if (!sections_.empty()) sections_.back().endLine = lines_.size();
}

void ProfileDocument::ParseLine(Line& line) const {
  const std::string_view content = std::string_view(bytes_).substr(line.begin, line.end - line.begin);
  size_t first = 0;
  while (first < content.size() && IsBlank(content[first])) ++first;
  line.kind = LineKind::Other;
  if (first == content.size() || content[first] == ';') return;

  if (content[first] == '[') {
    const size_t close = FindLastChar(content, ']');
    if (close == std::string_view::npos || close < first) return;
    const std::string_view name = TrimBlanks(content.substr(first + 1, close - first - 1));
    line.kind = LineKind::Header;
    line.nameBegin = line.begin + static_cast<size_t>(name.data() - content.data());
    line.nameEnd = line.nameBegin + name.size();
    return;
  }

  const size_t equals = FindChar(content, '=', first);
  if (equals == std::string_view::npos) return;
  const std::string_view key = TrimBlanks(content.substr(first, equals - first));
  if (key.empty()) return;
  line.kind = LineKind::Key;
  line.nameBegin = line.begin + static_cast<size_t>(key.data() - content.data());
  line.nameEnd = line.nameBegin + key.size();
  line.valueBegin = line.begin + equals + 1;
}

std::string_view ProfileDocument::NameOf(const Line& line) const {
  return std::string_view(bytes_).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const {
  const auto found = firstSection_.find(name);
  return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

const ProfileDocument::Line* ProfileDocument::FindKey(const Section& section, std::string_view key) const {
  for (size_t i = section.headerLine + 1; i < section.endLine; ++i) {
    if (lines_[i].kind == LineKind::Key && NameOf(lines_[i]) == key) return &lines_[i];
  }
  return nullptr;
}

std::optional<std::string_view> ProfileDocument::FindValue(std::string_view section,
                                                           std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  const Line* line = FindKey(*found, key);
  if (line == nullptr) return std::nullopt;
  return std::string_view(bytes_).substr(line->valueBegin, line->end - line->valueBegin);
}

std::optional<Splice> ProfileDocument::SetValue(std::string_view section, std::string_view key,
                                                std::string_view value) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return AppendSection(section, {{key, value}});

  if (const Line* line = FindKey(*found, key)) {
    const size_t length = line->end - line->valueBegin;
    if (std::string_view(bytes_).substr(line->valueBegin, length) == value) return std::nullopt;
    return Splice{line->valueBegin, length, std::string(value)};
  }

  size_t after = found->headerLine;
  for (size_t i = found->headerLine + 1; i < found->endLine; ++i) {
    if (lines_[i].kind == LineKind::Key) after = i;
  }
  const Line& previous = lines_[after];
  Splice splice{previous.next, 0, {}};
  splice.insert.reserve(kLineBreak.size() * 2 + key.size() + 1 + value.size());
  // The line we add after has no line break only when it ends the file.
  if (previous.next == previous.end) splice.insert.append(kLineBreak);
  splice.insert.append(key).append("=").append(value).append(kLineBreak);
  return splice;
}

Splice ProfileDocument::AppendSection(
    std::string_view section,
    const std::vector<std::pair<std::string_view, std::string_view>>& values) const {
  size_t size = kLineBreak.size() * 2 + section.size() + 2;
  for (const auto& [key, value] : values) size += key.size() + 1 + value.size() + kLineBreak.size();
  Splice splice{bytes_.size(), 0, {}};
  splice.insert.reserve(size);
  if (!bytes_.empty() && bytes_.back() != '\r' && bytes_.back() != '\n') splice.insert.append(kLineBreak);
  splice.insert.append("[").append(section).append("]").append(kLineBreak);
  for (const auto& [key, value] : values)
    splice.insert.append(key).append("=").append(value).append(kLineBreak);
  return splice;
}

std::optional<Splice> ProfileDocument::SetValues(
    std::string_view section,
    const std::vector<std::pair<std::string_view, std::string_view>>& values) const {
  const bool distinctKeys = std::all_of(values.begin(), values.end(), [&](const auto& entry) {
    return std::count_if(values.begin(), values.end(),
                         [&](const auto& other) { return other.first == entry.first; }) == 1;
  });
  if (distinctKeys && !values.empty() && FindSection(section) == nullptr)
    return AppendSection(section, values);

  std::optional<Splice> change;  // against this document while it is the only one, then the whole file
  for (const auto& [key, value] : values) {
    if (!change) {
      change = SetValue(section, key, value);
      continue;
    }
    // A later key is looked up in the file as the earlier changes left it.
    const ProfileDocument edited(ApplySplice(bytes_, *change));
    if (std::optional<Splice> splice = edited.SetValue(section, key, value)) {
      change = Splice{0, bytes_.size(), ApplySplice(edited.Bytes(), *splice)};
    }
  }
  return change;
}

std::optional<Splice> ProfileDocument::RemoveSection(std::string_view section) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  const size_t begin = lines_[found->headerLine].begin;
  const size_t end = found->endLine < lines_.size() ? lines_[found->endLine].begin : bytes_.size();
  return Splice{begin, end - begin, {}};
}

}  // namespace quorlin
