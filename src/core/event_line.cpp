#include "core/event_line.h"

#include "core/calendar_date.h"

namespace orlevant {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool AllDigits(std::string_view s) {
  for (char c : s)
    if (!IsDigit(c)) return false;
  return true;
}
}  // namespace

std::size_t OffsetOfCharacter(std::string_view s, std::size_t characters) {
  std::size_t at = 0;
  for (std::size_t n = 0; n < characters && at < s.size(); ++n) {
    ++at;
    while (at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80) ++at;
  }
  return at;
}

std::string_view ReminderField(std::string_view line) {
  const std::string_view field = Column(line, 11, 6);
  if (field.size() != 6 || !AllDigits(field)) return kNoReminder;
  return field;
}

RecurrenceKind KindOfCode(std::string_view code) {
  if (IsOneOffCode(code)) return RecurrenceKind::OneOff;
  const std::string_view tail = code.size() >= 4 ? code.substr(2, 2) : std::string_view{};
  if (tail == "99") return RecurrenceKind::Yearly;
  if (tail == "89") return RecurrenceKind::Quarterly;
  if (tail == "98") return RecurrenceKind::Monthly;
  if (tail.size() == 2 && tail[0] == '9' && tail[1] >= '1' && tail[1] <= '7') return RecurrenceKind::Weekly;
  return RecurrenceKind::None;
}

const std::array<WeekCombination, 20> kWeekCombinations{{
    {"89", "First and Second", "(1,2)", {8, 7, 0}},
    {"88", "First, Second and Third", "(1,2,3)", {8, 7, 6}},
    {"87", "First, Second and Fourth", "(1,2,4)", {8, 7, 5}},
    {"86", "First, Second and Last", "(1,2,L)", {8, 7, 4}},
    {"85", "First and Third", "(1,3)", {8, 6, 0}},
    {"84", "First, Third and Fourth", "(1,3,4)", {8, 6, 5}},
    {"83", "First, Third and Last", "(1,3,L)", {8, 6, 4}},
    {"82", "First and Fourth", "(1,4)", {8, 5, 0}},
    {"81", "First, Fourth and Last", "(1,4,L)", {8, 5, 4}},
    {"80", "First and Last", "(1,L)", {8, 4, 0}},
    {"79", "Second and Third", "(2,3)", {7, 6, 0}},
    {"78", "Second, Third and Fourth", "(2,3,4)", {7, 6, 5}},
    {"77", "Second, Third and Last", "(2,3,L)", {7, 6, 4}},
    {"76", "Second and Fourth", "(2,4)", {7, 5, 0}},
    {"75", "Second, Fourth and Last", "(2,4,L)", {7, 5, 4}},
    {"74", "Second and Last", "(2,L)", {7, 4, 0}},
    {"69", "Third and Fourth", "(3,4)", {6, 5, 0}},
    {"68", "Third, Fourth and Last", "(3,4,L)", {6, 5, 4}},
    {"67", "Third and Last", "(3,L)", {6, 4, 0}},
    {"59", "Fourth and Last", "(4,L)", {5, 4, 0}},
}};

const WeekCombination* FindWeekCombination(std::string_view code) {
  // Looked up for every weekly line of every fill: by the code's value, not by a search.
  static const std::array<const WeekCombination*, 100> byCode = [] {
    std::array<const WeekCombination*, 100> table{};
    for (const auto& c : kWeekCombinations) table[static_cast<std::size_t>((c.code[0] - '0') * 10 + (c.code[1] - '0'))] = &c;
    return table;
  }();
  const int value = code.size() == 2 ? TwoDigits(code) : -1;
  return value < 0 ? nullptr : byCode[static_cast<std::size_t>(value)];
}

std::string WithReminderField(std::string_view line, std::string_view code) {
  // Counted in characters whatever the line: what is written here is saved.
  const std::string_view date = Column(line, 1, 10);
  const std::string_view rest = ColumnsFrom(line, 17);
  std::string out;
  out.reserve(date.size() + code.size() + rest.size());
  out.append(date).append(code).append(rest);
  return out;
}

std::string TildesToLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '~')
      out += "\r\n";
    else
      out += c;
  }
  return out;
}

std::string ReplaceLineBreaks(std::string_view text, std::string_view lineBreak) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += lineBreak;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string OneRowText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '~')
      out += "  ";
    else if (c == '=')
      out += " - ";
    else
      out += c;
  }
  return out;
}

}  // namespace orlevant
