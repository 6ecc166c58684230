// The one-copy lock: whatever a copy left behind, only a running copy stops a start; the lock goes
// only into a folder of the user's own; copies started together leave exactly one; and a lock that
// cannot be taken says where and why.

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

// Starts `count` copies of the program at once, each in a process of its own, and gives what each
// got, in the order they got it. Each holds what it got until all have asked, and then ends as a
// copy ends that crashes.
std::vector<State> StartCopiesTogether(const LockPlaces& places, int count) {
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
      SingleInstance instance(places);
      const char state = char('0' + int(instance.TryAcquire().state));
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
    fs::create_directories(Tmp());
    fs::permissions(Tmp(), fs::perms::all | fs::perms::sticky_bit);
    places_ = Places();
  }
  LockPlaces Places() const {
    return {home_.Runtime().string(), Tmp().string(), (home_.Root() / "cache").string(), ::geteuid()};
  }
  fs::path Tmp() const { return home_.Root() / "tmp"; }
  fs::path Fallback() const { return Tmp() / ("orlevant-" + std::to_string(::geteuid())); }
  fs::path Cache() const { return home_.Root() / "cache" / "orlevant"; }
  fs::path RuntimeLock() const { return home_.Runtime() / "orlevant.lock"; }

  TempHome home_;
  LockPlaces places_;
};

// Any number of copies started at once, over whatever a copy left behind, leave exactly one
// running; once they have ended, however they ended, the next start takes the lock in their place.
TEST_F(SingleInstanceTest, OnlyARunningCopyStopsAStartAndCopiesStartedTogetherLeaveOne) {
  const std::vector<std::pair<const char*, std::function<void()>>> rows = {
      {"nothing yet, not even the fallback folder", [this] { places_.runtimeFolder.clear(); }},
      {"an empty lock file (killed between making it and writing it)", [this] { Put(RuntimeLock(), ""); }},
      {"naming a running process that is not a copy, in the old form",
       [this] { Put(RuntimeLock(), Pid(::getppid()) + "orlevant\nhost\n"); }},
      {"a lock file nobody but the superuser may open",
       [this] {
         Put(RuntimeLock(), "1\n");
         fs::permissions(RuntimeLock(), fs::perms::none);
       }},
      {"an empty folder in the lock's place", [this] { fs::create_directory(RuntimeLock()); }},
  };
  for (const auto& [name, plant] : rows) {
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE(std::string(name) + ", round " + std::to_string(round));
      places_ = Places();
      fs::remove_all(RuntimeLock());
      fs::remove_all(Fallback());
      plant();
      const std::vector<State> states = StartCopiesTogether(places_, 8);
      ASSERT_EQ(states.size(), 8u);
      EXPECT_EQ(std::count(states.begin(), states.end(), State::Held), 1);
      EXPECT_EQ(std::count(states.begin(), states.end(), State::HeldByAnotherCopy), 7);

      SingleInstance next(places_);
      const InstanceLock lock = next.TryAcquire();
      EXPECT_EQ(lock.state, State::Held) << lock.reason;
      EXPECT_EQ(lock.path, (places_.runtimeFolder.empty() ? Fallback() / "orlevant.lock" : RuntimeLock()).string());
      EXPECT_EQ(Slurp(lock.path), Pid(::getpid()));
      EXPECT_EQ(next.TryAcquire().state, State::Held);  // asking again keeps it
    }
  }
}

// The lock goes into the first folder that is the user's own and that no one else can write to,
// made private where the program makes it. With no such folder, or with something in the lock's
// place that cannot be taken over without risk (a folder with files in it: see the start-up
// tests), the start is refused with the place and the reason. What is passed over stays as it was.
TEST_F(SingleInstanceTest, WhereTheLockGoesOrWhyItCannot) {
  struct Row {
    const char* name;
    std::function<void()> plant;
    fs::path path;            // the lock taken, or where it could not be
    std::string reason = "";  // empty: taken
    bool needsRoot = false;
  };
  const auto noRuntime = [this] { places_.runtimeFolder.clear(); };
  const auto fallbackWith = [&](fs::perms perms) {
    noRuntime();
    fs::create_directory(Fallback());
    fs::permissions(Fallback(), perms);
  };
  const fs::path fallbackLock = Fallback() / "orlevant.lock", cacheLock = Cache() / "orlevant.lock";
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
  };
  for (const Row& row : rows) {
    if (row.needsRoot && ::geteuid() != 0) continue;  // only the superuser can give a folder away
    SCOPED_TRACE(row.name);
    fs::remove_all(Fallback());
    fs::remove_all(home_.Root() / "cache");
    fs::remove_all(home_.Runtime());
    fs::create_directory(home_.Runtime());
    fs::permissions(home_.Runtime(), fs::perms::owner_all, fs::perm_options::replace);
    places_ = Places();
    row.plant();
    const mode_t fallbackBefore = ModeOf(Fallback());
    const auto inTheLocksPlace = fs::symlink_status(RuntimeLock()).type();

    SingleInstance instance(places_);
    const InstanceLock lock = instance.TryAcquire();
    EXPECT_EQ(lock.state, row.reason.empty() ? State::Held : State::Failed) << lock.reason;
    EXPECT_EQ(lock.path, row.path.string());
    EXPECT_EQ(lock.reason, row.reason);
    if (lock.state == State::Held) {
      EXPECT_EQ(ModeOf(row.path.parent_path()), 0700u);
    } else {
      EXPECT_EQ(fs::symlink_status(RuntimeLock()).type(), inTheLocksPlace);
    }
    if (row.path.parent_path() == Cache()) {
      EXPECT_EQ(ModeOf(Fallback()), fallbackBefore);
    }
    EXPECT_FALSE(fs::exists(home_.Root() / "elsewhere"));
  }
}

}  // namespace
}  // namespace orlevant
