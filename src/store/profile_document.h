#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/task_store.h"

namespace quorlin {

// One change to a file's bytes: `erase` bytes at `at` are replaced by `insert`.
struct Splice {
  size_t at = 0;
  size_t erase = 0;
  std::string insert;
};

std::string ApplySplice(std::string_view bytes, const Splice& splice);

// The bytes of a profile file, parsed into sections and keys.
//
// A header is a line whose first non-blank byte is "["; the section name runs to the last "]" of the
// line and is trimmed of blanks. A key line is "key=value" (the first "="); the key is trimmed, the value
// is every byte after the "=" up to the line break. Lines end with CR LF, LF or CR. Lines starting with
// ";", blank lines and any other line belong to no key and are kept as they are. Names and keys compare
// byte for byte, letter case included; when a name or key repeats, the first one counts.
class ProfileDocument {
 public:
  explicit ProfileDocument(std::string bytes);
  ProfileDocument(const ProfileDocument&) = delete;
  ProfileDocument& operator=(const ProfileDocument&) = delete;

  std::string_view Bytes() const { return bytes_; }

  // Distinct non-empty section names in the order of their first header.
  const std::vector<Text>& SectionNames() const { return sectionNames_; }

  std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

  // The change that gives `key` of `section` the value: replaced in place, else a key line added after
  // the section's last key, else a new section at the end of the file. Lines written end with CR LF.
  // `section` and `key` must already be trimmed. Nothing when the value is already that.
  std::optional<Splice> SetValue(std::string_view section, std::string_view key,
                                 std::string_view value) const;

  // The change that gives several keys of one section their values, as one change of the file: the
  // keys are set in the order given, each as SetValue would. Nothing when every value is already that.
  std::optional<Splice> SetValues(
      std::string_view section,
      const std::vector<std::pair<std::string_view, std::string_view>>& values) const;

  // The change that cuts out a section: from the start of its header line to the start of the next
  // header line, or to the end of the file. Nothing when there is no such section.
  std::optional<Splice> RemoveSection(std::string_view section) const;

 private:
  enum class LineKind : unsigned char { Other, Header, Key };
  struct Line {
    size_t begin;  // first byte of the line
    size_t end;    // first byte of its line break, or the end of the file
    size_t next;   // first byte of the next line
    size_t nameBegin;
    size_t nameEnd;     // header: the trimmed section name; key line: the trimmed key
    size_t valueBegin;  // key line: first byte after "="
    LineKind kind;
  };
  struct Section {
    size_t headerLine;
    size_t endLine;  // one past its last line
  };

  // A new section at the end of the file holding the keys in the order given.
  Splice AppendSection(std::string_view section,
                       const std::vector<std::pair<std::string_view, std::string_view>>& values) const;
  void Parse();
  void ParseLine(Line& line) const;
  std::string_view NameOf(const Line& line) const;
  const Section* FindSection(std::string_view name) const;
  const Line* FindKey(const Section& section, std::string_view key) const;

  std::string bytes_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  std::vector<Text> sectionNames_;
  std::unordered_map<std::string_view, size_t> firstSection_;  // name -> index in sections_
};

}  // namespace quorlin
