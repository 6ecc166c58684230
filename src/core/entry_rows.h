#pragma once
// The entry dialog's five rows as data: which stored lines of one day they show, which codes the
// options choose, the hidden conflicting line of a recurring row, and the writing of the rows back
// into the event table. The dialog only mirrors this state in its controls.
//
// Texts held here use CR LF for a line break, as the day boxes do.
//
// A row shows one stored line (RowLine > 0) or none. When two or more recurring lines of one kind
// fall on the day, the row shows the last of them in the file; the first is kept in FirstSlot, the
// shown one in LatestSlot, and Swap exchanges them. A line travels between row and slot with all
// it carries: its code, list choice, reminder, text as edited and its own anchor, so a swap never
// lends one line another's code.
//
// The day's box may show more lines than the rows can: further one-off events, the lines between
// the first and the last of three or more conflicts. The rows keep those aside, untouched by OK,
// so that Clear All can take every line the box shows and leave the day empty.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_date.h"
#include "core/date_engine.h"
#include "core/event_lines.h"
#include "core/entry_codes.h"

namespace orlevant {

struct EventStore;

// One stored line as a row shows it (or as a conflict slot keeps it).
struct EntryLine {
  std::string Text;      // as shown: "~" turned into CR LF
  std::string Code;      // columns 7-10; "0" while a new row has no option chosen
  int Line = 0;          // index in EventRecords; 0: no stored line
  std::string Reminder;  // columns 11-16
  bool ByDate = true;    // option A; false: option B
  int ListIndex = 0;     // the list choice shown with it
  std::string Original;  // the stored line as loaded; empty for a new row
  bool Edited = false;   // the text was changed in the dialog (typed, or emptied by Clear All)

  // Neither the text nor the code was changed: writing keeps the stored line exactly as it is.
  bool Untouched() const;
};

struct EntryRow {
  // What the row shows now. Code is RowCode, Line is RowLine, Reminder is RowReminder.
  EntryLine Shown;
  int RowMatches = 0;
  EntryLine FirstSlot;
  EntryLine LatestSlot;
  int ShowingFirst = 0;  // 1 while the row shows FirstSlot's line after a swap

  bool HasConflict() const { return RowMatches > 1; }
  // The conflicting line that is not shown.
  const EntryLine& Hidden() const { return ShowingFirst ? LatestSlot : FirstSlot; }
};

// Where a line of the table falls on the clicked day, if anywhere.
struct DecodedLine {
  int row = -1;  // -1: not on this day
  bool byDate = true;
  int listIndex = 0;
};

class EntryRows {
 public:
  // The rows for `clickedDay`, all empty.
  explicit EntryRows(Date clickedDay);

  // Form_Load: the lines of `records` (element 0 unused, 1 .. eventCount, "" deleted) whose text
  // stands in the day box's text `cellText` (a multi-line text with its breaks) and that fall on
  // the clicked day go into their rows, in file order. An empty cell text examines no line.
  // `boxLines` are the lines the month placing put in the day's box (MonthView::BoxLines, placed
  // from this same table); those that no row shows or keeps are set aside for Clear All.
  void Load(const EventLines& records, int eventCount, std::string_view cellText, std::span<const int> boxLines);

  // The decoding of one line against the clicked day (the candidate test aside).
  DecodedLine Decode(std::string_view line) const;

  const EntryRow& Row(int r) const { return rows_.at(static_cast<std::size_t>(r)); }
  Date ClickedDay() const { return clickedDay_; }
  int ClickedWeekday() const { return clickedWeekday_; }
  // "dd/mm/yyyy"
  const std::string& ClickedDate() const { return clickedDate_; }

  // txtEvent_Change: the row's text (line breaks as CR LF or LF).
  void SetText(int r, std::string_view text);
  // optEventA_Click / optEventB_Click / cboEvent_Click of a recurring row.
  void ChooseOptionA(int r);
  void ChooseOptionB(int r, int listIndex);
  // The right click on a row's red arrow: the hidden line is shown and the shown one hidden.
  // Nothing happens on a row without a conflict.
  void Swap(int r);
  // Clear All's first step: every line of the day emptied, so that writing deletes them all: each
  // row's shown line, its hidden conflicting line, and the lines of the box no row shows.
  void ClearTexts();

  // Rows 1..4 with conflicting lines, for the warning: "  ** Weekly Event" CR LF ...; empty when
  // there are none.
  std::string ConflictList() const;

  enum class WriteOutcome {
    Saved,           // lines changed, saved and reloaded
    NothingChanged,  // no line differs from the file; nothing saved, the file read in again
    EntryError,      // a text holds nothing printable: nothing changed
    TableFull,       // the new lines do not fit: nothing changed
    SaveFailed,      // the save failed: table and file as they were
  };
  struct WriteResult {
    WriteOutcome outcome = WriteOutcome::NothingChanged;
    bool linesRemoved = false;  // a line was deleted (reminders start over)
    int failedRow = -1;         // the row of an entry error
    std::string error;          // why the save failed, or why the file could not be read again
  };

  // cmdOK_Click: cleans every row and checks that the result fits before touching a line; then
  // rewrites, blanks or appends the lines, saves and reloads. An OK that changes no line still
  // reads the file in again (it may have been changed outside the program), writing nothing. On any
  // failure the table and the file are as they were and the rows keep their texts, so OK can be
  // tried again.
  WriteResult Write(EventStore& events) const;

 private:
  void Put(int r, int lineIndex, std::string_view line, const DecodedLine& decoded);
  void SetAsideOtherLines(const EventLines& records, int eventCount, std::span<const int> boxLines);
  void StoreConflictSlot(int r);
  // The six anchor characters and the whole line a row or slot is written as.
  std::string AnchorFor(const EntryLine& line) const;
  std::string LineFor(const EntryLine& line, std::string_view cleanedText) const;

  Date clickedDay_;
  MonthShape shown_;
  std::string clickedDate_;
  int clickedWeekday_ = 1;
  std::array<EntryRow, kEntryRowCount> rows_{};
  // The lines of the day's box that no row shows or keeps in a conflict slot, in file order.
  std::vector<EntryLine> otherLines_;
};

}  // namespace orlevant
