#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

bool OnReadOnlyFileSystem(int fd) {
  struct statvfs fs {};
  return ::fstatvfs(fd, &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0;
}

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
  } else if (OnReadOnlyFileSystem(folder->Get())) {
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

// The file a save writes: the events file itself, or what its link leads to.
std::string FileBehindLinks(const std::string& file) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(file.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : file;
}

struct Taken {
  InstanceLock lock;
  std::unique_ptr<UniqueFd> fd;  // set when Held
  bool noRoom = false;           // the folder cannot take the lock file, or hold a lock
};

struct Room {
  bool make = true;     // a missing lock file is made
  bool giveUp = false;  // a folder that cannot take or hold the lock gives noRoom, not a failure
};

// Takes the lock file `name` in `folder`.
Taken LockIn(int folder, const std::string& folderPath, const std::string& name, uid_t uid, Room room) {
  const std::string path = Join(folderPath, name);
  const auto failed = [&path](std::string reason) {
    return Taken{{InstanceLock::State::Failed, path, std::move(reason)}, nullptr};
  };
  const auto nothingThere = [folder, &name] {
    struct stat st {};
    return ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
  };
  const int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (room.make ? O_CREAT : 0);
  for (int attempt = 0;; ++attempt) {
    auto fd = std::make_unique<UniqueFd>(::openat(folder, name.c_str(), flags, 0600));
    if (!fd->Valid()) {
      const int err = errno;
      // No running copy holds an empty folder in the lock's place (a copy starting beside us may
      // have removed it first), and making a lock file that nobody may open ours again leaves any
      // lock on it as it is.
      if (attempt == 0 && err == EISDIR && room.make &&
          (::unlinkat(folder, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT || errno == ENOTDIR)) {
        continue;
      }
      if (attempt == 0 && err == EACCES && ::fchmodat(folder, name.c_str(), 0600, 0) == 0) continue;
      if (room.giveUp && (err == EROFS || nothingThere())) return {{}, nullptr, true};
      return failed(err == ELOOP ? "a link stands in the lock file's place" : ErrnoText(err));
    }
    struct stat st {};
    if (::fstat(fd->Get(), &st) != 0) return failed(ErrnoText(errno));
    if (!S_ISREG(st.st_mode)) return failed("it is not a regular file");
    // Whoever owns it could hold it for ever, and this copy would end without a word.
    if (st.st_uid != uid) return failed("the lock file belongs to another user");
    if (::flock(fd->Get(), LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      if (err == EWOULDBLOCK) return {{InstanceLock::State::HeldByAnotherCopy, path, {}}, nullptr};
      if (room.giveUp) return {{}, nullptr, true};
      return failed(ErrnoText(err));
    }
    NameHolder(fd->Get());
    return {{InstanceLock::State::Held, path, {}}, std::move(fd)};
  }
}

}  // namespace

LockPlaces SessionLockPlaces() { return {RuntimeDir(), TempDir(), CacheHome(), ::geteuid()}; }

std::string EventsLockPath(const std::string& eventsFile) {
  const std::filesystem::path file(eventsFile);
  return (file.parent_path() / ("." + file.filename().string() + ".lock")).string();
}

SingleInstance::SingleInstance(LockPlaces places) : places_(std::move(places)) {}

SingleInstance::~SingleInstance() = default;

InstanceLock SingleInstance::TryAcquire(const std::string& eventsFile) {
  if (held_) return {InstanceLock::State::Held, heldPath_, {}};
  if (!eventsFile.empty()) {
    if (std::optional<InstanceLock> lock = LockBesideEventsFile(eventsFile)) return *lock;
  }
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
    if (folder) {
      Taken taken = LockIn(folder->Get(), place.folder, kLockName, places_.uid, Room{});
      return Keep(std::move(taken.lock), std::move(taken.fd));
    }
    refused = {InstanceLock::State::Failed, WithoutSlash(place.folder), reason};
  }
  return refused;
}

// Nothing when the events folder cannot take the lock: the session's places serve instead.
std::optional<InstanceLock> SingleInstance::LockBesideEventsFile(const std::string& eventsFile) {
  // The load makes the default folder on first use; the lock is found there from the first start.
  const std::filesystem::path given(eventsFile);
  if (IsDefaultAllUsersFolder(given.parent_path())) EnsureFolder(given.parent_path(), 0700);
  const std::filesystem::path lockPath(EventsLockPath(FileBehindLinks(eventsFile)));
  const std::string folderPath = lockPath.has_parent_path() ? lockPath.parent_path().string() : ".";
  const UniqueFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat st {};
  if (!folder.Valid() || ::fstat(folder.Get(), &st) != 0) return std::nullopt;
  // A folder made read-only keeps the lock file it has, but is given no new one, not even by the
  // superuser, whom its mode would not stop.
  const bool readOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || OnReadOnlyFileSystem(folder.Get());
  Taken taken = LockIn(folder.Get(), folderPath, lockPath.filename().string(), places_.uid, Room{!readOnly, true});
  if (taken.noRoom) return std::nullopt;
  return Keep(std::move(taken.lock), std::move(taken.fd));
}

InstanceLock SingleInstance::Keep(InstanceLock lock, std::unique_ptr<UniqueFd> fd) {
  if (fd) {
    held_ = std::move(fd);
    heldPath_ = lock.path;
  }
  return lock;
}

}  // namespace orlevant
