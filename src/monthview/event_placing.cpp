// Placing the events of the shown month on their days: which days every kind of line falls on, and
// the text, colours, icon and tooltip of each box that receives events (DayCellText).

#include <algorithm>
#include <cstring>

#include "core/event_line.h"
#include "core/events_file.h"
#include "core/settings.h"
#include "monthview/month_view.h"

namespace orlevant {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Two-character fields are compared character by character: this runs for every line of the
// table on every fill, and a library compare per field costs more than the field.
bool Is(std::string_view field, char a, char b) { return field.size() == 2 && field[0] == a && field[1] == b; }

// Columns first.. of the line equal key. Stops at the first difference, which for the lines of
// other months is their first or second character.
bool ColumnsEqual(std::string_view line, std::size_t first, std::string_view key) {
  if (line.size() < first - 1 + key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i)
    if (line[first - 1 + i] != key[i]) return false;
  return true;
}

// IsOneOffCode with its answer read off the first character whenever that decides it, as it does
// for every year and every recurring code but those starting with "4".
bool IsOneOff(std::string_view code) {
  if (!code.empty() && code[0] != '4') return static_cast<unsigned char>(code[0]) < static_cast<unsigned char>('4');
  return IsOneOffCode(code);
}

// The number of "~" in an event text: each becomes a line break, one character longer.
// An empty text may have no storage at all, and memchr must never see a null pointer, not even for
// zero bytes: find checks the length first.
std::size_t TildesIn(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t at = text.find('~'); at != std::string_view::npos; at = text.find('~', at + 1)) ++n;
  return n;
}

// Copies an event text to out with each stored "~" turned back into a line break; returns the
// end of what was written.
char* CopyWithLineBreaks(char* out, std::string_view text) {
  // Most texts hold no "~" at all: the runs between them are copied whole.
  const char* from = text.data();
  const char* const end = from + text.size();
  while (from != end) {
    const auto* tilde = static_cast<const char*>(std::memchr(from, '~', static_cast<std::size_t>(end - from)));
    const char* runEnd = tilde ? tilde : end;
    out = std::copy(from, runEnd, out);
    if (!tilde) break;
    *out++ = '\r';
    *out++ = '\n';
    from = tilde + 1;
  }
  return out;
}

// True when one of the quarter months of anchor month a (a, a + 3, a + 6, a + 9, wrapping past
// December) is month m. An anchor month that is no month has no quarter months, as the date engine
// finds no next occurrence for it.
bool IsQuarterMonth(int anchorMonth, int month) {
  if (anchorMonth < 1 || anchorMonth > 12) return false;
  for (int k = 0; k < 4; ++k) {
    int m = anchorMonth + 3 * k;
    if (m > 12) m -= 12;
    if (m == month) return true;
  }
  return false;
}

}  // namespace

void MonthView::PlaceMonthEvents(const Settings& settings, const EventLines& records,
                                 int eventCount) {
  TodayEvents.clear();
  ShowRemindersOnOff(settings);

  const std::string_view yearly = YearlyMonthKey;
  const PassKeys keys{MonthKey, yearly.substr(0, std::min<std::size_t>(3, yearly.size())), MonthOf(ShownMonthDate)};
  PlaceFrom(records);
  const int last = StoredLineCount(records, eventCount);
  for (int i = 1; i <= last; ++i) {
    if (!records[i].empty()) PlaceLine(keys, records[i], i);
  }
  FinishQueuedBoxes(settings);
}

void MonthView::PlaceMonthEvents(const Settings& settings, const EventStore& events) {
  PlaceMonthEvents(settings, events.EventRecords, events.EventCount);
}

void MonthView::AddEventToDay(const Settings& settings, const EventLines& records, int eventIndex,
                              int day) {
  if (eventIndex < 0 || eventIndex >= static_cast<int>(records.size())) return;
  PlaceFrom(records);
  QueueEventOnDay(HasReminder(records[eventIndex]), eventIndex, day);
  FinishQueuedBoxes(settings);
}

void MonthView::PlaceLine(const PassKeys& keys, std::string_view line, int index) {
  const std::string_view code = CodeField(line);
  if (IsOneOff(code)) {
    if (ColumnsEqual(line, 4, keys.monthKey)) QueueEventOnDay(HasReminder(line), index, TwoDigits(DayField(line)));
    return;
  }
  const bool reminder = HasReminder(line);

  const int day = TwoDigits(DayField(line));

  const std::string_view head = HeadField(line);
  const std::string_view tail = TailField(line);
  const bool byDate = Is(head, '9', '9');
  // The nth-weekday forms: ordinal in column 7, weekday in column 8.
  const auto placeNth = [&] { QueueEventOnDay(reminder, index, NthWeekdayInShownMonth(DigitAt(head, 0), DigitAt(head, 1))); };

  if (Is(tail, '9', '9')) {  // yearly, in the anchor month only
    if (!ColumnsEqual(line, 4, keys.yearlyMonth)) return;
    if (byDate)
      QueueEventOnDay(reminder, index, day);
    else
      placeNth();
  } else if (Is(tail, '8', '9')) {  // quarterly
    if (!IsQuarterMonth(TwoDigits(MonthField(line)), keys.shownMonth)) return;
    if (byDate)
      QueueEventOnDay(reminder, index, std::min(day, DaysInMonth));  // the 31st falls on a shorter month's last day
    else
      placeNth();
  } else if (Is(tail, '9', '8')) {  // monthly; a month without the day shows nothing
    if (byDate)
      QueueEventOnDay(reminder, index, day);
    else
      placeNth();
  } else if (tail.size() == 2 && tail[0] == '9' && tail[1] >= '1' && tail[1] <= '7') {  // weekly
    const int weekday = tail[1] - '0';
    if (byDate) {
      // One candidate per grid row in the weekday's column; those before day 1 are skipped and
      // those past the month's end land on disabled boxes.
      int column = weekday - FirstDay;
      if (column < 0) column += 7;
      for (int row = 0; row < 6; ++row) {
        const int candidate = column + 1 - GridOffset + 7 * row;
        if (candidate >= 1) QueueEventOnDay(reminder, index, candidate);
      }
    } else if (const WeekCombination* weeks = FindWeekCombination(head)) {
      // Each named week once, First .. Last: in a month with four such weekdays the Fourth and the
      // Last are one day, which then shows the event twice.
      for (int ordinal : weeks->ordinals) {
        if (ordinal == 0) break;
        QueueEventOnDay(reminder, index, NthWeekdayInShownMonth(ordinal, weekday));
      }
    }
  }
}

void MonthView::QueueEventOnDay(bool reminder, int index, int day) {
  const int box = GridOffset + day - 1;
  if (box < 0 || box >= kDayBoxCount) return;
  if (!lblDay[box].Enabled) return;  // a box of the neighbouring months
  // Added behind the box's lines as they are found; the pass's end puts them in front, newest first.
  std::vector<int>& lines = BoxLines[box];
  PassBox& pass = pass_[box];
  if (!pass.touched) {
    pass = {lines.size(), reminder, false, true};
    boxesWithQueue_.push_back(box);
  }
  pass.anyReminder = pass.anyReminder || reminder;
  lines.push_back(index);
}

void MonthView::FinishQueuedBoxes(const Settings& settings) {
  for (int box : boxesWithQueue_) FinishBox(settings, box);
  boxesWithQueue_.clear();
}

void MonthView::FinishBox(const Settings& settings, int box) {
  const auto b = static_cast<std::size_t>(box);
  PassBox& pass = pass_[b];
  if (!pass.touched) return;
  LabelState& day = lblDay[box];
  LabelState& data = lblData[box];
  ImageState& icon = imgRemind[box];

  // The icon is hidden when the first event of an empty box has no reminder, and shown as soon as
  // any event of the box has one.
  if (placedCount_[b] == 0 && data.Caption.empty() && !pass.firstReminder) icon.Visible = false;
  if (pass.anyReminder) icon.Visible = true;

  // Newest placed first, then whatever the box held; the text follows the lines when asked for.
  std::vector<int>& lines = BoxLines[box];
  const auto held = static_cast<std::ptrdiff_t>(pass.held);
  std::reverse(lines.begin() + held, lines.end());
  std::rotate(lines.begin(), lines.begin() + held, lines.end());
  placedCount_[b] += lines.size() - pass.held;
  cellText_[b].reset();
  pass = {};

  day.BackColor = settings.BackGroundEntry;
  data.ForeColor = settings.ForeGroundEntry;
  data.BackColor = settings.BackGroundEntry;

  // The box's text is made here only when today's events or the tooltips need it.
  const auto events = [this, box] { return std::string_view(DayCellText(box)).substr(kLineBreak.size()); };
  if (DayOfBox(box) == CurrentDay && ShowsCurrentMonth()) {
    TodayEvents.assign(events());
    day.BackColor = settings.BackGroundToday;
    data.BackColor = settings.BackGroundToday;
    data.ForeColor = settings.ForeGroundToday;
  }
  if (settings.ShowToolTips != 0) {
    data.ToolTipText.assign(events());
    day.ToolTipText = data.ToolTipText;
  } else {
    data.ToolTipText.clear();
    day.ToolTipText.clear();
  }
}

void MonthView::PlaceFrom(const EventLines& records) {
  for (std::size_t b = 0; b < kDayBoxCount; ++b) {
    if (placedCount_[b] == 0) continue;
    lblData[b].Caption = DayCellText(static_cast<int>(b));
    placedCount_[b] = 0;
    cellText_[b].reset();
  }
  placedFrom_ = records;
}

std::string MonthView::TextOfPlacedEvents(std::size_t box, std::size_t events) const {
  const std::vector<int>& lines = BoxLines[box];
  events = std::min(events, lines.size());
  // Measured first, then written straight into place: a busy day holds thousands of events.
  const auto line = [this](int index) { return placedFrom_[static_cast<std::size_t>(index)]; };
  std::size_t size = 0;
  for (std::size_t k = 0; k < events; ++k) {
    const std::string_view l = line(lines[k]);
    const std::string_view t = TextField(l);
    size += kLineBreak.size() + (HasReminder(l) ? 1 : 0) + t.size() + TildesIn(t);
  }
  std::string text(size, '\0');
  char* out = text.data();
  for (std::size_t k = 0; k < events; ++k) {
    const std::string_view l = line(lines[k]);
    *out++ = '\r';
    *out++ = '\n';
    if (HasReminder(l)) *out++ = '.';
    out = CopyWithLineBreaks(out, TextField(l));
  }
  return text;
}

const std::string& MonthView::DayCellText(int box) const {
  const std::string& caption = lblData.at(static_cast<std::size_t>(box)).Caption;
  const auto b = static_cast<std::size_t>(box);
  if (placedCount_[b] == 0) return caption;
  std::optional<std::string>& text = cellText_[b];
  if (!text) text = TextOfPlacedEvents(b, placedCount_[b]) + caption;
  return *text;
}

std::string MonthView::LeadingCellText(int box, std::size_t events) const {
  const auto b = static_cast<std::size_t>(box);
  if (events > placedCount_.at(b)) return DayCellText(box);
  return TextOfPlacedEvents(b, events);
}

}  // namespace orlevant
