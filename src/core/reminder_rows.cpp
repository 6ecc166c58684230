#include "core/reminder_rows.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/events_file.h"

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
    if (IsOneOffCode(CodeField(line))) {
      const Date date = OneOffDateOf(DateField(line));
      if (date == kZeroDate || date < today) continue;
    }
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

namespace {

// A row's place in the sort: the first 16 bytes of its text as two numbers that compare as the
// bytes do (a shorter text padded with zeros, which sorts it first as std::string does), so that
// most comparisons of 32000 rows touch neither the texts nor the rows.
struct SortKey {
  std::uint64_t head = 0;
  std::uint64_t next = 0;
  std::uint32_t row = 0;
};

std::uint64_t BigEndianAt(std::string_view text, std::size_t from) {
  std::uint64_t value = 0;
  for (std::size_t i = from; i < from + 8; ++i)
    value = value << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  return value;
}

}  // namespace

std::vector<ReminderRow> ListFutureEventsByText(const EventStore& events, Date today) {
  std::vector<ReminderRow> rows = ListFutureEvents(events, today);
  std::vector<SortKey> keys(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    keys[i] = {BigEndianAt(rows[i].Text, 0), BigEndianAt(rows[i].Text, 8), static_cast<std::uint32_t>(i)};
  // Equal texts keep their file order: the row number breaks the tie.
  std::sort(keys.begin(), keys.end(), [&rows](const SortKey& a, const SortKey& b) {
    if (a.head != b.head) return a.head < b.head;
    if (a.next != b.next) return a.next < b.next;
    const int order = rows[a.row].Text.compare(rows[b.row].Text);
    return order != 0 ? order < 0 : a.row < b.row;
  });
  // The rows move into their places along the cycles of the order, each once, without a second
  // table.
  for (std::size_t start = 0; start < keys.size(); ++start) {
    if (keys[start].row == start) continue;
    ReminderRow held = std::move(rows[start]);
    std::size_t at = start;
    while (keys[at].row != start) {
      const std::size_t from = keys[at].row;
      rows[at] = std::move(rows[from]);
      keys[at].row = static_cast<std::uint32_t>(at);
      at = from;
    }
    rows[at] = std::move(held);
    keys[at].row = static_cast<std::uint32_t>(at);
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
