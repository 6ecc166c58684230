#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/file_io.h"
#include "platform/paths.h"

namespace orlevant {
namespace {

constexpr const char* kLockName = "orlevant.lock";

std::string ErrnoText(int err) { return std::strerror(err); }

std::string Join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return {};
  return folder + (folder.back() == '/' ? "" : "/") + std::string(name);
}

std::string WithoutSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

struct Place {
  std::string folder;
  bool make;        // made private when missing
  bool followLink;  // the user's own paths may be links; in the shared temporary folder, anyone could have put one
};

// The folder open, when it is `uid`'s own, no one else can write to it and it can take a new file;
// else nothing, and `reason` says why.
std::unique_ptr<UniqueFd> OpenPrivateFolder(const Place& place, uid_t uid, std::string& reason) {
  if (place.make) EnsureFolder(place.folder, 0700);
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (place.followLink ? 0 : O_NOFOLLOW);
  auto folder = std::make_unique<UniqueFd>(::open(place.folder.c_str(), flags));
  struct stat st {};
  if (!folder->Valid() || ::fstat(folder->Get(), &st) != 0) {
    reason = errno == ELOOP ? "a link stands in the folder's place" : ErrnoText(errno);
  } else if (st.st_uid != uid) {
    reason = "the folder belongs to another user";
  } else if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    reason = "other users can write to the folder";
  } else if ((st.st_mode & S_IWUSR) == 0) {
    reason = "the folder is read-only";
  } else if (struct statvfs fs {}; ::fstatvfs(folder->Get(), &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0) {
    reason = ErrnoText(EROFS);
  } else {
    return folder;
  }
  return nullptr;
}

// The lock file names its holder for whoever looks at it; no copy reads it.
void NameHolder(int fd) {
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
  }
}

}  // namespace

LockPlaces SessionLockPlaces() { return {RuntimeDir(), TempDir(), CacheHome(), ::geteuid()}; }

SingleInstance::SingleInstance(LockPlaces places) : places_(std::move(places)) {}

SingleInstance::~SingleInstance() = default;

InstanceLock SingleInstance::TryAcquire() {
  if (held_) return {InstanceLock::State::Held, heldPath_, {}};
  const Place places[] = {
      {places_.runtimeFolder, false, true},
      {Join(places_.tempFolder, "orlevant-" + std::to_string(places_.uid)), true, false},
      {Join(places_.cacheFolder, "orlevant"), true, true},
  };
  InstanceLock refused{InstanceLock::State::Failed, {}, "there is no folder to keep the lock in"};
  for (const Place& place : places) {
    if (place.folder.empty()) continue;
    std::string reason;
    const auto folder = OpenPrivateFolder(place, places_.uid, reason);
    if (folder) return LockIn(folder->Get(), place.folder);
    refused = {InstanceLock::State::Failed, WithoutSlash(place.folder), reason};
  }
  return refused;
}

InstanceLock SingleInstance::LockIn(int folder, const std::string& folderPath) {
  const std::string path = Join(folderPath, kLockName);
  const auto failed = [&path](std::string reason) {
    return InstanceLock{InstanceLock::State::Failed, path, std::move(reason)};
  };
  for (int attempt = 0;; ++attempt) {
    auto fd = std::make_unique<UniqueFd>(
        ::openat(folder, kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (!fd->Valid()) {
      const int err = errno;
      // No running copy holds an empty folder in the lock's place (a copy starting beside us may
      // have removed it first), and making a lock file that nobody may open ours again leaves any
      // lock on it as it is.
      if (attempt == 0 && err == EISDIR &&
          (::unlinkat(folder, kLockName, AT_REMOVEDIR) == 0 || errno == ENOENT || errno == ENOTDIR)) {
        continue;
      }
      if (attempt == 0 && err == EACCES && ::fchmodat(folder, kLockName, 0600, 0) == 0) continue;
      return failed(err == ELOOP ? "a link stands in the lock file's place" : ErrnoText(err));
    }
    struct stat st {};
    if (::fstat(fd->Get(), &st) != 0) return failed(ErrnoText(errno));
    if (!S_ISREG(st.st_mode)) return failed("it is not a regular file");
    if (::flock(fd->Get(), LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      if (err == EWOULDBLOCK) return {InstanceLock::State::HeldByAnotherCopy, path, {}};
      return failed(ErrnoText(err));
    }
    NameHolder(fd->Get());
    held_ = std::move(fd);
    heldPath_ = path;
    return {InstanceLock::State::Held, path, {}};
  }
}

}  // namespace orlevant
