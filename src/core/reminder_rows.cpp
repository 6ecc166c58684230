#include "core/reminder_rows.h"

#include <unordered_set>

#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/events_file.h"
#include "core/text_order.h"

namespace orlevant {

std::string ReminderRowText(std::string_view line) {
  std::string text = DescribeEventDate(DateField(line));
  const std::string event = OneRowText(TextField(line));
  text.reserve(text.size() + 3 + event.size());
  return text.append(" - ").append(event);
}

std::vector<ReminderRow> ListFutureEvents(const EventStore& events, Date today) {
  std::vector<ReminderRow> rows;
  const int last = StoredLineCount(events);
  // Room for every line at once: the rows are not moved again as the table grows, and what stays
  // unused of the room is never touched.
  rows.reserve(static_cast<std::size_t>(last));
  for (int i = 1; i <= last; ++i) {
    const std::string_view line = events.EventRecords[static_cast<std::size_t>(i)];
    if (line.empty()) continue;
    // A one-off event is its own date, past or not; a recurring one comes today or later, or never
    // when its code is of no kind: the month shows it on no day and it never alerts.
    const Date next = NextOccurrence(DateField(line), today);
    if (next == kZeroDate || next < today) continue;
    ReminderRow row;
    row.EventIndex = i;
    row.Line = line;
    row.Text = ReminderRowText(line);
    row.CodeAtLoad = std::string(ReminderField(line));
    row.ReminderRowCode = row.CodeAtLoad;
    row.RowCheckedAtLoad = row.CodeAtLoad != kNoReminder;
    row.RowChecked = row.RowCheckedAtLoad;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<ReminderRow> ListFutureEventsByText(const EventStore& events, Date today) {
  std::vector<ReminderRow> rows = ListFutureEvents(events, today);
  std::vector<std::string_view> texts;
  texts.reserve(rows.size());
  for (const ReminderRow& row : rows) texts.push_back(row.Text);
  // from[at]: the row that goes to place `at`.
  std::vector<int> from = StableTextOrder(texts, TextOrder::Bytes);
  // The rows move into their places along the cycles of the order, each once, without a second
  // table.
  for (std::size_t start = 0; start < from.size(); ++start) {
    if (from[start] == static_cast<int>(start)) continue;
    ReminderRow held = std::move(rows[start]);
    std::size_t at = start;
    while (from[at] != static_cast<int>(start)) {
      const auto next = static_cast<std::size_t>(from[at]);
      rows[at] = std::move(rows[next]);
      from[at] = static_cast<int>(at);
      at = next;
    }
    rows[at] = std::move(held);
    from[at] = static_cast<int>(at);
  }
  return rows;
}

ReminderRowDetails DescribeReminderRow(const ReminderRow& row, Date today,
                                       const std::function<std::string(Date)>& longDate) {
  ReminderRowDetails details;
  const Date next = NextOccurrence(DateField(row.Line), today);
  details.About = std::string(TextField(row.Line));
  if (next != kZeroDate) details.About += "\r\n\r\non... " + longDate(next);

  const int n = next == kZeroDate ? 0 : DaysBetween(today, next);
  details.Message = n >= 2 ? "Event is " + std::to_string(n) + " day(s) in the future."
                    : n == 1 ? std::string("Event is 1 day in the future.")
                             : std::string("Event is today.");
  details.Message += "\r\n\r\n";
  details.Message += row.RowChecked ? "You will be reminded about this event according to your settings above."
                                    : "You will not be reminded about this event since it is not checked.";
  return details;
}

int ApplyReminderRows(EventStore& events, const std::vector<ReminderRow>& rows) {
  const int last = StoredLineCount(events);
  std::unordered_set<int> written;
  const auto at = [&events](int i) { return events.EventRecords[static_cast<std::size_t>(i)]; };
  int changed = 0;
  for (const ReminderRow& row : rows) {
    if (!row.Changed()) continue;
    int index = 0;
    if (row.EventIndex >= 1 && row.EventIndex <= last && at(row.EventIndex) == row.Line && !written.contains(row.EventIndex)) {
      index = row.EventIndex;
    } else {
      for (int i = 1; i <= last; ++i) {
        if (!written.contains(i) && at(i) == row.Line) {
          index = i;
          break;
        }
      }
    }
    if (index == 0) continue;
    const std::string_view code = row.RowChecked ? std::string_view(row.ReminderRowCode) : kNoReminder;
    const std::string_view line = at(index);
    std::string updated = WithReminderField(line, code);
    written.insert(index);
    if (updated == line) continue;
    events.EventRecords.Set(static_cast<std::size_t>(index), std::move(updated));
    ++changed;
  }
  return changed;
}

}  // namespace orlevant
