#pragma once
// Reading files whole, and writing them so that nothing is ever half-written: every file the program
// reads or rewrites (events, settings, the menu file, the autostart entry) goes through here.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace orlevant {

// Owns a file descriptor and closes it on every way out of a function.
class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd() { Reset(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close itself went well (it can carry a late write error).
  bool Close();
  void Reset();

 private:
  int fd_;
};

struct FileWriteResult {
  bool ok = true;
  std::string error;  // why it failed, in words a user can act on; empty on success
  explicit operator bool() const { return ok; }
};

// Bytes that never change once made, shared by every copy: a copy costs nothing, and a part
// taken with Tail keeps the whole alive. What ReadWholeFile reads lands here directly, in memory
// that is not zero-filled first: a file of tens of megabytes read at a start would otherwise be
// written twice, once with zeros and once with itself.
class FileBytes {
 public:
  FileBytes() = default;
  // Implicit, as a text is bytes like any other and these bytes are read as text.
  FileBytes(std::string text);
  FileBytes(const char* text) : FileBytes(std::string(text)) {}
  FileBytes(std::shared_ptr<const char[]> bytes, std::size_t size) : bytes_(std::move(bytes)), size_(size) {}

  std::string_view View() const { return {bytes_.get(), size_}; }
  operator std::string_view() const { return View(); }
  const char* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() { *this = FileBytes(); }
  // The bytes from `at` on (none when `at` is past the end), in the same memory.
  FileBytes Tail(std::size_t at) const;
  // The memory itself, for a holder that keeps pieces of it (EventLines::Adopt).
  const std::shared_ptr<const char[]>& Shared() const { return bytes_; }

  friend bool operator==(const FileBytes& a, std::string_view b) { return a.View() == b; }

 private:
  std::shared_ptr<const char[]> bytes_;
  std::size_t size_ = 0;
};

enum class FileReadOutcome { Read, Missing, Failed };

struct FileReadResult {
  FileReadOutcome outcome = FileReadOutcome::Read;
  FileBytes content;  // the whole file when Read
  std::string error;  // why it failed, when Failed
};

// The largest file the program reads: 128 MiB. A full events table takes a few megabytes, so
// anything this big is not one of our files (or is a sparse or damaged one); it is refused as
// unreadable instead of being loaded into memory.
inline constexpr std::uint64_t kMaxReadBytes = std::uint64_t{128} << 20;

// Reads the whole of `file`. Missing: nothing exists at the path (or its folder is missing). Anything
// but a regular file (a folder, a named pipe, a device) is a failure: the file is opened without
// waiting, so a pipe put where a file belongs can never hang the program. A file larger than
// `maxBytes`, or memory running out, is a failure too; this never throws.
FileReadResult ReadWholeFile(const std::filesystem::path& file, std::uint64_t maxBytes = kMaxReadBytes);

// What a write does with a file that is there but that its user may not write. The rename that
// replaces a file needs only the folder's permission, so without a look at the file itself a file
// the user made read-only to protect it would be written over without a word. A file without any
// write bit counts as read-only for every account, the superuser's too: the kernel would let the
// superuser write it, but whoever took every write bit away meant the file to stay as it is.
enum class ReadOnlyFile {
  Replace,  // as any other file
  Refuse,   // nothing is written; the failure says "it is read-only"
};

// Replaces `file` with `content` so that the file on disk is always either the old one or the whole
// new one: a temporary file in the same folder is written, flushed to disk and renamed over it, and
// the folder is flushed after. A symbolic link is followed, so the file it points to is replaced and
// the link stays; a link that cannot be followed is a failed save. A new file (nothing at the path)
// gets `newFileMode`; an existing one keeps its permissions (and, when we run as root, its owner);
// when the existing file cannot be looked at, or is read-only and `readOnly` says Refuse, nothing
// is written. On failure `file` is untouched and no temporary file is left behind. After a
// successful write, temporary files of earlier writes of the same file that were cut short (a
// killed program) are removed.
FileWriteResult WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                                    mode_t newFileMode = 0600, ReadOnlyFile readOnly = ReadOnlyFile::Replace);

// Whether `name` is one of the temporary names WriteFileAtomically gives while writing `fileName`.
bool IsTemporaryNameFor(std::string_view name, std::string_view fileName);

// Creates `folder` and any missing parents; a folder created here gets `mode`. True when the folder
// exists afterwards.
bool EnsureFolder(const std::filesystem::path& folder, mode_t mode = 0700);

// The system calls the writer makes, one replaceable entry each. The program always uses the real
// ones; tests swap single entries through ScopedFileSystemCalls to make a call fail.
struct FileSystemCalls {
  std::function<int(const char*, struct stat*)> lstat;
  std::function<ssize_t(const char*, char*, std::size_t)> readlink;
  std::function<int(const char*, struct stat*)> stat;
  std::function<int(char*, int)> mkostemp;
  std::function<int(int, mode_t)> fchmod;
  std::function<ssize_t(int, const void*, std::size_t)> write;
  std::function<int(int)> fsync;
  std::function<int(const char*, const char*)> rename;
  std::function<int(const char*)> unlink;
};

// The calls in force.
const FileSystemCalls& CurrentFileSystemCalls();
// The real calls of the system.
FileSystemCalls RealFileSystemCalls();

// Puts `calls` in force for the life of the object, then the ones before.
class ScopedFileSystemCalls {
 public:
  explicit ScopedFileSystemCalls(FileSystemCalls calls);
  ~ScopedFileSystemCalls();
  ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
  ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

 private:
  FileSystemCalls saved_;
};

}  // namespace orlevant
