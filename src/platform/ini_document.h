#pragma once
// A small INI text file held in memory: "[Section]" headers and "Key=Value" lines. Section and key
// names match ignoring ASCII case. Everything the program does not change (other keys, other
// sections, comments, blank lines, the byte-order mark, each line's own line end, stray CRs, a
// missing final line end) is written back byte for byte. Both the settings store and the menu
// styler's file are kept through this one class.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_io.h"

namespace orlevant {

// Whether two section or key names are one: ASCII letters match in either case and surrounding
// blanks do not count ("DTheme" and "dTheme" are one value).
bool SameIniName(std::string_view a, std::string_view b);

class IniDocument {
 public:
  using Entry = std::pair<std::string, std::string>;  // key as stored, value

  IniDocument() = default;

  // Reads a whole file. A file that does not exist gives an empty document; a file that exists but
  // cannot be read gives nothing, so that no caller rewrites it from an empty document, and puts
  // the reason in `why` when given.
  static std::optional<IniDocument> Load(const std::filesystem::path& file, std::string* why = nullptr);
  // Text as found on disk: CR LF or LF line ends, an optional UTF-8 byte-order mark.
  static IniDocument Parse(std::string_view text);

  // The value of `key` in `section`, or nothing when either is missing. A value written in double
  // quotes comes back without them.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // The entries of `section` in file order, or nothing when there is no such section.
  std::optional<std::vector<Entry>> SectionEntries(std::string_view section) const;

  // Creates or replaces `key` in `section` (creating the section at the end when missing). A key
  // already present keeps its stored spelling. False, with the document unchanged, when the names or
  // the value cannot be written as one INI line (empty names, line breaks, NUL, "=" or "]" in a name).
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole document as file text.
  std::string Text() const;

  // Rewrites `file` with Text() through WriteFileAtomically.
  FileWriteResult Write(const std::filesystem::path& file) const;
  bool Save(const std::filesystem::path& file) const { return Write(file).ok; }

 private:
  enum class LineKind { Other, Header, Entry };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string name;  // section name of a header, key of an entry (trimmed, as stored)
    std::string raw;   // the line as it is written back, without its line end
    std::string end;   // its line end as read ("\r\n", "\n", or none after a last line)
  };

  // The line end for lines the program adds: the file's own, by its first line.
  std::string_view NewLineEnd() const { return crlf_ ? "\r\n" : "\n"; }
  // Adds `line` at `at`, giving the line before it a line end when it was the last and had none.
  void InsertLine(std::size_t at, Line line);

  // Index range [first, last) of the lines that belong to each section named `section`.
  std::vector<std::pair<std::size_t, std::size_t>> SectionRanges(std::string_view section) const;

  std::vector<Line> lines_;
  bool bom_ = false;
  bool crlf_ = false;
};

}  // namespace orlevant
