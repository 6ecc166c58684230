#include "core/shown_text.h"

#include <algorithm>

namespace orlevant {

namespace {

constexpr std::size_t kNoLine = std::string_view::npos;

// A line of a text: its characters end at `end`; the next line starts at `next` (kNoLine after the
// last line).
struct LineSpan {
  std::size_t end;
  std::size_t next;
};

LineSpan LineFrom(std::string_view text, std::size_t begin) {
  // One pass over the characters: find_first_of calls memchr over its set for each one of them.
  const auto at = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(begin), text.end(),
                               [](char c) { return c == '\r' || c == '\n'; });
  if (at == text.end()) return {text.size(), kNoLine};
  const auto end = static_cast<std::size_t>(at - text.begin());
  return {end, end + (text.substr(end, 2) == "\r\n" ? 2 : 1)};
}

// A character is counted at its first byte, so a cut never splits one. Bytes that are not UTF-8
// count at least one character in four, as a character is never longer.
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

std::size_t NextCharacter(std::string_view line, std::size_t i) {
  const std::size_t last = std::min(line.size(), i + 4);
  ++i;
  while (i < last && !StartsCharacter(line[i])) ++i;
  return i;
}

std::size_t PreviousCharacter(std::string_view line, std::size_t i) {
  const std::size_t first = i > 4 ? i - 4 : 0;
  --i;
  while (i > first && !StartsCharacter(line[i])) --i;
  return i;
}

// Appends `line`, its middle left out where it has more than kShownLineLength characters.
void AppendLine(std::string& out, std::string_view line) {
  std::size_t start = 0;  // where the first kShownLineStart characters end
  int characters = 0;
  for (std::size_t i = 0; i < line.size() && characters <= kShownLineLength; i = NextCharacter(line, i)) {
    if (characters == kShownLineStart) start = i;
    ++characters;
  }
  if (characters <= kShownLineLength) {
    out.append(line);
    return;
  }
  std::size_t end = line.size();  // where the last kShownLineEnd characters begin
  for (int n = 0; n < kShownLineEnd; ++n) end = PreviousCharacter(line, end);
  out.append(line.substr(0, start)).append(kCutMark).append(line.substr(std::max(start, end)));
}

// `text` with each line cut; with `mostLines`, one of more lines keeps only its first and last.
std::string Shown(std::string_view text, bool mostLines) {
  std::size_t lines = 1;
  for (std::size_t at = LineFrom(text, 0).next; at != kNoLine; at = LineFrom(text, at).next) ++lines;
  const bool tooMany = mostLines && lines > static_cast<std::size_t>(kShownLines);
  const std::size_t firstLines = tooMany ? kShownLines - kShownLastLines : lines;
  const std::size_t lastLinesFrom = tooMany ? lines - kShownLastLines : lines;

  std::string shown;
  std::size_t at = 0;
  for (std::size_t line = 0; line < lines; ++line) {
    const LineSpan span = LineFrom(text, at);
    const std::string_view lineBreak = text.substr(span.end, span.next == kNoLine ? 0 : span.next - span.end);
    if (line < firstLines || line >= lastLinesFrom) {
      AppendLine(shown, text.substr(at, span.end - at));
      shown.append(lineBreak);
    }
    // The mark takes the place of the lines left out, on a line of its own.
    if (line + 1 == firstLines && tooMany) shown.append(kCutMark).append(lineBreak);
    at = span.next;
  }
  return shown;
}

}  // namespace

std::string ShownPart(std::string_view text) { return Shown(text, true); }

std::string ShownLines(std::string_view text) { return Shown(text, false); }

std::string_view FirstLines(std::string_view text, int lines) {
  std::size_t at = 0;
  for (int n = 0; n < lines; ++n) {
    at = LineFrom(text, at).next;
    if (at == kNoLine) return text;
  }
  return text.substr(0, at);
}

}  // namespace orlevant
