#include "core/events_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
  return IsDefaultAllUsersFolder(dir);
}

// Reads the events file whole. Missing only when the file is absent from a folder that exists. The
// default events folder is made here, the first time a file is opened in it; any other missing
// folder is a failure, so that nothing is created in a place the user did not choose.
FileReadOutcome ReadEventFile(const std::string& path, FileBytes& content, StoreResult& failure) {
  FileReadResult read = ReadWholeFile(path);
  const fs::path dir = fs::path(path).parent_path();
  if (read.outcome == FileReadOutcome::Missing && !FolderExists(dir)) {
    if (!IsDefaultEventsFolder(dir)) {
      failure = ReadFailure(path, "the folder " + dir.string() + " does not exist");
      return FileReadOutcome::Failed;
    }
    if (!EnsureFolder(dir, 0700)) {
      failure = ReadFailure(path, "the folder " + dir.string() + " cannot be made (" + ErrnoText(errno) + ")");
      return FileReadOutcome::Failed;
    }
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

// The first CR or LF in [p, end), or end. Every line of the file passes through here at every
// start: sixteen bytes are looked at in one go where the processor allows.
const char* FindLineBreak(const char* p, const char* end) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - p >= 16; p += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int found = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
    if (found != 0) return p + __builtin_ctz(static_cast<unsigned>(found));
  }
#endif
  for (; p != end; ++p)
    if (*p == '\r' || *p == '\n') return p;
  return end;
}

// Calls onLine for every line of text. CR LF, LF and a lone CR all end a line; a final line
// without its end counts; the empty piece after the last line end does not.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  const char* const end = text.data() + text.size();
  for (const char* p = text.data(); p != end;) {
    const char* lineEnd = FindLineBreak(p, end);
    if (!onLine(std::string_view(p, static_cast<std::size_t>(lineEnd - p)))) return;
    if (lineEnd == end) return;
    p = lineEnd + (*lineEnd == '\r' && lineEnd + 1 != end && lineEnd[1] == '\n' ? 2 : 1);
  }
}

// A line is written on one line of the file whatever it holds: a stray line break becomes "~".
bool HasLineBreak(std::string_view line) {
  // An empty view may hold a null pointer, which memchr must never see.
  if (line.empty()) return false;
  return std::memchr(line.data(), '\n', line.size()) || std::memchr(line.data(), '\r', line.size());
}

// Where the line that ends at `at` is over: past its CR LF, LF or lone CR.
std::size_t EndOfLine(std::string_view text, std::size_t at) {
  if (at < text.size() && text[at] == '\r') ++at;
  if (at < text.size() && text[at] == '\n') ++at;
  return at;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// A file brought from Windows may hold lines in Windows-1252. Lines 1 .. count of the table as one
// block of UTF-8, each line that is not UTF-8 read as Windows-1252: a table of such lines would
// otherwise hold thousands of lines of their own, each its own allocation to make and to free.
EventLines ConvertedToUtf8(const EventLines& records, std::size_t count) {
  std::size_t bytes = 0;
  for (std::size_t i = 1; i <= count; ++i) bytes += records[i].size();
  std::string block;
  block.reserve(bytes + bytes / 8);
  EventLines converted;
  converted.reserve(count + kSpareEventSlots + 1);
  converted.resize(1);
  for (std::size_t i = 1; i <= count; ++i) {
    const std::string_view line = records[i];
    const std::size_t at = block.size();
    if (IsValidUtf8(line))
      block.append(line);
    else
      AppendWindows1252AsUtf8(block, line);
    converted.AppendFromBlock(at, std::string_view(block).substr(at));
  }
  converted.Adopt(std::move(block));
  return converted;
}

bool HasOldFormEquals(std::string_view line) { return Column(line, 11, 1) == "="; }

// The text of an events file as every reader takes it: a UTF-16 file (told by its byte-order
// mark, as some editors save "Unicode" text) as UTF-8; a UTF-8 byte-order mark left off. False, with
// the reason, when the UTF-8 form of a UTF-16 file would pass the bound of what is read: saved in
// our own form, the file could not be read back.
bool EventFileText(FileBytes& bytes, std::string_view& text, std::string& why) {
  if (const std::optional<Utf16Order> order = Utf16ByteOrder(bytes)) {
    std::string utf8 = Utf16ToUtf8(bytes.View().substr(2), *order);
    if (utf8.size() > kMaxReadBytes) {
      why = "as UTF-8 text it is larger than " + std::to_string(kMaxReadBytes >> 20) +
            " MB, more than a file of this program can be";
      return false;
    }
    bytes = FileBytes(std::move(utf8));
  }
  text = bytes;
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  return true;
}

}  // namespace

std::string EventFilePath(const std::string& allUsersPath) {
  return allUsersPath + GetWindowsUserName() + ".dat";
}

FileWriteResult ReplaceEventFile(const std::string& path, std::string_view bytes) {
  return WriteFileAtomically(path, bytes, 0600, ReadOnlyFile::Refuse);
}

StoreResult LoadEvents(EventStore& store) {
  auto failed = [&store](StoreResult r) {
    store.LoadState = EventLoadState::LoadFailed;
    store.LoadError = r.error;
    return r;
  };
  if (store.Path.empty()) return failed(Failure("No events file has been named."));

  FileBytes content;
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

  std::string_view text;
  if (std::string why; !EventFileText(content, text, why)) return failed(ReadFailure(store.Path, why));

  // The table is built as the lines are found: each a piece of the bytes read.
  EventLines records;
  records.reserve(std::min<std::size_t>(text.size() / 16 + 8, kMaxEventLines) + kSpareEventSlots + 1);
  records.resize(1);
  int count = 0;
  std::string notTaken;
  std::size_t restAt = text.size();  // where the lines past the limit begin
  ForEachLine(text, [&](std::string_view line) {
    if (IsValidEventLine(line)) {
      records.AppendFromBlock(static_cast<std::size_t>(line.data() - content.data()), line);
      ++count;
    } else if (!IsBlank(line)) {
      notTaken.append(line).append(kLineEnd);
    }
    if (count < kMaxEventLines) return true;
    restAt = EndOfLine(text, static_cast<std::size_t>(line.data() + line.size() - text.data()));
    return false;
  });

  // Lines are cut at ASCII line ends, which no UTF-8 sequence contains: when the table's part of
  // the file is UTF-8, as files the program wrote are, so is every line.
  const bool tableIsUtf8 = IsValidUtf8(text.substr(0, restAt));

  // The table's lines and the lines past the limit are pieces of the same bytes as read: neither is
  // copied.
  FileBytes pastLimit = content.Tail(restAt + static_cast<std::size_t>(text.data() - content.data()));
  records.Adopt(content.Shared());
  if (!tableIsUtf8) records = ConvertedToUtf8(records, static_cast<std::size_t>(count));
  records.resize(static_cast<std::size_t>(count) + kSpareEventSlots + 1);

  store.EventRecords = std::move(records);
  store.EventCount = count;
  store.LinesNotTaken = std::move(notTaken);
  store.LinesPastLimit = std::move(pastLimit);
  store.LoadState = EventLoadState::Loaded;
  store.LoadError.clear();
  return {};
}

EventFileContent ClassifyEventFile(const FileBytes& fileBytes) {
  FileBytes bytes = fileBytes;
  std::string_view text;
  // Too large to be read as an events file: no events as far as any reader goes.
  if (std::string why; !EventFileText(bytes, text, why)) return EventFileContent::NoEvents;
  EventFileContent found = EventFileContent::Empty;
  ForEachLine(text, [&found](std::string_view line) {
    if (IsValidEventLine(line)) {
      found = EventFileContent::Events;
      return false;
    }
    if (!IsBlank(line)) found = EventFileContent::NoEvents;
    return true;
  });
  return found;
}

StoreResult SaveEvents(EventStore& store) {
  if (store.Path.empty()) return Failure("No events file has been named.");
  if (store.LoadState == EventLoadState::LoadFailed)
    return Failure("The events file " + store.Path + " could not be read, so it was not overwritten. " +
                   store.LoadError);
  if (store.LoadState == EventLoadState::NeverLoaded && PathExists(store.Path))
    return Failure("The events file " + store.Path + " has not been read yet, so it was not overwritten.");

  const int count = StoredLineCount(store);
  // The table's lines first, each on its own line; after a good save they are the new table, as
  // pieces of the bytes written.
  std::string content;
  std::size_t bytes = store.LinesNotTaken.size() + store.LinesPastLimit.size();
  for (int i = 1; i <= count; ++i) bytes += store.EventRecords[static_cast<std::size_t>(i)].size() + kLineEnd.size();
  content.reserve(bytes);
  std::vector<std::pair<std::size_t, std::size_t>> pieces;  // where each written line lies in content
  pieces.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    const std::string_view line = store.EventRecords[static_cast<std::size_t>(i)];
    if (line.empty()) continue;
    const std::size_t at = content.size();
    if (HasLineBreak(line))
      content.append(LineBreaksToTildes(line));
    else
      content.append(line);
    pieces.emplace_back(at, content.size() - at);
    content.append(kLineEnd);
  }
  const std::size_t tableEnd = content.size();
  content.append(store.LinesNotTaken).append(store.LinesPastLimit);
  // The file's last line may have had no line end.
  if (!content.empty() && content.back() != '\n' && content.back() != '\r') content.append(kLineEnd);

  if (FileWriteResult r = ReplaceEventFile(store.Path, content); !r) return SaveFailure(store.Path, r.error);

  // What follows the table's lines is kept in LinesNotTaken and LinesPastLimit already.
  content.resize(tableEnd);
  EventLines written;
  written.reserve(pieces.size() + kSpareEventSlots + 1);
  written.resize(1);
  for (const auto& [at, length] : pieces) written.AppendFromBlock(at, std::string_view(content).substr(at, length));
  written.Adopt(std::move(content));
  const int writtenCount = static_cast<int>(pieces.size());
  written.resize(pieces.size() + kSpareEventSlots + 1);
  store.EventRecords = std::move(written);
  store.EventCount = writtenCount;
  store.LoadState = EventLoadState::Loaded;
  return {};
}

void AppendEvent(EventStore& store, std::string line) {
  const auto index = static_cast<std::size_t>(store.EventCount) + 1;
  if (store.EventRecords.size() <= index) store.EventRecords.resize(index + 1);
  store.EventRecords.Set(index, std::move(line));
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
    const auto at = static_cast<std::size_t>(i);
    if (!HasOldFormEquals(store.EventRecords[at])) continue;
    std::string line(store.EventRecords[at]);
    line.insert(Column(line, 1, 10).size(), kNoReminder);
    store.EventRecords.Set(at, std::move(line));
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
    const auto at = static_cast<std::size_t>(i);
    const std::string_view stored = store.EventRecords[at];
    if (!HasReminder(stored) || !IsOneOffCode(CodeField(stored))) continue;
    const Date date = OneOffDateOf(stored);
    if (date == kZeroDate || DaysBetween(today, date) >= 0) continue;
    store.EventRecords.Set(at, WithReminderField(stored, kNoReminder));
    result.changed = true;
  }
  if (result.changed) result.save = SaveEvents(store);
  return result;
}

void ClearAllEvents(EventStore& store) {
  store.EventRecords = EventLines(kSpareEventSlots + 1);
  store.EventCount = 0;
  store.LinesNotTaken.clear();
  store.LinesPastLimit.clear();
}

}  // namespace orlevant
