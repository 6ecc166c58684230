// The one-copy lock: whatever a copy left behind, only a running copy stops a start; copies started
// together on one events file leave exactly one, whatever their sessions; the lock lies beside the
// events file, outlives every save there, and goes into a folder of the user's own only where the
// events folder cannot take it; and a lock that cannot be taken says where and why.

#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/events_file.h"
#include "core/events_maintenance.h"
#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using State = InstanceLock::State;
using testing::ModeOf;
using testing::Put;
using testing::Slurp;
using testing::TempHome;

std::string Pid(pid_t pid) { return std::to_string(pid) + "\n"; }

// Starts `count` copies of the program at once on `eventsFile`, each in a process of its own, the
// i-th in the session placesOf(i), and gives what each got, in the order they got it. Each holds
// what it got until all have asked, and then ends as a copy ends that crashes.
std::vector<State> StartCopiesTogether(const std::function<LockPlaces(int)>& placesOf, const std::string& eventsFile,
                                       int count) {
  int gate[2] = {-1, -1}, results[2] = {-1, -1};
  if (::pipe(gate) != 0 || ::pipe(results) != 0) return {};
  std::vector<pid_t> pids;
  for (int i = 0; i < count; ++i) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(gate[1]);
      char c = 0;
      while (::read(gate[0], &c, 1) > 0) {
      }
      SingleInstance instance(placesOf(i));
      const char state = char('0' + int(instance.TryAcquire(eventsFile).state));
      if (::write(results[1], &state, 1) != 1) ::_exit(1);
      for (;;) ::pause();
    }
    pids.push_back(pid);
  }
  ::close(gate[0]);
  ::close(results[1]);
  ::close(gate[1]);  // the gate opens
  std::vector<State> states;
  char got = 0;
  while (states.size() < pids.size() && ::read(results[0], &got, 1) == 1) states.push_back(State(got - '0'));
  ::close(results[0]);
  for (const pid_t pid : pids) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  return states;
}

class SingleInstanceTest : public ::testing::Test {
 protected:
  SingleInstanceTest() {
    for (const fs::path& tmp : {Tmp(), OtherTmp()}) {
      fs::create_directories(tmp);
      fs::permissions(tmp, fs::perms::all | fs::perms::sticky_bit);
    }
    places_ = Places();
  }
  LockPlaces Places() const {
    return {home_.Runtime().string(), Tmp().string(), (home_.Root() / "cache").string(), ::geteuid()};
  }
  // A session of the same user without a runtime folder, with a temporary folder of its own: a
  // start after su, from cron or in some remote shells.
  LockPlaces OtherSession() const { return {"", OtherTmp().string(), (home_.Root() / "cache2").string(), ::geteuid()}; }
  fs::path Tmp() const { return home_.Root() / "tmp"; }
  fs::path OtherTmp() const { return home_.Root() / "tmp2"; }
  fs::path Fallback() const { return Tmp() / ("orlevant-" + std::to_string(::geteuid())); }
  fs::path Cache() const { return home_.Root() / "cache" / "orlevant"; }
  fs::path RuntimeLock() const { return home_.Runtime() / "orlevant.lock"; }
  // The events file in the default events folder, and its lock.
  fs::path Events() const { return home_.Data() / "Orlevant" / "ann.dat"; }
  fs::path EventsLock() const { return home_.Data() / "Orlevant" / ".ann.dat.lock"; }

  TempHome home_;
  LockPlaces places_;
};

// Any number of copies started at once, over whatever a copy left behind, leave exactly one
// running, even when half of them run in another session; once they have ended, however they
// ended, the next start takes the lock in their place.
TEST_F(SingleInstanceTest, OnlyARunningCopyStopsAStartAndCopiesStartedTogetherLeaveOne) {
  struct Where {
    const char* name;
    std::string eventsFile;  // empty: the session's lock only
    fs::path lock;
  };
  const std::vector<Where> wheres = {{"the session's lock", "", RuntimeLock()},
                                     {"beside the events file", Events().string(), EventsLock()}};
  const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> rows = {
      {"nothing yet, not even the fallback or the events folder",
       [this](const fs::path&) {
         places_.runtimeFolder.clear();
         fs::remove_all(Events().parent_path());
       }},
      {"an empty lock file (killed between making it and writing it)", [](const fs::path& lock) { Put(lock, ""); }},
      {"naming a running process that is not a copy, in the old form",
       [](const fs::path& lock) { Put(lock, Pid(::getppid()) + "orlevant\nhost\n"); }},
      {"a lock file nobody but the superuser may open",
       [](const fs::path& lock) {
         Put(lock, "1\n");
         fs::permissions(lock, fs::perms::none);
       }},
      {"an empty folder in the lock's place",
       [](const fs::path& lock) { fs::create_directories(lock); }},
  };
  for (const Where& where : wheres) {
    for (const auto& [name, plant] : rows) {
      for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(std::string(where.name) + ": " + name + ", round " + std::to_string(round));
        places_ = Places();
        fs::remove_all(where.lock);
        fs::remove_all(Fallback());
        fs::create_directories(Events().parent_path());
        plant(where.lock);
        const LockPlaces session = places_, other = OtherSession();
        const auto placesOf = [&](int i) { return where.eventsFile.empty() || i % 2 == 0 ? session : other; };
        const std::vector<State> states = StartCopiesTogether(placesOf, where.eventsFile, 8);
        ASSERT_EQ(states.size(), 8u);
        EXPECT_EQ(std::count(states.begin(), states.end(), State::Held), 1);
        EXPECT_EQ(std::count(states.begin(), states.end(), State::HeldByAnotherCopy), 7);

        SingleInstance next(places_);
        const InstanceLock lock = next.TryAcquire(where.eventsFile);
        EXPECT_EQ(lock.state, State::Held) << lock.reason;
        const bool fallback = where.eventsFile.empty() && places_.runtimeFolder.empty();
        EXPECT_EQ(lock.path, (fallback ? Fallback() / "orlevant.lock" : where.lock).string());
        EXPECT_EQ(Slurp(lock.path), Pid(::getpid()));
        EXPECT_EQ(next.TryAcquire(where.eventsFile).state, State::Held);  // asking again keeps it
      }
    }
  }
}

// The lock lies beside the events file, following a link to the file as a save does; the default
// events folder is made for it at the first start. Where the events folder cannot take it (missing
// and not the default, read-only and without its lock yet), the lock goes into the first folder
// that is the user's own and that no one else can write to, made private where the program makes
// it. With no such folder, or with something in the lock's place that cannot be taken over without
// risk (a folder with files in it: see the start-up tests), the start is refused with the place and
// the reason. What is passed over stays as it was.
TEST_F(SingleInstanceTest, WhereTheLockGoesOrWhyItCannot) {
  struct Row {
    const char* name;
    std::function<void()> plant;
    fs::path path;                 // the lock taken, or where it could not be
    std::string reason = "";       // empty: taken
    bool needsRoot = false;
    std::string eventsFile = "";   // empty: the session's lock only
    mode_t folderMode = 0700;      // of the folder the lock is taken in
  };
  const auto noRuntime = [this] { places_.runtimeFolder.clear(); };
  const auto fallbackWith = [&](fs::perms perms) {
    noRuntime();
    fs::create_directory(Fallback());
    fs::permissions(Fallback(), perms);
  };
  const auto eventsFolderWith = [this](fs::perms perms) { fs::permissions(Events().parent_path(), perms); };
  const fs::path fallbackLock = Fallback() / "orlevant.lock", cacheLock = Cache() / "orlevant.lock";
  const fs::path shared = home_.Root() / "shared", missing = home_.Root() / "missing";
  const std::string events = Events().string();
  const std::vector<Row> rows = {
      {"a private runtime folder", [] {}, RuntimeLock()},
      {"a read-only runtime folder",
       [this] { fs::permissions(home_.Runtime(), fs::perms::owner_read | fs::perms::owner_exec); }, fallbackLock},
      {"a fallback folder others can write to", [&] { fallbackWith(fs::perms::all); }, cacheLock},
      {"a link in the fallback folder's place, to a private folder",
       [&] {
         noRuntime();
         fs::create_directory_symlink(home_.Runtime(), Fallback());
       },
       cacheLock},
      {"a fallback folder of another user",
       [&] {
         fallbackWith(fs::perms::owner_all);
         if (::chown(Fallback().c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
       },
       cacheLock, "", true},
      {"no folder of the user's own", [this] { places_.uid = ::geteuid() + 1; }, Cache(),
       "the folder belongs to another user"},
      {"a link in the lock's place", [this] { fs::create_symlink(home_.Root() / "elsewhere", RuntimeLock()); },
       RuntimeLock(), "a link stands in the lock file's place"},
      {"a named pipe in the lock's place", [this] { ::mkfifo(RuntimeLock().c_str(), 0600); }, RuntimeLock(),
       "it is not a regular file"},

      {"beside the events file, in the default folder made at the first start",
       [this] { fs::remove_all(Events().parent_path()); }, EventsLock(), "", false, events},
      {"beside the events file of a folder of the user's choice that others can write to",
       [&] {
         fs::create_directory(shared);
         fs::permissions(shared, fs::perms::owner_all | fs::perms::group_all);
       },
       shared / ".ann.dat.lock", "", false, (shared / "ann.dat").string(), 0770},
      {"beside what the events file links to",
       [&] {
         Put(Events(), "");
         fs::create_symlink(Events(), home_.Root() / "link.dat");
       },
       EventsLock(), "", false, (home_.Root() / "link.dat").string()},
      {"a missing folder of the user's choice is not made", [] {}, RuntimeLock(), "", false,
       (missing / "ann.dat").string()},
      {"a read-only events folder", [&] { eventsFolderWith(fs::perms::owner_read | fs::perms::owner_exec); },
       RuntimeLock(), "", false, events},
      {"a read-only events folder that has its lock already",
       [&] {
         Put(EventsLock(), "");
         eventsFolderWith(fs::perms::owner_read | fs::perms::owner_exec);
       },
       EventsLock(), "", false, events, 0500},
      {"a link in the lock's place beside the events file",
       [this] { fs::create_symlink(home_.Root() / "elsewhere", EventsLock()); }, EventsLock(),
       "a link stands in the lock file's place", false, events},
      {"a lock file of another user beside the events file",
       [this] {
         Put(EventsLock(), "");
         if (::chown(EventsLock().c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
       },
       EventsLock(), "the lock file belongs to another user", true, events},
  };
  for (const Row& row : rows) {
    if (row.needsRoot && ::geteuid() != 0) continue;  // only the superuser can give a file away
    SCOPED_TRACE(row.name);
    for (const fs::path& p : {Fallback(), home_.Root() / "cache", home_.Runtime(), Events().parent_path(), shared,
                              home_.Root() / "link.dat"}) {
      std::error_code absent;
      fs::permissions(p, fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow, absent);
      fs::remove_all(p);
    }
    fs::create_directory(home_.Runtime());
    fs::permissions(home_.Runtime(), fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directory(Events().parent_path());
    fs::permissions(Events().parent_path(), fs::perms::owner_all, fs::perm_options::replace);
    places_ = Places();
    row.plant();
    const mode_t fallbackBefore = ModeOf(Fallback());
    const fs::path watched = row.eventsFile.empty() ? RuntimeLock() : EventsLock();
    const auto inTheLocksPlace = fs::symlink_status(watched).type();

    SingleInstance instance(places_);
    const InstanceLock lock = instance.TryAcquire(row.eventsFile);
    EXPECT_EQ(lock.state, row.reason.empty() ? State::Held : State::Failed) << lock.reason;
    EXPECT_EQ(lock.path, row.path.string());
    EXPECT_EQ(lock.reason, row.reason);
    if (lock.state == State::Held) {
      EXPECT_EQ(ModeOf(row.path.parent_path()), row.folderMode);
    } else {
      EXPECT_EQ(fs::symlink_status(watched).type(), inTheLocksPlace);
    }
    if (row.path.parent_path() == Cache()) {
      EXPECT_EQ(ModeOf(Fallback()), fallbackBefore);
    }
    EXPECT_FALSE(fs::exists(home_.Root() / "elsewhere"));
    EXPECT_FALSE(fs::exists(missing));
    // A folder that could not take the lock is given no lock file.
    if (row.path != EventsLock()) {
      EXPECT_FALSE(fs::exists(fs::symlink_status(EventsLock())));
    }
  }
}

// The lock lies among the files that every save of the events file and of its backup rewrites and
// tidies up: it outlives them all, and still keeps a second copy out.
TEST_F(SingleInstanceTest, TheLockOutlivesEverySaveBesideIt) {
  SingleInstance running(places_);
  ASSERT_EQ(running.TryAcquire(Events().string()).state, State::Held);
  struct stat before {};
  ASSERT_EQ(::stat(EventsLock().c_str(), &before), 0);

  EventStore store(Events().string());
  ASSERT_TRUE(LoadEvents(store).ok);
  AppendEvent(store, "24/12/2026000000=Carols");
  ASSERT_TRUE(SaveEvents(store).ok);
  ASSERT_TRUE(BackupEvents(store).ok);
  ASSERT_EQ(RestoreEvents(store).outcome, RestoreOutcome::Restored);

  struct stat after {};
  ASSERT_EQ(::stat(EventsLock().c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(Slurp(EventsLock()), Pid(::getpid()));
  SingleInstance second(OtherSession());
  const InstanceLock lock = second.TryAcquire(Events().string());
  EXPECT_EQ(lock.state, State::HeldByAnotherCopy);
  EXPECT_EQ(lock.path, EventsLock().string());
}

}  // namespace
}  // namespace orlevant
