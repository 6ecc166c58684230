#include "platform/ini_document.h"

#include "core/case_mapping.h"
#include "platform/file_io.h"

namespace orlevant {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// A stray CR before a line end counts as a blank, so that it never becomes part of a name or value
// read; the line itself is written back with it.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool HasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos; }

// A value is quoted when reading it back unquoted would change it: surrounding blanks are trimmed
// and one pair of surrounding quotes is taken off.
std::string EncodeValue(std::string_view value) {
  const bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || value.front() == '"');
  if (!quote) return std::string(value);
  std::string out;
  out.reserve(value.size() + 2);
  out += '"';
  out += value;
  out += '"';
  return out;
}

std::string DecodeValue(std::string_view raw) {
  std::string_view v = Trim(raw);
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return std::string(v);
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::optional<IniDocument> IniDocument::Load(const std::filesystem::path& file, std::string* why) {
  FileReadResult read = ReadWholeFile(file);
  if (read.outcome == FileReadOutcome::Failed) {
    if (why) *why = std::move(read.error);
    return std::nullopt;
  }
  return Parse(read.content);
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  if (text.starts_with(kBom)) {
    doc.bom_ = true;
    text.remove_prefix(kBom.size());
  }
  const std::size_t firstLf = text.find('\n');
  doc.crlf_ = firstLf != text.npos && firstLf > 0 && text[firstLf - 1] == '\r';

  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view raw = text.substr(0, lf);
    text.remove_prefix(lf == text.npos ? text.size() : lf + 1);
    std::string_view end = lf == std::string_view::npos ? std::string_view() : "\n";
    if (!end.empty() && raw.ends_with('\r')) {
      raw.remove_suffix(1);
      end = "\r\n";
    }
    Line line;
    line.raw = std::string(raw);
    line.end = std::string(end);
    const std::string_view t = Trim(raw);
    if (t.starts_with('[')) {
      const std::size_t close = t.find(']');
      if (close != t.npos) {
        line.kind = LineKind::Header;
        line.name = std::string(Trim(t.substr(1, close - 1)));
      }
    } else if (!IsComment(t)) {
      const std::size_t eq = t.find('=');
      if (eq != t.npos && !Trim(t.substr(0, eq)).empty()) {
        line.kind = LineKind::Entry;
        line.name = std::string(Trim(t.substr(0, eq)));
      }
    }
    doc.lines_.push_back(std::move(line));
  }
  return doc;
}

std::vector<std::pair<std::size_t, std::size_t>> IniDocument::SectionRanges(std::string_view section) const {
  std::vector<std::pair<std::size_t, std::size_t>> ranges;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != LineKind::Header || !SameIniName(lines_[i].name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Header) ++end;
    ranges.emplace_back(i + 1, end);
    i = end - 1;
  }
  return ranges;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  for (const auto& [first, last] : SectionRanges(section)) {
    for (std::size_t i = first; i < last; ++i) {
      const Line& line = lines_[i];
      if (line.kind == LineKind::Entry && SameIniName(line.name, key)) {
        return DecodeValue(std::string_view(line.raw).substr(line.raw.find('=') + 1));
      }
    }
  }
  return std::nullopt;
}

std::optional<std::vector<IniDocument::Entry>> IniDocument::SectionEntries(std::string_view section) const {
  const auto ranges = SectionRanges(section);
  if (ranges.empty()) return std::nullopt;
  std::vector<Entry> entries;
  for (const auto& [first, last] : ranges) {
    for (std::size_t i = first; i < last; ++i) {
      const Line& line = lines_[i];
      if (line.kind != LineKind::Entry) continue;
      entries.emplace_back(line.name, DecodeValue(std::string_view(line.raw).substr(line.raw.find('=') + 1)));
    }
  }
  return entries;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (section.empty() || HasLineBreakOrNul(section) || section.find(']') != section.npos) return false;
  if (key.empty() || HasLineBreakOrNul(key) || key.find('=') != key.npos || key.front() == '[' ||
      IsComment(key)) {
    return false;
  }
  if (HasLineBreakOrNul(value)) return false;

  const auto ranges = SectionRanges(section);
  for (const auto& [first, last] : ranges) {
    for (std::size_t i = first; i < last; ++i) {
      Line& line = lines_[i];
      if (line.kind == LineKind::Entry && SameIniName(line.name, key)) {
        line.raw = line.name + "=" + EncodeValue(value);
        return true;
      }
    }
  }

  Line entry{LineKind::Entry, std::string(key), std::string(key) + "=" + EncodeValue(value), {}};
  if (!ranges.empty()) {
    // After the section's last non-blank line, so the blank line that parts it from the next
    // section stays where it is.
    auto [first, last] = ranges.front();
    std::size_t at = last;
    while (at > first && Trim(lines_[at - 1].raw).empty()) --at;
    InsertLine(at, std::move(entry));
    return true;
  }
  if (!lines_.empty() && !Trim(lines_.back().raw).empty()) InsertLine(lines_.size(), Line{});
  InsertLine(lines_.size(), Line{LineKind::Header, std::string(section), "[" + std::string(section) + "]", {}});
  InsertLine(lines_.size(), std::move(entry));
  return true;
}

void IniDocument::InsertLine(std::size_t at, Line line) {
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = NewLineEnd();
  line.end = NewLineEnd();
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string IniDocument::Text() const {
  std::string out;
  if (bom_) out += kBom;
  for (const Line& line : lines_) {
    out += line.raw;
    out += line.end;
  }
  return out;
}

FileWriteResult IniDocument::Write(const std::filesystem::path& file) const { return WriteFileAtomically(file, Text()); }

}  // namespace orlevant
