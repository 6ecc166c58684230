#include "core/events_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/calendar_date.h"
#include "core/clock.h"
#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/text_encoding.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/user_name.h"

namespace orlevant {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

std::string ErrnoText(int err) { return std::strerror(err); }

StoreResult Failure(std::string text) { return StoreResult{false, std::move(text)}; }

StoreResult ReadFailure(const std::string& path, const std::string& why) {
  return Failure("Could not read the events file " + path + ": " + why + ".");
}

StoreResult SaveFailure(const std::string& path, const std::string& why) {
  return Failure("Could not save the events file " + path + ": " + why + ".");
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool FolderExists(const fs::path& dir) {
  struct stat st {};
  const std::string d = dir.empty() ? std::string(".") : dir.string();
  return ::stat(d.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsDefaultEventsFolder(const fs::path& dir) {
  return dir.lexically_normal() == fs::path(DefaultAllUsersFolder()).parent_path().lexically_normal();
}

// Reads the events file whole. Missing only when the file is absent from a folder that exists. The
// default events folder is made here, the first time a file is opened in it; any other missing
// folder is a failure, so that nothing is created in a place the user did not choose.
FileReadOutcome ReadEventFile(const std::string& path, std::string& content, StoreResult& failure) {
  FileReadResult read = ReadWholeFile(path);
  const fs::path dir = fs::path(path).parent_path();
  if (read.outcome == FileReadOutcome::Missing && !FolderExists(dir) && IsDefaultEventsFolder(dir) &&
      !EnsureFolder(dir, 0700)) {
    failure = ReadFailure(path, "the folder " + dir.string() + " cannot be made (" + ErrnoText(errno) + ")");
    return FileReadOutcome::Failed;
  }
  if (read.outcome == FileReadOutcome::Missing && !FolderExists(dir)) {
    failure = ReadFailure(path, "the folder " + fs::path(path).parent_path().string() + " does not exist");
    return FileReadOutcome::Failed;
  }
  if (read.outcome == FileReadOutcome::Failed) failure = ReadFailure(path, read.error);
  content = std::move(read.content);
  return read.outcome;
}

// Owner-only: the file holds the user's private appointments.
StoreResult CreateEmptyFile(const std::string& path, bool& alreadyThere) {
  alreadyThere = false;
  UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600));
  if (!fd.Valid()) {
    if (errno == EEXIST) {
      alreadyThere = true;
      return {};
    }
    return Failure("Could not create the events file " + path + ": " + ErrnoText(errno) + ".");
  }
  if (!fd.Close()) return Failure("Could not create the events file " + path + ": " + ErrnoText(errno) + ".");
  return {};
}

// Calls onLine for every line of text. CR LF, LF and a lone CR all end a line; a final line
// without its end counts; the empty piece after the last line end does not.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  std::size_t pos = 0;
  const std::size_t n = text.size();
  while (pos < n) {
    const void* hit = std::memchr(text.data() + pos, '\n', n - pos);
    const std::size_t nl = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : n;
    std::string_view piece = text.substr(pos, nl - pos);
    if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    // A CR with no LF after it is a line end of its own.
    for (std::size_t cr; (cr = piece.find('\r')) != std::string_view::npos;) {
      if (!onLine(piece.substr(0, cr))) return;
      piece.remove_prefix(cr + 1);
    }
    if (!onLine(piece)) return;
    pos = nl + 1;
  }
}

// A line is written on one line of the file whatever it holds: a stray line break becomes "~".
bool HasLineBreak(std::string_view line) {
  return std::memchr(line.data(), '\n', line.size()) || std::memchr(line.data(), '\r', line.size());
}

// Where the line that ends at `at` is over: past its CR LF, LF or lone CR.
std::size_t EndOfLine(std::string_view text, std::size_t at) {
  if (at < text.size() && text[at] == '\r') ++at;
  if (at < text.size() && text[at] == '\n') ++at;
  return at;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

bool HasOldFormEquals(std::string_view line) { return line.size() >= 11 && line[10] == '='; }

}  // namespace

std::string EventFilePath(const std::string& allUsersPath) {
  return allUsersPath + GetWindowsUserName() + ".dat";
}

StoreResult LoadEvents(EventStore& store) {
  auto failed = [&store](StoreResult r) {
    store.LoadState = EventLoadState::LoadFailed;
    store.LoadError = r.error;
    return r;
  };
  if (store.Path.empty()) return failed(Failure("No events file has been named."));

  std::string content;
  StoreResult failure;
  FileReadOutcome outcome = ReadEventFile(store.Path, content, failure);
  if (outcome == FileReadOutcome::Missing) {
    bool alreadyThere = false;
    if (StoreResult created = CreateEmptyFile(store.Path, alreadyThere); !created) return failed(created);
    // Someone made the file between our two looks: read what they wrote.
    if (alreadyThere) outcome = ReadEventFile(store.Path, content, failure);
  }
  if (outcome == FileReadOutcome::Failed) return failed(failure);
  if (outcome == FileReadOutcome::Missing) content.clear();

  std::string_view text(content);
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());

  std::vector<std::string> records(1);
  records.reserve(std::min<std::size_t>(text.size() / 20 + 8, kMaxEventLines + kSpareEventSlots + 1));
  std::string notTaken;
  int count = 0;
  std::size_t restAt = text.size();  // where the lines past the limit begin
  ForEachLine(text, [&](std::string_view line) {
    if (IsValidEventLine(line)) {
      records.push_back(DecodeTextLine(line));
      ++count;
    } else if (!IsBlank(line)) {
      notTaken.append(line).append(kLineEnd);
    }
    if (count < kMaxEventLines) return true;
    restAt = EndOfLine(text, static_cast<std::size_t>(line.data() + line.size() - text.data()));
    return false;
  });
  records.resize(static_cast<std::size_t>(count) + kSpareEventSlots + 1);

  std::string pastLimit;
  if (restAt < text.size()) {
    // The block is kept whole; the caller's buffer is reused when the file had no byte-order mark.
    const std::size_t from = restAt + static_cast<std::size_t>(text.data() - content.data());
    content.erase(0, from);
    pastLimit = std::move(content);
    if (pastLimit.back() != '\n' && pastLimit.back() != '\r') pastLimit.append(kLineEnd);
  }

  store.EventRecords = std::move(records);
  store.EventCount = count;
  store.LinesNotTaken = std::move(notTaken);
  store.LinesPastLimit = std::move(pastLimit);
  store.LoadState = EventLoadState::Loaded;
  store.LoadError.clear();
  return {};
}

StoreResult SaveEvents(EventStore& store) {
  if (store.Path.empty()) return Failure("No events file has been named.");
  if (store.LoadState == EventLoadState::LoadFailed)
    return Failure("The events file " + store.Path + " could not be read, so it was not overwritten. " +
                   store.LoadError);
  if (store.LoadState == EventLoadState::NeverLoaded && PathExists(store.Path))
    return Failure("The events file " + store.Path + " has not been read yet, so it was not overwritten.");

  const int count = StoredLineCount(store);
  std::vector<std::string> written(1);
  written.reserve(static_cast<std::size_t>(count) + kSpareEventSlots + 1);
  std::size_t bytes = 0;
  for (int i = 1; i <= count; ++i) {
    const std::string& line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.empty()) continue;
    written.push_back(HasLineBreak(line) ? LineBreaksToTildes(line) : line);
    bytes += written.back().size() + kLineEnd.size();
  }
  bytes += store.LinesNotTaken.size() + store.LinesPastLimit.size();

  std::string content;
  content.reserve(bytes);
  for (std::size_t i = 1; i < written.size(); ++i) content.append(written[i]).append(kLineEnd);
  content.append(store.LinesNotTaken).append(store.LinesPastLimit);

  if (FileWriteResult r = WriteFileAtomically(store.Path, content); !r) return SaveFailure(store.Path, r.error);

  const int writtenCount = static_cast<int>(written.size()) - 1;
  written.resize(written.size() + kSpareEventSlots);
  store.EventRecords = std::move(written);
  store.EventCount = writtenCount;
  store.LoadState = EventLoadState::Loaded;
  return {};
}

void AppendEvent(EventStore& store, std::string line) {
  const auto index = static_cast<std::size_t>(store.EventCount) + 1;
  if (store.EventRecords.size() <= index) store.EventRecords.resize(index + 1);
  store.EventRecords[index] = std::move(line);
  store.EventCount = static_cast<int>(index);
}

bool IsCurrentFormat(const EventStore& store) {
  const int count = StoredLineCount(store);
  for (int i = 1; i <= count; ++i)
    if (HasOldFormEquals(store.EventRecords[static_cast<std::size_t>(i)])) return false;
  return true;
}

ChangeResult ConvertOldFormat(EventStore& store) {
  ChangeResult result;
  const int count = StoredLineCount(store);
  for (int i = 1; i <= count; ++i) {
    std::string& line = store.EventRecords[static_cast<std::size_t>(i)];
    if (!HasOldFormEquals(line)) continue;
    line.insert(10, kNoReminder);
    result.changed = true;
  }
  if (result.changed) result.save = SaveEvents(store);
  return result;
}

ChangeResult ClearPastReminders(EventStore& store) {
  ChangeResult result;
  const int count = StoredLineCount(store);
  // Runs at every start over up to 32000 lines: the cheap test first, and the clock read once.
  const Date today = SystemToday();
  for (int i = 1; i <= count; ++i) {
    std::string& line = store.EventRecords[static_cast<std::size_t>(i)];
    if (!HasReminder(line)) continue;
    const Date date = OneOffDateOf(line);
    if (date == kZeroDate || DaysBetween(today, date) >= 0) continue;
    line.replace(10, kNoReminder.size(), kNoReminder);
    result.changed = true;
  }
  if (result.changed) result.save = SaveEvents(store);
  return result;
}

void ClearAllEvents(EventStore& store) {
  store.EventRecords.assign(kSpareEventSlots + 1, std::string());
  store.EventCount = 0;
  store.LinesNotTaken.clear();
  store.LinesPastLimit.clear();
}

}  // namespace orlevant
