#pragma once
// The events file and the table of event lines held in memory.
//
// All events live in EventRecords (core/event_lines.h): element 0 is unused, the events are
// 1 .. EventCount in file order, and an element holding "" is a deleted line that every reader
// skips and the next save drops. After every load and every save the table has room for five more lines
// (EventRecords.size() >= EventCount + 6), so the entry dialog can append its rows in place; use
// AppendEvent to add a line without counting on that room.
//
// On disk: one file per user (EventFilePath), one event line per line, UTF-8 with CR LF. Reading
// also accepts LF-only ends, a missing final line end, a UTF-8 byte-order mark, a file saved as
// UTF-16 with its byte-order mark (either order), and lines brought from Windows in Windows-1252
// (each line that is not valid UTF-8 is converted). The next save writes our own form.
//
// Safety rules the functions here keep:
//  - A save writes a temporary file beside the events file, flushes it to disk and renames it over
//    the old one. When anything fails, the file on disk and the table stay exactly as they were
//    and the caller gets the reason. A file the user may not write (made read-only to protect
//    it) is never replaced: every save, and a restore, is refused with "it is read-only".
//  - Only a missing file is created (empty). An existing file that cannot be read is never
//    truncated; after such a failure every save is refused until a load succeeds, so a stale or
//    empty table can never overwrite the user's events.
//  - Nothing the user wrote is lost by a save: every non-blank line the load does not take into
//    the table (a line typed by hand without a valid date, say) is kept in LinesNotTaken, and
//    whatever follows the 32000th line in the file in LinesPastLimit; both are written back
//    byte for byte after the table's lines.
//
// None of these functions throws; failures come back as values.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/event_lines.h"
#include "platform/file_io.h"

namespace orlevant {

inline constexpr int kMaxEventLines = 32000;
// Room kept after the last line for new lines (one per row of the entry dialog).
inline constexpr int kSpareEventSlots = 5;

// allUsersPath & user name & ".dat"; allUsersPath ends with its separator ("/").
std::string EventFilePath(const std::string& allUsersPath);

// Replaces the events file at `path` with `bytes`: the one way every save and a restore write it
// (WriteFileAtomically), refusing a file the user may not write.
FileWriteResult ReplaceEventFile(const std::string& path, std::string_view bytes);

enum class EventLoadState {
  NeverLoaded,  // no load has run yet: a save is allowed only while no file exists at Path
  Loaded,       // the table mirrors the file (or the file was created empty)
  LoadFailed,   // the last load failed: the table is stale and saves are refused
};

struct EventStore {
  std::string Path;                       // the events file, normally EventFilePath(AllUsersPath)
  EventLines EventRecords;                // [0] unused, 1 .. EventCount, room for five more
  int EventCount = 0;
  // Kept as the file's own bytes, each line with its line end, and written back unchanged after the
  // table's lines: the non-blank lines before the limit that are no event lines, then everything
  // after the 32000th line (read as one block, not line by line, so a huge file loads quickly).
  std::string LinesNotTaken;
  FileBytes LinesPastLimit;  // a part of the bytes read, shared with the table's first block
  EventLoadState LoadState = EventLoadState::NeverLoaded;
  std::string LoadError;                  // why the last load failed; empty after a good load

  EventStore() : EventRecords(kSpareEventSlots + 1) {}
  explicit EventStore(std::string path) : Path(std::move(path)), EventRecords(kSpareEventSlots + 1) {}
};

// The number of lines 1 .. eventCount the table really holds: a count set by hand may run past the
// end of the table, and every loop over the lines stops here.
inline int StoredLineCount(const EventLines& records, int eventCount) {
  return std::max(0, std::min<int>(eventCount, static_cast<int>(records.size()) - 1));
}
inline int StoredLineCount(const EventStore& store) { return StoredLineCount(store.EventRecords, store.EventCount); }

// Outcome of a load or save. error is a sentence for the user ("Could not save the events file
// /home/.../ann.dat: No space left on device."), empty when ok.
struct StoreResult {
  bool ok = true;
  std::string error;
  explicit operator bool() const { return ok; }
};

// Outcome of an operation that changes lines and saves only when it changed something.
struct ChangeResult {
  bool changed = false;  // lines were changed in memory
  StoreResult save;      // the save that followed; ok (and no save made) when nothing changed
  bool Saved() const { return changed && save.ok; }
  bool SaveFailed() const { return !save.ok; }
};

// Empties the table and drops every line kept outside it (LinesNotTaken, LinesPastLimit), so that
// the next save writes an empty file. Nothing is saved here.
void ClearAllEvents(EventStore& store);

// Reads the file into EventRecords and sets EventCount. A missing file is created empty. On any
// failure (the folder is missing, the path is a folder or no regular file, access is refused, a
// read error) the table keeps what it held, LoadState becomes LoadFailed and the result says why.
// LoadEvents never shows a message. The reminder list sizes itself from EventCount when it is
// rebuilt; nothing here touches it.
StoreResult LoadEvents(EventStore& store);

// What a whole events file holds, as the load would see it: nothing but blank lines (or nothing at
// all), at least one line the load takes as an event, or text of which no line is an event (a
// damaged file, or one that is no events file).
enum class EventFileContent { Empty, Events, NoEvents };
EventFileContent ClassifyEventFile(const FileBytes& fileBytes);

// Rewrites the file from lines 1 .. EventCount, dropping empty elements, then LinesNotTaken and
// LinesPastLimit.
// On success the table is compacted to the lines written and EventCount is their number (so a
// second save before the next load writes the same lines again). A line break inside a line is
// written as "~", so no line can split into two on disk. Refused (nothing written) while
// LoadState is LoadFailed, or NeverLoaded with a file already at Path.
[[nodiscard]] StoreResult SaveEvents(EventStore& store);

// Appends a line at EventCount + 1, growing the vector when the spare room is used up.
void AppendEvent(EventStore& store, std::string line);

// False when some line 1 .. EventCount has "=" in column 11 (a line without reminder code).
bool IsCurrentFormat(const EventStore& store);

// Puts "000000" after column 10 of every line that has "=" in column 11, then saves when any
// line changed. Lines already in the current form are left alone. When the save fails the table
// keeps the converted lines (they are what every reader expects) and the result says why.
ChangeResult ConvertOldFormat(EventStore& store);

// Sets the reminder code of one-off events dated before today (AppClock) to "000000" and saves
// when anything changed. Today's events, recurring events and lines without a six-digit reminder
// code are not touched.
ChangeResult ClearPastReminders(EventStore& store);

struct DuplicateResult {
  std::int64_t found = 0;  // pairs of equal lines, as told to the user
  bool removed = false;    // the user said Yes and the later copies were taken out of the file
  // The save that follows Yes. A failed save leaves the table as it was before the question.
  StoreResult save;
  // Reading the file back after a good save. When it fails the copies are gone from the file all
  // the same and the table stays as it was saved; saves are refused until a load succeeds.
  StoreResult reload;
};

// Finds lines that are equal ignoring letter case (core/duplicate_events.h), tells the user
// through AppMessageBoxes() and, on Yes, blanks every later copy, saves and reloads. Shows "No Events", "no Duplicate Events",
// or the Yes/No question listing the first 30 pairs. After removed is true the caller rebuilds
// what depends on the table (reminder list and shown-flags, the month grid).
DuplicateResult RemoveDuplicateEvents(EventStore& store);

}  // namespace orlevant
