#pragma once
// Reading files whole, and writing them so that nothing is ever half-written: every file the program
// reads or rewrites (events, settings, the menu file, the autostart entry) goes through here.

#include <sys/types.h>

#include <filesystem>
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

enum class FileReadOutcome { Read, Missing, Failed };

struct FileReadResult {
  FileReadOutcome outcome = FileReadOutcome::Read;
  std::string content;  // the whole file when Read
  std::string error;    // why it failed, when Failed
};

// Reads the whole of `file`. Missing: nothing exists at the path (or its folder is missing). Anything
// but a regular file (a folder, a named pipe, a device) is a failure: the file is opened without
// waiting, so a pipe put where a file belongs can never hang the program.
FileReadResult ReadWholeFile(const std::filesystem::path& file);

// Replaces `file` with `content` so that the file on disk is always either the old one or the whole
// new one: a temporary file in the same folder is written, flushed to disk and renamed over it, and
// the folder is flushed after. A symbolic link is followed, so the file it points to is replaced and
// the link stays. A new file gets `newFileMode`; an existing one keeps its permissions (and, when we
// run as root, its owner). On failure `file` is untouched and no temporary file is left behind.
FileWriteResult WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                                    mode_t newFileMode = 0600);

// Creates `folder` and any missing parents; a folder created here gets `mode`. True when the folder
// exists afterwards.
bool EnsureFolder(const std::filesystem::path& folder, mode_t mode = 0700);

}  // namespace orlevant
