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

// Appends an event text to out with each stored "~" turned back into a line break.
void AppendWithLineBreaks(std::string& out, std::string_view text) {
  // Most texts hold no "~" at all: the runs between them are copied whole.
  for (std::size_t from = 0;;) {
    const std::size_t tilde = text.find('~', from);
    if (tilde == std::string_view::npos) {
      out.append(text, from);
      return;
    }
    out.append(text, from, tilde - from).append(kLineBreak);
    from = tilde + 1;
  }
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
  const int last = std::min<int>(eventCount, static_cast<int>(records.size()) - 1);
  for (int i = 1; i <= last; ++i) {
    if (!records[i].empty()) PlaceLine(keys, records[i], i);
  }
  FinishQueuedBoxes(settings, records);
}

void MonthView::PlaceMonthEvents(const Settings& settings, const EventStore& events) {
  PlaceMonthEvents(settings, events.EventRecords, events.EventCount);
}

void MonthView::AddEventToDay(const Settings& settings, const EventLines& records, int eventIndex,
                              int day) {
  if (eventIndex < 0 || eventIndex >= static_cast<int>(records.size())) return;
  QueueEventOnDay(records[eventIndex], eventIndex, day);
  FinishQueuedBoxes(settings, records);
}

void MonthView::PlaceLine(const PassKeys& keys, std::string_view line, int index) {
  const std::string_view code = CodeField(line);
  if (IsOneOff(code)) {
    if (ColumnsEqual(line, 4, keys.monthKey)) QueueEventOnDay(line, index, TwoDigits(DayField(line)));
    return;
  }

  const int day = TwoDigits(DayField(line));

  const std::string_view head = HeadField(line);
  const std::string_view tail = TailField(line);
  const bool byDate = Is(head, '9', '9');
  // The nth-weekday forms: ordinal in column 7, weekday in column 8.
  const auto placeNth = [&] { QueueEventOnDay(line, index, NthWeekdayInShownMonth(DigitAt(head, 0), DigitAt(head, 1))); };

  if (Is(tail, '9', '9')) {  // yearly, in the anchor month only
    if (!ColumnsEqual(line, 4, keys.yearlyMonth)) return;
    if (byDate)
      QueueEventOnDay(line, index, day);
    else
      placeNth();
  } else if (Is(tail, '8', '9')) {  // quarterly
    if (!IsQuarterMonth(TwoDigits(MonthField(line)), keys.shownMonth)) return;
    if (byDate)
      QueueEventOnDay(line, index, std::min(day, DaysInMonth));  // the 31st falls on a shorter month's last day
    else
      placeNth();
  } else if (Is(tail, '9', '8')) {  // monthly; a month without the day shows nothing
    if (byDate)
      QueueEventOnDay(line, index, day);
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
        if (candidate >= 1) QueueEventOnDay(line, index, candidate);
      }
    } else if (const WeekCombination* weeks = FindWeekCombination(head)) {
      // Each named week once, First .. Last: in a month with four such weekdays the Fourth and the
      // Last are one day, which then shows the event twice.
      for (int ordinal : weeks->ordinals) {
        if (ordinal == 0) break;
        QueueEventOnDay(line, index, NthWeekdayInShownMonth(ordinal, weekday));
      }
    }
  }
}

void MonthView::QueueEventOnDay(std::string_view line, int index, int day) {
  const int box = GridOffset + day - 1;
  if (box < 0 || box >= kDayBoxCount) return;
  if (!lblDay[box].Enabled) return;  // a box of the neighbouring months
  std::vector<QueuedEvent>& queue = queued_[box];
  if (queue.empty()) boxesWithQueue_.push_back(box);
  queue.push_back({index, HasReminder(line)});
}

void MonthView::FinishQueuedBoxes(const Settings& settings, const EventLines& records) {
  for (int box : boxesWithQueue_) FinishBox(settings, records, box);
  boxesWithQueue_.clear();
}

void MonthView::FinishBox(const Settings& settings, const EventLines& records, int box) {
  std::vector<QueuedEvent>& queue = queued_[box];
  if (queue.empty()) return;
  LabelState& day = lblDay[box];
  LabelState& data = lblData[box];
  ImageState& icon = imgRemind[box];

  // The icon is hidden when the first event of an empty box has no reminder, and shown as soon as
  // any event of the box has one.
  if (data.Caption.empty() && !queue.front().reminder) icon.Visible = false;
  if (std::any_of(queue.begin(), queue.end(), [](const QueuedEvent& e) { return e.reminder; })) icon.Visible = true;

  // Newest placed first, each on its own line after a line break, then whatever the box held.
  // Room is reserved for the worst case (every character a "~") and only what is written is
  // touched: a busy day holds thousands of events and is built on every fill.
  const auto text = [&records](const QueuedEvent& e) { return TextField(records[static_cast<std::size_t>(e.line)]); };
  std::size_t bound = data.Caption.size();
  for (const QueuedEvent& e : queue) bound += kLineBreak.size() + 1 + 2 * text(e).size();
  std::string caption;
  caption.reserve(bound);
  for (auto e = queue.rbegin(); e != queue.rend(); ++e) {
    caption.append(e->reminder ? "\r\n." : "\r\n");
    AppendWithLineBreaks(caption, text(*e));
  }
  caption.append(data.Caption);
  data.Caption = std::move(caption);
  std::vector<int>& lines = BoxLines[box];
  std::vector<int> placed;
  placed.reserve(queue.size() + lines.size());
  for (auto e = queue.rbegin(); e != queue.rend(); ++e) placed.push_back(e->line);
  placed.insert(placed.end(), lines.begin(), lines.end());
  lines = std::move(placed);
  queue.clear();

  day.BackColor = settings.BackGroundEntry;
  data.ForeColor = settings.ForeGroundEntry;
  data.BackColor = settings.BackGroundEntry;

  const std::string_view events = std::string_view(data.Caption).substr(kLineBreak.size());
  if (DayOfBox(box) == CurrentDay && ShowsCurrentMonth()) {
    TodayEvents.assign(events);
    day.BackColor = settings.BackGroundToday;
    data.BackColor = settings.BackGroundToday;
    data.ForeColor = settings.ForeGroundToday;
  }
  if (settings.ShowToolTips != 0) {
    data.ToolTipText.assign(events);
    day.ToolTipText.assign(events);
  } else {
    data.ToolTipText.clear();
    day.ToolTipText.clear();
  }
}

}  // namespace orlevant
