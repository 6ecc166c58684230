#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace orlevant {
namespace {

namespace fs = std::filesystem;

// Links followed before a chain counts as a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;
// Length of the unique part mkostemp puts in place of "XXXXXX".
constexpr std::size_t kTempSuffixLength = 6;

FileSystemCalls& Calls() {
  static FileSystemCalls calls = RealFileSystemCalls();
  return calls;
}

std::string ErrnoText(int err) { return std::strerror(err); }

bool WriteAll(int fd, std::string_view data) {
  const FileSystemCalls& sys = CurrentFileSystemCalls();
  while (!data.empty()) {
    const ssize_t put = sys.write(fd, data.data(), data.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

FileWriteResult Failed(std::string why) { return FileWriteResult{false, std::move(why)}; }

std::string TooLargeText(std::uint64_t maxBytes) {
  const std::string size = maxBytes >= (std::uint64_t{1} << 20) && maxBytes % (std::uint64_t{1} << 20) == 0
                               ? std::to_string(maxBytes >> 20) + " MB"
                               : std::to_string(maxBytes) + " bytes";
  return "it is larger than " + size + ", more than a file of this program can be";
}

// Where a write must land: through symbolic links to the file they name, so the links survive.
// Anything that keeps us from knowing where a link leads is a failure: writing to the link's own
// path instead would silently put a regular file in its place.
bool ResolveWriteTarget(const fs::path& file, fs::path& target, std::string& error) {
  const FileSystemCalls& sys = CurrentFileSystemCalls();
  fs::path at = file;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (sys.lstat(at.c_str(), &st) != 0) {
      const int err = errno;
      if (err == ENOENT) {  // nothing there yet: the new file goes here
        target = at;
        return true;
      }
      error = "the file " + at.string() + " cannot be looked at (" + ErrnoText(err) + ")";
      return false;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = at;
      return true;
    }
    if (hops == kMaxLinkHops) {
      error = "the link " + file.string() + " leads round in a circle";
      return false;
    }
    std::string buffer(4096, '\0');
    const ssize_t got = sys.readlink(at.c_str(), buffer.data(), buffer.size());
    if (got < 0 || static_cast<std::size_t>(got) >= buffer.size()) {
      const int err = got < 0 ? errno : ENAMETOOLONG;
      error = "the link " + at.string() + " cannot be followed (" + ErrnoText(err) + ")";
      return false;
    }
    buffer.resize(static_cast<std::size_t>(got));
    const fs::path next(buffer);
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
}

// Removes what earlier writes of `target` left when they were cut short (the program was killed
// between creating its temporary file and renaming it). Only regular files with exactly the names
// this writer makes are touched.
void RemoveLeftovers(const fs::path& dir, const fs::path& target) {
  const FileSystemCalls& sys = CurrentFileSystemCalls();
  const std::string fileName = target.filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (!IsTemporaryNameFor(p.filename().string(), fileName)) continue;
    struct stat st {};
    if (sys.lstat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) (void)sys.unlink(p.c_str());
  }
}

// Reads at least this large have their pages put in place before the read.
constexpr std::size_t kPrefaultedReadBytes = std::size_t{1} << 20;

// Memory for `size` bytes that a read is about to fill, not zero-filled by us. The pages of a large
// block are put in place in one call: the read would otherwise stop at each page it first touches,
// thousands of times for an events file of tens of megabytes read at a start. Memory that the
// allocator hands back already has its pages, and costs nothing here.
std::shared_ptr<char[]> UnfilledBytes(std::size_t size) {
  std::shared_ptr<char[]> bytes = std::make_shared_for_overwrite<char[]>(size);
  if (size >= kPrefaultedReadBytes) {
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(bytes.get()) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(bytes.get()) + size) & ~(page - 1);
    // Older kernels do not know the advice; the read then touches the pages one by one as before.
    if (end > start) (void)::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
  }
  return bytes;
}

// The permission bits decide, not only what access() answers: see ReadOnlyFile.
bool MayWrite(const fs::path& file, const struct stat& st) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0) return true;
  // Any other answer (a read-only file system, say) is left to the write, which tells its own reason.
  return errno != EACCES && errno != EPERM;
}

}  // namespace

FileSystemCalls RealFileSystemCalls() {
  FileSystemCalls calls;
  calls.lstat = [](const char* p, struct stat* st) { return ::lstat(p, st); };
  calls.readlink = [](const char* p, char* buf, std::size_t size) { return ::readlink(p, buf, size); };
  calls.stat = [](const char* p, struct stat* st) { return ::stat(p, st); };
  calls.mkostemp = [](char* tmpl, int flags) { return ::mkostemp(tmpl, flags); };
  calls.fchmod = [](int fd, mode_t mode) { return ::fchmod(fd, mode); };
  calls.write = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
  calls.fsync = [](int fd) { return ::fsync(fd); };
  calls.rename = [](const char* from, const char* to) { return ::rename(from, to); };
  calls.unlink = [](const char* p) { return ::unlink(p); };
  return calls;
}

const FileSystemCalls& CurrentFileSystemCalls() { return Calls(); }

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls calls) : saved_(std::exchange(Calls(), std::move(calls))) {}

ScopedFileSystemCalls::~ScopedFileSystemCalls() { Calls() = std::move(saved_); }

FileBytes::FileBytes(std::string text) {
  if (text.empty()) return;
  auto held = std::make_shared<const std::string>(std::move(text));
  size_ = held->size();
  bytes_ = std::shared_ptr<const char[]>(held, held->data());
}

FileBytes FileBytes::Tail(std::size_t at) const {
  if (at >= size_) return {};
  return FileBytes(std::shared_ptr<const char[]>(bytes_, bytes_.get() + at), size_ - at);
}

FileReadResult ReadWholeFile(const fs::path& file, std::uint64_t maxBytes) {
  FileReadResult result;
  auto failed = [&result](std::string why) {
    result.outcome = FileReadOutcome::Failed;
    result.content.clear();
    result.error = std::move(why);
    return std::move(result);
  };
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!fd.Valid()) {
    // ENOTDIR: a file stands where a folder of the path should be, so nothing can be at the path.
    if (errno == ENOENT || errno == ENOTDIR) {
      result.outcome = FileReadOutcome::Missing;
      return result;
    }
    return failed(ErrnoText(errno));
  }
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return failed(ErrnoText(errno));
  if (!S_ISREG(st.st_mode)) return failed("it is not a regular file");
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return failed(TooLargeText(maxBytes));

  try {
    // One byte more than the size, so that the read that finds the end needs no buffer of its own.
    std::size_t capacity = static_cast<std::size_t>(st.st_size) + 1;
    std::shared_ptr<char[]> bytes = UnfilledBytes(capacity);
    std::size_t used = 0;
    for (;;) {
      // The size is only a hint: a file that grows while it is read is read to its end, within
      // the bound.
      if (used == capacity) {
        if (used > maxBytes) return failed(TooLargeText(maxBytes));
        capacity = static_cast<std::size_t>(std::min<std::uint64_t>(used * 2 + 4096, maxBytes + 1));
        std::shared_ptr<char[]> larger = UnfilledBytes(capacity);
        std::memcpy(larger.get(), bytes.get(), used);
        bytes = std::move(larger);
      }
      const ssize_t got = ::read(fd.Get(), bytes.get() + used, capacity - used);
      if (got < 0) {
        if (errno == EINTR) continue;
        return failed(ErrnoText(errno));
      }
      if (got == 0) break;
      used += static_cast<std::size_t>(got);
    }
    if (used > maxBytes) return failed(TooLargeText(maxBytes));
    if (used > 0) result.content = FileBytes(std::move(bytes), used);
  } catch (const std::bad_alloc&) {
    return failed("there is not enough memory to read it");
  }
  return result;
}

bool UniqueFd::Close() {
  const int fd = fd_;
  fd_ = -1;
  return fd < 0 || ::close(fd) == 0;
}

void UniqueFd::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool IsTemporaryNameFor(std::string_view name, std::string_view fileName) {
  if (fileName.empty() || name.size() != fileName.size() + 2 + kTempSuffixLength) return false;
  if (name.front() != '.' || name.substr(1, fileName.size()) != fileName || name[fileName.size() + 1] != '.')
    return false;
  for (const char c : name.substr(fileName.size() + 2)) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum) return false;
  }
  return true;
}

FileWriteResult WriteFileAtomically(const fs::path& file, std::string_view content, mode_t newFileMode,
                                    ReadOnlyFile readOnly) {
  const FileSystemCalls& sys = CurrentFileSystemCalls();
  fs::path target;
  std::string why;
  if (!ResolveWriteTarget(file, target, why)) return Failed(why);
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();

  // Only a file that is not there is new; a file we cannot look at keeps its permissions by not
  // being replaced at all.
  struct stat old {};
  bool hadFile = true;
  if (sys.stat(target.c_str(), &old) != 0) {
    const int err = errno;
    if (err != ENOENT) return Failed("the file " + target.string() + " cannot be looked at (" + ErrnoText(err) + ")");
    hadFile = false;
  }
  if (hadFile && S_ISDIR(old.st_mode)) return Failed("a folder of that name is in the way");
  if (hadFile && readOnly == ReadOnlyFile::Refuse && !MayWrite(target, old)) return Failed("it is read-only");

  std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  UniqueFd fd(sys.mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.Valid()) return Failed("no file can be written in " + dir.string() + " (" + ErrnoText(errno) + ")");

  auto fail = [&](int err) {
    fd.Reset();
    ::unlink(temp.c_str());
    return Failed(ErrnoText(err));
  };
  if (sys.fchmod(fd.Get(), hadFile ? (old.st_mode & 07777) : newFileMode) != 0) return fail(errno);
  if (hadFile && ::geteuid() == 0 && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
    if (::fchown(fd.Get(), old.st_uid, old.st_gid) != 0) return fail(errno);
  }
  if (!WriteAll(fd.Get(), content)) return fail(errno);
  if (sys.fsync(fd.Get()) != 0) return fail(errno);
  if (!fd.Close()) return fail(errno);
  if (sys.rename(temp.c_str(), target.c_str()) != 0) return fail(errno);

  RemoveLeftovers(dir, target);
  // Make the rename itself durable. The data is already safe under one name or the other, so a
  // folder that cannot be flushed (some file systems refuse) is no reason to report a failure.
  UniqueFd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dirFd.Valid()) (void)sys.fsync(dirFd.Get());
  return {};
}

bool EnsureFolder(const fs::path& wanted, mode_t mode) {
  const fs::path folder = wanted.has_filename() ? wanted : wanted.parent_path();
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  const auto parent = folder.parent_path();
  if (!parent.empty() && parent != folder && !fs::is_directory(parent, ec)) {
    if (!fs::create_directories(parent, ec) && !fs::is_directory(parent, ec)) return false;
  }
  if (::mkdir(folder.c_str(), mode) == 0) {
    // The umask may have taken bits away; the mode asked for is the one wanted.
    ::chmod(folder.c_str(), mode);
    return true;
  }
  return errno == EEXIST && fs::is_directory(folder, ec);
}

}  // namespace orlevant
