#include "core/events_maintenance.h"

#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_io.h"

namespace orlevant {

std::string BackupFilePath(const std::string& eventsPath) {
  constexpr std::string_view kExt = ".dat";
  if (eventsPath.ends_with(kExt)) return eventsPath.substr(0, eventsPath.size() - kExt.size()) + "_bu.dat";
  return eventsPath + "_bu.dat";
}

PurgeResult PurgeAllEvents(EventStore& store) {
  PurgeResult result;
  const EventStore before = store;
  ClearAllEvents(store);
  result.save = SaveEvents(store);
  if (!result.save.ok) {
    store = before;
    return result;
  }
  result.reload = LoadEvents(store);
  return result;
}

PurgeResult PurgeEventsBefore(EventStore& store, int year) {
  PurgeResult result;
  // Only the removed lines are kept aside, so that a failed save can put them back.
  std::vector<std::pair<std::size_t, std::string>> removed;
  const int lines = StoredLineCount(store);
  for (int i = 1; i <= lines; ++i) {
    const std::string_view line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.size() < 10) continue;
    int code = 0;
    const auto [end, ec] = std::from_chars(line.data() + 6, line.data() + 10, code);
    if (ec != std::errc{} || end != line.data() + 10) continue;
    if (code < year) {
      removed.emplace_back(static_cast<std::size_t>(i), store.EventRecords.Take(static_cast<std::size_t>(i)));
      ++result.removed;
    }
  }
  if (result.removed == 0) return result;
  result.save = SaveEvents(store);
  if (!result.save.ok) {
    for (auto& [index, line] : removed) store.EventRecords.Set(index, std::move(line));
    return result;
  }
  result.reload = LoadEvents(store);
  return result;
}

StoreResult BackupEvents(const EventStore& store) {
  const FileReadResult read = ReadWholeFile(store.Path);
  if (read.outcome == FileReadOutcome::Missing)
    return {false, "There is no events file to back up at " + store.Path + "."};
  if (read.outcome == FileReadOutcome::Failed) return {false, read.error};
  const std::string backup = BackupFilePath(store.Path);
  if (const FileWriteResult written = WriteFileAtomically(backup, read.content); !written.ok)
    return {false, written.error};
  return {};
}

RestoreResult RestoreEvents(EventStore& store) {
  const FileReadResult backup = ReadWholeFile(BackupFilePath(store.Path));
  if (backup.outcome == FileReadOutcome::Missing) return {RestoreOutcome::NoBackup, {}};
  if (backup.outcome == FileReadOutcome::Failed) return {RestoreOutcome::BackupUnreadable, backup.error};
  if (ClassifyEventFile(backup.content) == EventFileContent::NoEvents) return {RestoreOutcome::BackupNotEvents, {}};
  const FileReadResult current = ReadWholeFile(store.Path);
  if (current.outcome == FileReadOutcome::Failed)
    return {RestoreOutcome::Failed, "Could not read the events file " + store.Path + ": " + current.error + "."};
  if (const FileWriteResult written = ReplaceEventFile(store.Path, backup.content); !written.ok)
    return {RestoreOutcome::Failed, "Could not write the events file " + store.Path + ": " + written.error + "."};
  // A file that replaced the events file must load like the one it replaced; if it does not, the
  // old file goes back so that no save can be refused for ever.
  if (const StoreResult loaded = LoadEvents(store); !loaded.ok) {
    if (current.outcome == FileReadOutcome::Read) (void)ReplaceEventFile(store.Path, current.content);
    (void)LoadEvents(store);
    return {RestoreOutcome::Failed, loaded.error, true};
  }
  std::string problem;
  if (!IsCurrentFormat(store)) {
    if (const ChangeResult converted = ConvertOldFormat(store); converted.SaveFailed()) problem = converted.save.error;
  }
  return {RestoreOutcome::Restored, problem, true};
}

}  // namespace orlevant
