#include "core/shown_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orlevant {
namespace {

const std::string kMark(kCutMark);

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// Lines "from" .. "to - 1", each followed by `lineBreak`.
std::string Numbered(int from, int to, const std::string& lineBreak = "\r\n") {
  std::string text;
  for (int i = from; i < to; ++i) text += std::to_string(i) + lineBreak;
  return text;
}

// The start and the end of what is too long, the mark between them; line breaks as they were.
TEST(ShownText, StartAndEndOfWhatIsTooLong) {
  const std::string e = "\xC3\xA9";  // two bytes, one character
  const int first = kShownLines - kShownLastLines;
  struct Case {
    const char* name;
    std::string text, shown;
  };
  const Case cases[] = {
      {"a message", "Rent due          \r\n\r\nPay it?\r\n\r\n", "Rent due          \r\n\r\nPay it?\r\n\r\n"},
      {"a line of the most characters", std::string(kShownLineLength, 'x'), std::string(kShownLineLength, 'x')},
      {"a pasted word of a megabyte", "s" + std::string(1 << 20, 'x') + "e",
       "s" + std::string(kShownLineStart - 1, 'x') + kMark + std::string(kShownLineEnd - 1, 'x') + "e"},
      {"counted in characters", Repeated(e, kShownLineLength + 1),
       Repeated(e, kShownLineStart) + kMark + Repeated(e, kShownLineEnd)},
      {"bytes that are not UTF-8", std::string(9000, '\x80'),
       std::string(4 * kShownLineStart, '\x80') + kMark + std::string(4 * kShownLineEnd, '\x80')},
      {"the most lines", Numbered(0, kShownLines - 1) + "last", Numbered(0, kShownLines - 1) + "last"},
      {"a question after 32000 lines", Numbered(0, 32000, "\n") + "Remove?\n\n",
       Numbered(0, first, "\n") + kMark + "\n" + Numbered(32000 - kShownLastLines + 3, 32000, "\n") + "Remove?\n\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShownPart(c.text), c.shown) << c.name;
}

// The printed list keeps every line, each cut as a window cuts it.
TEST(ShownText, EveryLineForThePrintedList) {
  const std::string text = Numbered(0, 3 * kShownLines) + std::string(kShownLineLength + 9, 'p');
  EXPECT_EQ(ShownLines(text), Numbered(0, 3 * kShownLines) + std::string(kShownLineStart, 'p') + kMark +
                                  std::string(kShownLineEnd, 'p'));
}

}  // namespace
}  // namespace orlevant
