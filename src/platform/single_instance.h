#pragma once
// One running copy per events file. The running copy holds an advisory lock on a file beside its
// events file, "." & the events file's name & ".lock"; the system lets go of that lock when the
// copy ends, however it ends. So a lock file left behind (empty, half-written, of an older version,
// naming a dead or an unrelated process) never stops a later start: only a lock that a running copy
// holds does. The lock is found from the events file alone, so two starts on one file meet it
// whatever their environment, and any number of copies started at once leave exactly one.
//
// Only where the events folder cannot take the lock (missing, made read-only before it had one, on a
// file system without locks) does it go to a place of the session instead: "orlevant.lock" in a
// folder that is the user's own.
//
// The lock file is never removed, not even by its holder: a copy that removed it on its way out
// could leave a starting copy locking a file that no longer has a name, beside a third copy that
// made a new one.

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

namespace orlevant {

class UniqueFd;

// Where the lock may go when the events folder cannot take it, in order: the session's runtime
// folder; "orlevant-<uid>" in the system's temporary folder, made private (0700) when missing;
// "orlevant" in the user's cache folder, made likewise. A folder is taken only when it belongs to
// `uid`, no one else can write to it and it can take a new file. The first two are skipped when
// their path is empty.
struct LockPlaces {
  std::string runtimeFolder;
  std::string tempFolder;
  std::string cacheFolder;
  uid_t uid = 0;
};

// The places of this session: $XDG_RUNTIME_DIR, $TMPDIR (or /tmp), $XDG_CACHE_HOME (or ~/.cache),
// and the effective user.
LockPlaces SessionLockPlaces();

// The lock file of an events file: ".ann.dat.lock" beside "ann.dat". No name the program gives a
// file of its own in that folder (events file, backup, the temporary files of their saves) is one.
std::string EventsLockPath(const std::string& eventsFile);

struct InstanceLock {
  enum class State {
    Held,               // this is the only copy; the lock is held until the SingleInstance goes
    HeldByAnotherCopy,  // a running copy holds it
    Failed,             // no lock could be taken; `reason` says why
  };
  State state = State::Failed;
  std::string path;    // the lock file, or the folder that could not take it
  std::string reason;  // in words a user can act on; empty unless Failed
};

class SingleInstance {
 public:
  explicit SingleInstance(LockPlaces places = SessionLockPlaces());
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Takes the lock of `eventsFile`, the file this copy is about to open (a link is followed, as a
  // save follows it). The default events folder is made here when missing, owner-only, as the load
  // would make it. Empty: the session's lock only. Never waits. Asking again while the lock is
  // held keeps it.
  InstanceLock TryAcquire(const std::string& eventsFile);

 private:
  std::optional<InstanceLock> LockBesideEventsFile(const std::string& eventsFile);
  // Keeps `fd` when it holds the lock.
  InstanceLock Keep(InstanceLock lock, std::unique_ptr<UniqueFd> fd);

  LockPlaces places_;
  std::unique_ptr<UniqueFd> held_;
  std::string heldPath_;
};

}  // namespace orlevant
