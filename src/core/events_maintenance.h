#pragma once
// The commands that act on the whole events file at once: delete every event, delete the one-off
// events of earlier years, back the file up, and restore it from the backup. Each keeps the file on
// disk as it was when it fails, and says why.

#include <string>

#include "core/events_file.h"

namespace orlevant {

// The backup beside the events file: "<name>_bu.dat" for "<name>.dat".
std::string BackupFilePath(const std::string& eventsPath);

// Empties the table (the lines kept beside it too) and saves. When the save fails the table is
// put back as it was.
StoreResult PurgeAllEvents(EventStore& store);

struct PurgeYearsResult {
  int removed = 0;  // one-off events of years before `year`
  StoreResult save;  // ok, with nothing saved, when removed is 0
};
// Removes one-off events dated before `year` and saves when any went; a failed save puts the table
// back.
PurgeYearsResult PurgeEventsBefore(EventStore& store, int year);

// Copies the events file to its backup through a temporary file renamed into place, so an older
// backup survives a failed copy.
StoreResult BackupEvents(const EventStore& store);

enum class RestoreOutcome { Restored, NoBackup, Failed };
struct RestoreResult {
  RestoreOutcome outcome = RestoreOutcome::Restored;
  std::string error;  // why it failed; also a warning of the reload when Restored
};
// Replaces the events file with the backup the same atomic way, then loads it with the format check
// of the start (lines of the old format converted and saved).
// When the backup cannot be read, the file cannot be written, or the restored file does not load,
// the events file is left (or put back) as it was and the table reloaded from it.
RestoreResult RestoreEvents(EventStore& store);

}  // namespace orlevant
