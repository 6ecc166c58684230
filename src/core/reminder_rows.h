#pragma once
// The rows of the reminders dialog: every event that falls on a day today or later (every recurring
// event whose code is of a kind), each tied to its own line by the line's index, so that texts
// holding "^" and lines that stand twice are told apart, and applying changes exactly the lines
// whose rows changed.

#include <functional>
#include <string>
#include <vector>

#include "core/calendar_date.h"

namespace orlevant {

struct EventStore;

struct ReminderRow {
  int EventIndex = 0;            // the line's index in EventRecords
  std::string Line;              // the line as it was when the list was filled
  std::string Text;              // "2026/12/05 - Dentist": the date description and the text
  std::string CodeAtLoad;        // its reminder field ("000000" when it has none)
  std::string ReminderRowCode;   // the code being edited
  bool RowCheckedAtLoad = false;
  bool RowChecked = false;

  bool Changed() const { return RowChecked != RowCheckedAtLoad || ReminderRowCode != CodeAtLoad; }
};

// The rows for lines 1 .. EventCount in file order, as of `today`.
std::vector<ReminderRow> ListFutureEvents(const EventStore& events, Date today);

// The rows as the dialog lists them: by their texts, which begin with the sortable date
// description; rows of equal text keep their file order.
std::vector<ReminderRow> ListFutureEventsByText(const EventStore& events, Date today);

// What the dialog says about the selected row.
struct ReminderRowDetails {
  std::string About;    // the event text ("~" kept), and "on... " with the date it next falls on
  std::string Message;  // how far off that is, and whether the row's reminder will come
};
// `longDate` writes a date as "mmmm d, yyyy" in the user's language.
ReminderRowDetails DescribeReminderRow(const ReminderRow& row, Date today,
                                       const std::function<std::string(Date)>& longDate);

// The text of a row: the sortable date description, " - ", the event text with "~" shown as two
// blanks and "=" as " - ".
std::string ReminderRowText(std::string_view line);

// Writes every changed row into its line: its code when checked, "000000" when not. A row whose
// line no longer stands at its index (the table changed meanwhile) goes to the first other line
// still equal to what it listed; a row whose line is gone is left out. Returns the number of lines
// changed. Nothing is saved here.
int ApplyReminderRows(EventStore& events, const std::vector<ReminderRow>& rows);

}  // namespace orlevant
