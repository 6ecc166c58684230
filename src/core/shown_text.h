#pragma once
// How much of a text a window shows. An event's text, a setting or a message built around them can
// be anything a file holds: one pasted word of megabytes, hundreds of thousands of lines. Laid out
// whole in a box, a label or a pop-up it holds the program for seconds or minutes, and nobody reads
// it there anyway. Every window shows such a text through ShownPart; the events file and the
// settings keep every character.

#include <string>
#include <string_view>

namespace orlevant {

// A window shows the start and the end of what is too long, the cut marked between them: the end
// of a line or of a message often says what it is about (the reason after a long path, the
// question after a long list).
// The most characters of one line a window shows; a longer line keeps its last kShownLineEnd.
inline constexpr int kShownLineLength = 2000;
inline constexpr int kShownLineEnd = 200;
inline constexpr int kShownLineStart = kShownLineLength - kShownLineEnd;
// The most lines of one text a window shows; a longer text keeps its last kShownLastLines.
inline constexpr int kShownLines = 200;
inline constexpr int kShownLastLines = 20;
// Where a text was cut.
inline constexpr std::string_view kCutMark = "\u2026";

// `text` (UTF-8, lines ending in CR LF, LF or CR) as a window shows it: a line of more than
// kShownLineLength characters keeps its first kShownLineStart, kCutMark and its last kShownLineEnd;
// a text of more than kShownLines lines keeps its first kShownLines - kShownLastLines lines, a line
// kCutMark and its last kShownLastLines lines. Line breaks stay as they were; a shorter text comes
// back as it is.
std::string ShownPart(std::string_view text);
// Every line of `text`, each cut as ShownPart cuts it: for the printed list, which lists every
// event of a day however many there are.
std::string ShownLines(std::string_view text);

// The first `lines` lines of `text`, their breaks included. A busy day's text runs to hundreds of
// kilobytes, nearly all of it past what a box or a pop-up can show; a label is given only that.
std::string_view FirstLines(std::string_view text, int lines);

}  // namespace orlevant
