#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orlevant {
namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t put = ::write(fd, data.data(), data.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

FileWriteResult Failed(std::string why) { return FileWriteResult{false, std::move(why)}; }

// Where a write must land: through a symbolic link to the file it names, so the link survives.
fs::path WriteTarget(const fs::path& file) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(file, ec))) {
    const fs::path target = fs::weakly_canonical(file, ec);
    if (!ec) return target;
  }
  return file;
}

}  // namespace

FileReadResult ReadWholeFile(const fs::path& file) {
  FileReadResult result;
  auto failed = [&result](std::string why) {
    result.outcome = FileReadOutcome::Failed;
    result.content.clear();
    result.error = std::move(why);
    return std::move(result);
  };
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!fd.Valid()) {
    if (errno == ENOENT) {
      result.outcome = FileReadOutcome::Missing;
      return result;
    }
    return failed(std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return failed(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return failed("it is not a regular file");

  std::string& content = result.content;
  content.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t used = 0;
  for (;;) {
    // The size is only a hint: a file that grows while it is read is read to its end.
    if (used == content.size()) content.resize(content.size() * 2 + 4096);
    const ssize_t got = ::read(fd.Get(), content.data() + used, content.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return failed(std::strerror(errno));
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  content.resize(used);
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

FileWriteResult WriteFileAtomically(const fs::path& file, std::string_view content, mode_t newFileMode) {
  const fs::path target = WriteTarget(file);
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();

  struct stat old {};
  const bool hadFile = ::stat(target.c_str(), &old) == 0;
  if (hadFile && S_ISDIR(old.st_mode)) return Failed("a folder of that name is in the way");

  std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.Valid()) return Failed("no file can be written in " + dir.string() + " (" + std::strerror(errno) + ")");

  auto fail = [&](int err) {
    fd.Reset();
    ::unlink(temp.c_str());
    return Failed(std::strerror(err));
  };
  if (::fchmod(fd.Get(), hadFile ? (old.st_mode & 07777) : newFileMode) != 0) return fail(errno);
  if (hadFile && ::geteuid() == 0 && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
    if (::fchown(fd.Get(), old.st_uid, old.st_gid) != 0) return fail(errno);
  }
  if (!WriteAll(fd.Get(), content)) return fail(errno);
  if (::fsync(fd.Get()) != 0) return fail(errno);
  if (!fd.Close()) return fail(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);

  // Make the rename itself durable. The data is already safe under one name or the other, so a
  // folder that cannot be flushed (some file systems refuse) is no reason to report a failure.
  UniqueFd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dirFd.Valid()) (void)::fsync(dirFd.Get());
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
