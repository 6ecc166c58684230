#include "core/reminder_rows.h"

#include <unordered_set>

#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/events_file.h"

namespace orlevant {

std::string ReminderRowText(std::string_view line) {
  return DescribeEventDate(DateField(line)) + " - " + OneRowText(TextField(line));
}

std::vector<ReminderRow> ListFutureEvents(const EventStore& events, Date today) {
  std::vector<ReminderRow> rows;
  const int last = StoredLineCount(events);
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
