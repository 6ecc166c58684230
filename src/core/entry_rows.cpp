#include "core/entry_rows.h"

#include <algorithm>
#include <utility>

#include "core/case_mapping.h"
#include "core/event_line.h"
#include "core/events_file.h"

namespace orlevant {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// A stored line as the dialog holds it: its text with line breaks, code, reminder and the line
// itself, by its index in the table.
EntryLine StoredEntryLine(std::string_view line, int index) {
  EntryLine entry;
  entry.Text = TildesToLineBreaks(TextField(line));
  entry.Code = std::string(CodeField(line));
  entry.Line = index;
  entry.Reminder = std::string(Column(line, 11, 6));
  entry.Original = std::string(line);
  return entry;
}

// The form the candidate test compares: line breaks as LF, ASCII letters in lower case.
std::string Folded(std::string_view text) {
  std::string out = ReplaceLineBreaks(text, "\n");
  for (char& c : out) c = AsciiLower(c);
  return out;
}

bool InQuarterCycle(int anchorMonth, int month) {
  for (int k = 0; k < 4; ++k)
    if ((anchorMonth - 1 + 3 * k) % 12 + 1 == month) return true;
  return false;
}

const char* const kConflictNames[kEntryRowCount] = {"", "  ** Weekly Event", "  ** Monthly Event",
                                                     "  ** Quarterly Event", "  ** Yearly Event"};

}  // namespace

bool EntryLine::Untouched() const {
  return !Original.empty() && !Edited && Code == CodeField(Original);
}

EntryRows::EntryRows(Date clickedDay)
    : clickedDay_(clickedDay),
      shown_(MonthShapeOf(clickedDay, 1)),
      clickedDate_(FormatDayMonthYear(clickedDay)),
      clickedWeekday_(WeekdayOf(clickedDay)) {
  for (EntryRow& row : rows_) row.Shown.Code = "0";
}

DecodedLine EntryRows::Decode(std::string_view line) const {
  const std::string_view code = CodeField(line);
  if (code.size() < 4) return {};
  const int d = DayOf(clickedDay_);
  const int m = MonthOf(clickedDay_);
  const int w = clickedWeekday_;
  const std::string_view head = HeadField(line);
  const bool byDate = head == "99";
  const int lineDay = TwoDigits(DayField(line));
  const int lineMonth = TwoDigits(MonthField(line));
  auto nthIsClickedDay = [&] {
    return DigitAt(head, 1) == w && NthWeekdayInShownMonth(shown_, DigitAt(head, 0), w) == d;
  };
  auto on = [&](int row, bool matches) {
    if (!matches) return DecodedLine{};
    DecodedLine decoded{row, byDate, 0};
    if (!byDate) decoded.listIndex = ListIndexFromHead(row, head).value_or(0);
    return decoded;
  };

  switch (KindOfCode(code)) {
    case RecurrenceKind::OneOff:
      return DateField(line) == clickedDate_ ? DecodedLine{kRowToday, true, 0} : DecodedLine{};
    case RecurrenceKind::Yearly:
      return on(kRowYearly, byDate ? Column(line, 1, 5) == std::string_view(clickedDate_).substr(0, 5)
                                   : lineMonth == m && nthIsClickedDay());
    case RecurrenceKind::Quarterly: {
      if (!InQuarterCycle(lineMonth, m)) return {};
      // By date the grid puts a day past the month's end on its last day; the row follows the grid.
      const bool onDay = byDate ? lineDay == d || (lineDay > shown_.DaysInMonth && d == shown_.DaysInMonth)
                                : nthIsClickedDay();
      return on(kRowQuarterly, onDay);
    }
    case RecurrenceKind::Monthly:
      return on(kRowMonthly, byDate ? lineDay == d : nthIsClickedDay());
    case RecurrenceKind::Weekly:
      if (DigitAt(code, 3) != w) return {};
      return on(kRowWeekly, byDate || WeekCombinationMatches(head, WeekOfMonthOf(shown_, d, w)));
    case RecurrenceKind::None:
      break;
  }
  return {};
}

void EntryRows::Load(const EventLines& records, int eventCount, std::string_view cellText,
                     std::span<const int> boxLines) {
  for (EntryRow& row : rows_) {
    row = EntryRow{};
    row.Shown.Code = "0";
  }
  otherLines_.clear();
  if (cellText.empty()) return;
  // The box begins with a line break; the search starts at its first line.
  const std::string box = Folded(cellText.substr(1));
  const int count = StoredLineCount(records, eventCount);
  for (int i = 1; i <= count; ++i) {
    const std::string_view line = records[static_cast<std::size_t>(i)];
    if (line.empty()) continue;
    const DecodedLine decoded = Decode(line);
    if (decoded.row < 0) continue;
    // An event typed over several lines stands in the box with its line breaks, not its "~".
    if (box.find(Folded(TildesToLineBreaks(TextField(line)))) == std::string::npos) continue;
    Put(decoded.row, i, line, decoded);
  }
  SetAsideOtherLines(records, eventCount, boxLines);
}

void EntryRows::SetAsideOtherLines(const EventLines& records, int eventCount, std::span<const int> boxLines) {
  const int count = StoredLineCount(records, eventCount);
  std::vector<bool> taken(static_cast<std::size_t>(count) + 1);
  for (const EntryRow& row : rows_) {
    for (const EntryLine* line : {&row.Shown, &row.FirstSlot, &row.LatestSlot})
      if (line->Line > 0 && line->Line <= count) taken[static_cast<std::size_t>(line->Line)] = true;
  }
  std::vector<int> others;
  for (const int i : boxLines) {
    // An event on its fourth and last weekday stands in the box twice; it is one line.
    if (i < 1 || i > count || taken[static_cast<std::size_t>(i)]) continue;
    taken[static_cast<std::size_t>(i)] = true;
    if (!records[static_cast<std::size_t>(i)].empty()) others.push_back(i);
  }
  std::sort(others.begin(), others.end());
  for (const int i : others) otherLines_.push_back(StoredEntryLine(records[static_cast<std::size_t>(i)], i));
}

void EntryRows::Put(int r, int lineIndex, std::string_view line, const DecodedLine& decoded) {
  EntryRow& row = rows_[static_cast<std::size_t>(r)];
  EntryLine shown = StoredEntryLine(line, lineIndex);
  shown.ByDate = decoded.byDate;
  // A line by date leaves the list as it stands.
  shown.ListIndex = decoded.byDate ? row.Shown.ListIndex : decoded.listIndex;
  row.Shown = std::move(shown);
  // Several one-off lines on one day: the last is shown, the others stay as they are.
  if (r == kRowToday) return;
  ++row.RowMatches;
  StoreConflictSlot(r);
}

void EntryRows::StoreConflictSlot(int r) {
  EntryRow& row = rows_[static_cast<std::size_t>(r)];
  (row.RowMatches == 1 ? row.FirstSlot : row.LatestSlot) = row.Shown;
}

void EntryRows::SetText(int r, std::string_view text) {
  EntryLine& shown = rows_.at(static_cast<std::size_t>(r)).Shown;
  std::string normal = ReplaceLineBreaks(text, kCrLf);
  if (normal == shown.Text) return;
  shown.Text = std::move(normal);
  shown.Edited = true;
}

void EntryRows::ChooseOptionA(int r) {
  if (r <= kRowToday || r >= kEntryRowCount) return;
  EntryLine& shown = rows_[static_cast<std::size_t>(r)].Shown;
  shown.ByDate = true;
  shown.Code = OptionACode(r, clickedDay_);
}

void EntryRows::ChooseOptionB(int r, int listIndex) {
  if (r <= kRowToday || r >= kEntryRowCount) return;
  std::string code = OptionBCode(r, listIndex, clickedDay_);
  if (code.empty()) return;
  EntryLine& shown = rows_[static_cast<std::size_t>(r)].Shown;
  shown.ByDate = false;
  shown.ListIndex = listIndex;
  shown.Code = std::move(code);
}

void EntryRows::Swap(int r) {
  if (r <= kRowToday || r >= kEntryRowCount) return;
  EntryRow& row = rows_[static_cast<std::size_t>(r)];
  if (!row.HasConflict()) return;
  // The line going out keeps what was done to it while it was shown.
  (row.ShowingFirst ? row.FirstSlot : row.LatestSlot) = row.Shown;
  row.ShowingFirst = 1 - row.ShowingFirst;
  row.Shown = row.ShowingFirst ? row.FirstSlot : row.LatestSlot;
}

void EntryRows::ClearTexts() {
  // Every line goes, also one whose stored text was already empty.
  const auto clear = [](EntryLine& line) {
    line.Text.clear();
    line.Edited = true;
  };
  for (EntryRow& row : rows_) {
    clear(row.Shown);
    clear(row.FirstSlot);
    clear(row.LatestSlot);
  }
  for (EntryLine& line : otherLines_) clear(line);
}

std::string EntryRows::ConflictList() const {
  std::string list;
  for (int r = kRowWeekly; r < kEntryRowCount; ++r)
    if (Row(r).HasConflict()) list.append(kConflictNames[r]).append(kCrLf);
  return list;
}

std::string EntryRows::AnchorFor(const EntryLine& line) const {
  // A line keeps the day it was entered on while its repeat stays as it was; a new line, or one whose
  // option or list choice changed, is anchored on the clicked day.
  if (line.Line > 0 && line.Code == CodeField(line.Original)) return std::string(Column(line.Original, 1, 6));
  return clickedDate_.substr(0, 6);
}

std::string EntryRows::LineFor(const EntryLine& line, std::string_view cleanedText) const {
  std::string code = line.Code;
  if (code == "0" || code.empty()) code = "";
  const std::string reminder = line.Line > 0 ? std::string(ReminderField(line.Original)) : std::string(kNoReminder);
  return AnchorFor(line) + code + reminder + "=" + LineBreaksToTildes(cleanedText);
}

EntryRows::WriteResult EntryRows::Write(EventStore& events) const {
  WriteResult result;

  // What each row and hidden line becomes: line index and new text ("" deletes), or a new line.
  struct Target {
    const EntryLine* line;
    int row;
  };
  std::vector<Target> targets;
  for (int r = 0; r < kEntryRowCount; ++r) {
    const EntryRow& row = Row(r);
    targets.push_back({&row.Shown, r});
    if (row.HasConflict()) targets.push_back({&row.Hidden(), r});
  }
  // The box's other lines are written only when Clear All emptied them.
  for (const EntryLine& line : otherLines_)
    if (!line.Untouched()) targets.push_back({&line, -1});

  std::vector<std::pair<int, std::string>> rewrites;
  std::vector<std::string> appends;
  for (const Target& target : targets) {
    const EntryLine& line = *target.line;
    if (line.Untouched()) continue;
    const std::optional<std::string> cleaned = CleanEntryText(line.Text);
    if (!cleaned) {
      result.outcome = WriteOutcome::EntryError;
      result.failedRow = target.row;
      return result;
    }
    if (line.Line > 0) {
      if (cleaned->empty()) {
        rewrites.emplace_back(line.Line, std::string());
      } else {
        std::string written = LineFor(line, *cleaned);
        if (written != line.Original) rewrites.emplace_back(line.Line, std::move(written));
      }
    } else if (!cleaned->empty()) {
      EntryLine fresh = line;
      if (fresh.Code == "0" || fresh.Code.empty()) fresh.Code = OptionACode(target.row, clickedDay_);
      appends.push_back(LineFor(fresh, *cleaned));
    }
  }
  if (rewrites.empty() && appends.empty()) {
    // Nothing to write, but the file may have been changed outside the program: read it in again.
    if (StoreResult reloaded = LoadEvents(events); !reloaded) result.error = reloaded.error;
    return result;
  }

  // The rows name lines by their place in the table as it was loaded; should the table have changed
  // meanwhile, writing by those places would overwrite other events.
  const int stored = StoredLineCount(events);
  for (const Target& target : targets) {
    const EntryLine& line = *target.line;
    if (line.Line == 0) continue;
    if (line.Line > stored || events.EventRecords[static_cast<std::size_t>(line.Line)] != line.Original) {
      result.outcome = WriteOutcome::SaveFailed;
      result.error = "The events were changed elsewhere while this day was open, so nothing was written. "
                     "Cancel and open the day again.";
      return result;
    }
  }

  int live = 0;
  for (int i = 1; i <= stored; ++i)
    if (!events.EventRecords[static_cast<std::size_t>(i)].empty()) ++live;
  int removed = 0;
  for (const auto& [index, text] : rewrites)
    if (text.empty()) ++removed;
  if (!appends.empty() && live - removed + static_cast<int>(appends.size()) > kMaxEventLines) {
    result.outcome = WriteOutcome::TableFull;
    return result;
  }

  const EventLines before = events.EventRecords;
  const int countBefore = events.EventCount;
  for (auto& [index, text] : rewrites) events.EventRecords.Set(static_cast<std::size_t>(index), text);
  for (std::string& line : appends) AppendEvent(events, line);

  if (StoreResult saved = SaveEvents(events); !saved) {
    events.EventRecords = before;
    events.EventCount = countBefore;
    result.outcome = WriteOutcome::SaveFailed;
    result.error = saved.error;
    return result;
  }
  result.outcome = WriteOutcome::Saved;
  result.linesRemoved = removed > 0;
  if (StoreResult reloaded = LoadEvents(events); !reloaded) result.error = reloaded.error;
  return result;
}

}  // namespace orlevant
