#pragma once
// The commands that act on the whole events file at once: delete every event, delete the one-off
// events of earlier years, back the file up, and restore it from the backup. Each keeps the file on
// disk as it was when it fails, and says why.

#include <string>

#include "core/events_file.h"

namespace orlevant {

// The backup beside the events file: "<name>_bu.dat" for "<name>.dat".
std::string BackupFilePath(const std::string& eventsPath);

struct PurgeResult {
  int removed = 0;  // one-off events of earlier years (PurgeEventsBefore)
  // A failed save puts the table back as it was. Ok, with nothing saved, when PurgeEventsBefore
  // found nothing to remove.
  StoreResult save;
  // Reading the file back after a good save. When it fails the deletion is on disk all the same and
  // the table stays as it was saved; saves are refused until a load succeeds.
  StoreResult reload;
};

// Empties the table (the lines kept beside it too), saves and reads the file back.
PurgeResult PurgeAllEvents(EventStore& store);

// Removes one-off events dated before `year`; when any went, saves and reads the file back.
PurgeResult PurgeEventsBefore(EventStore& store, int year);

// Copies the events file to its backup through a temporary file renamed into place, so an older
// backup survives a failed copy.
StoreResult BackupEvents(const EventStore& store);

enum class RestoreOutcome {
  Restored,
  NoBackup,          // there is no backup file
  BackupUnreadable,  // the backup cannot be read (error says why); nothing was changed
  BackupNotEvents,   // the backup holds text but not one event line; nothing was changed
  Failed,            // the events file could not be read, written or loaded; it is as it was
};
struct RestoreResult {
  RestoreOutcome outcome = RestoreOutcome::Restored;
  std::string error;      // why it failed; also a warning of the reload when Restored
  bool reloaded = false;  // the table was loaded again (from the backup, or from the file put back)
};
// Replaces the events file with the backup the same atomic way, then loads it with the format check
// of the start (lines of the old format converted and saved). A backup that is empty (the backup of
// an empty table) restores; one that holds text of which no line is an event is damaged, or is no
// backup of ours, and is refused: restoring it would empty the calendar.
// When the backup cannot be read, the file cannot be written, or the restored file does not load,
// the events file is left (or put back) as it was.
RestoreResult RestoreEvents(EventStore& store);

}  // namespace orlevant
