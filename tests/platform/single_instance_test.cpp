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
#include <tuple>
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

// Other copies of the program, each in a process of its own. Each waits for the gate to open,
// takes the lock, reports what it got and then runs until it is killed, as a copy ends that is
// shut down or crashes.
class Copies {
 public:
  explicit Copies(const LockPlaces& places, int count) {
    if (::pipe(gate_) != 0 || ::pipe(results_) != 0) ADD_FAILURE() << "no pipes";
    for (int i = 0; i < count; ++i) {
      const pid_t pid = ::fork();
      if (pid == 0) RunCopy(places);
      pids_.push_back(pid);
    }
    ::close(results_[1]);
    ::close(gate_[0]);
  }
  ~Copies() {
    KillAll();
    ::close(results_[0]);
    if (gate_[1] >= 0) ::close(gate_[1]);
  }
  Copies(const Copies&) = delete;
  Copies& operator=(const Copies&) = delete;

  // Lets every copy go at once and gives what each got, in the order they finished.
  std::vector<State> Start() {
    ::close(gate_[1]);
    gate_[1] = -1;
    std::vector<State> states;
    char got = 0;
    while (states.size() < pids_.size() && ::read(results_[0], &got, 1) == 1) states.push_back(State(got - '0'));
    return states;
  }
  pid_t PidOf(std::size_t i) const { return pids_[i]; }
  void Kill(pid_t& pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = 0;
  }
  void KillAll() {
    for (pid_t& pid : pids_) Kill(pid);
  }

 private:
  [[noreturn]] void RunCopy(const LockPlaces& places) {
    ::close(gate_[1]);
    ::close(results_[0]);
    char c = 0;
    while (::read(gate_[0], &c, 1) > 0) {
    }
    SingleInstance instance(places);
    const char state = char('0' + int(instance.TryAcquire().state));
    if (::write(results_[1], &state, 1) != 1) ::_exit(1);
    for (;;) ::pause();
  }

  int gate_[2] = {-1, -1};
  int results_[2] = {-1, -1};
  std::vector<pid_t> pids_;
};

class SingleInstanceTest : public ::testing::Test {
 protected:
  SingleInstanceTest() {
    fs::create_directories(Tmp());
    fs::permissions(Tmp(), fs::perms::all | fs::perms::sticky_bit);
    places_ = {home_.Runtime().string(), Tmp().string(), (home_.Root() / "cache").string(), ::geteuid()};
  }
  fs::path Tmp() const { return home_.Root() / "tmp"; }
  fs::path Fallback() const { return Tmp() / ("orlevant-" + std::to_string(::geteuid())); }
  fs::path Cache() const { return home_.Root() / "cache" / "orlevant"; }
  fs::path RuntimeLock() const { return home_.Runtime() / "orlevant.lock"; }

  TempHome home_;
  LockPlaces places_;
};

// Whatever is left at the lock's place, when no running copy holds it the start goes on, and the
// lock is then ours alone.
TEST_F(SingleInstanceTest, ALockThatNoRunningCopyHoldsIsTakenOver) {
  pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ::waitpid(dead, nullptr, 0);
  const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> rows = {
      {"empty (killed between making the file and writing it)", [](const fs::path& p) { Put(p, ""); }},
      {"garbage", [](const fs::path& p) { Put(p, std::string("\xff\0\x01zz\n\n\n", 8)); }},
      {"a dead copy's, in the old form",
       [dead](const fs::path& p) { Put(p, Pid(dead) + "orlevant\n" + "host\n"); }},
      {"naming a running process that is not a copy",
       [](const fs::path& p) { Put(p, Pid(::getppid()) + "orlevant\n" + "host\n"); }},
      {"a lock file nobody may open",
       [](const fs::path& p) {
         Put(p, "1\n");
         fs::permissions(p, fs::perms::none);
       }},
      {"an empty folder", [](const fs::path& p) { fs::create_directory(p); }},
  };
  for (const auto& [name, plant] : rows) {
    SCOPED_TRACE(name);
    fs::remove_all(RuntimeLock());
    plant(RuntimeLock());
    SingleInstance first(places_);
    const InstanceLock lock = first.TryAcquire();
    EXPECT_EQ(lock.state, State::Held) << lock.reason;
    EXPECT_EQ(lock.path, RuntimeLock().string());
    EXPECT_TRUE(first.IsHeld());
    EXPECT_EQ(Slurp(RuntimeLock()), Pid(::getpid()));
    EXPECT_EQ(first.TryAcquire().state, State::Held);  // asking again keeps it
    SingleInstance second(places_);
    EXPECT_EQ(second.TryAcquire().state, State::HeldByAnotherCopy);
    EXPECT_FALSE(second.IsHeld());
  }
}

// Only a running copy stops a start, and once it has ended (however it ended) the next start
// takes the lock it left behind.
TEST_F(SingleInstanceTest, OnlyARunningCopyStopsAStart) {
  Copies running(places_, 1);
  ASSERT_EQ(running.Start(), std::vector<State>{State::Held});
  EXPECT_EQ(Slurp(RuntimeLock()), Pid(running.PidOf(0)));
  SingleInstance instance(places_);
  const InstanceLock refused = instance.TryAcquire();
  EXPECT_EQ(refused.state, State::HeldByAnotherCopy);
  EXPECT_EQ(refused.path, RuntimeLock().string());
  EXPECT_TRUE(refused.reason.empty());

  running.KillAll();
  EXPECT_TRUE(fs::exists(RuntimeLock()));
  EXPECT_EQ(instance.TryAcquire().state, State::Held);
}

// Any number of copies started at once, over any leftover, leave exactly one running.
TEST_F(SingleInstanceTest, CopiesStartedTogetherLeaveExactlyOne) {
  const std::vector<std::pair<const char*, std::function<void()>>> rows = {
      {"nothing yet, not even the fallback folder", [this] { places_.runtimeFolder.clear(); }},
      {"a lock file left behind", [this] { Put(RuntimeLock(), ""); }},
      {"an empty folder in the lock's place", [this] { fs::create_directory(RuntimeLock()); }},
      {"a lock file nobody may open",
       [this] {
         Put(RuntimeLock(), "");
         fs::permissions(RuntimeLock(), fs::perms::none);
       }},
  };
  for (const auto& [name, plant] : rows) {
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE(std::string(name) + ", round " + std::to_string(round));
      places_.runtimeFolder = home_.Runtime().string();
      fs::remove_all(RuntimeLock());
      fs::remove_all(Fallback());
      plant();
      Copies copies(places_, 8);
      const std::vector<State> states = copies.Start();
      ASSERT_EQ(states.size(), 8u);
      EXPECT_EQ(std::count(states.begin(), states.end(), State::Held), 1);
      EXPECT_EQ(std::count(states.begin(), states.end(), State::HeldByAnotherCopy), 7);
    }
  }
}

// The lock goes into the first folder that is the user's own and that no one else can write to;
// the fallback folders are made private; a folder that is not the user's is left as it was.
TEST_F(SingleInstanceTest, TheLockGoesOnlyIntoAFolderOfTheUsersOwn) {
  struct Row {
    const char* name;
    std::function<void()> plant;
    std::function<fs::path()> chosen;
    bool needsRoot = false;
  };
  const auto fallback = [this] { return Fallback(); };
  const auto cache = [this] { return Cache(); };
  const auto noRuntime = [this] { places_.runtimeFolder.clear(); };
  const std::vector<Row> rows = {
      {"a private runtime folder", [] {}, [this] { return home_.Runtime(); }},
      {"a runtime folder others can write to", [this] { fs::permissions(home_.Runtime(), fs::perms::all); },
       fallback},
      {"a read-only runtime folder",
       [this] { fs::permissions(home_.Runtime(), fs::perms::owner_read | fs::perms::owner_exec); }, fallback},
      {"a runtime folder that is missing", [this] { fs::remove(home_.Runtime()); }, fallback},
      {"no runtime folder", noRuntime, fallback},
      {"a fallback folder others can write to",
       [&] {
         noRuntime();
         fs::create_directory(Fallback());
         fs::permissions(Fallback(), fs::perms::all);
       },
       cache},
      {"a link in the fallback folder's place, to a private folder",
       [&] {
         noRuntime();
         fs::create_directory_symlink(home_.Runtime(), Fallback());
       },
       cache},
      {"a file in the fallback folder's place",
       [&] {
         noRuntime();
         Put(Fallback(), "");
       },
       cache},
      {"a fallback folder of another user",
       [&] {
         noRuntime();
         fs::create_directory(Fallback());
         fs::permissions(Fallback(), fs::perms::owner_all);
         if (::chown(Fallback().c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
       },
       cache, true},
      {"a runtime folder of another user",
       [this] {
         if (::chown(home_.Runtime().c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
       },
       fallback, true},
  };
  for (const Row& row : rows) {
    if (row.needsRoot && ::geteuid() != 0) continue;  // only the superuser can give a folder away
    SCOPED_TRACE(row.name);
    fs::remove_all(Fallback());
    fs::remove_all(home_.Root() / "cache");
    fs::remove_all(home_.Runtime());
    fs::create_directory(home_.Runtime());
    fs::permissions(home_.Runtime(), fs::perms::owner_all, fs::perm_options::replace);
    places_.runtimeFolder = home_.Runtime().string();
    row.plant();
    const mode_t fallbackBefore = ModeOf(Fallback());

    SingleInstance instance(places_);
    const InstanceLock lock = instance.TryAcquire();
    EXPECT_EQ(lock.state, State::Held) << lock.reason;
    EXPECT_EQ(lock.path, (row.chosen() / "orlevant.lock").string());
    if (row.chosen() != home_.Runtime()) {
      EXPECT_EQ(ModeOf(row.chosen()), 0700u);
      EXPECT_FALSE(fs::exists(home_.Runtime() / "orlevant.lock"));
    }
    if (row.chosen() == Cache()) {
      EXPECT_EQ(ModeOf(Fallback()), fallbackBefore);
      EXPECT_FALSE(fs::exists(Fallback() / "orlevant.lock"));
    }
  }
}

// No folder of the user's own anywhere: the start is refused with the place and the reason.
TEST_F(SingleInstanceTest, NoFolderOfTheUsersOwnIsAFailureThatSaysWhy) {
  places_.uid = ::geteuid() + 1;  // every folder here belongs to someone else than this user
  SingleInstance instance(places_);
  const InstanceLock lock = instance.TryAcquire();
  EXPECT_EQ(lock.state, State::Failed);
  EXPECT_EQ(lock.path, Cache().string());
  EXPECT_EQ(lock.reason, "the folder belongs to another user");
  EXPECT_FALSE(instance.IsHeld());
  EXPECT_FALSE(fs::exists(home_.Runtime() / "orlevant.lock"));
}

// What is in the lock's place and cannot be taken over without risk is left alone and named.
TEST_F(SingleInstanceTest, WhatCannotBeTakenOverIsAFailureThatSaysWhy) {
  const std::vector<std::tuple<const char*, std::function<void(const fs::path&)>, std::string>> rows = {
      {"a folder with a file in it", [](const fs::path& p) { Put(p / "notes.txt", "mine"); }, "Is a directory"},
      {"a link", [this](const fs::path& p) { fs::create_symlink(home_.Root() / "elsewhere", p); },
       "a link stands in the lock file's place"},
      {"a named pipe", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }, "it is not a regular file"},
  };
  for (const auto& [name, plant, reason] : rows) {
    SCOPED_TRACE(name);
    fs::remove_all(RuntimeLock());
    plant(RuntimeLock());
    const auto typeBefore = fs::symlink_status(RuntimeLock()).type();
    SingleInstance instance(places_);
    const InstanceLock lock = instance.TryAcquire();
    EXPECT_EQ(lock.state, State::Failed);
    EXPECT_EQ(lock.path, RuntimeLock().string());
    EXPECT_EQ(lock.reason, reason);
    EXPECT_EQ(fs::symlink_status(RuntimeLock()).type(), typeBefore);
    EXPECT_FALSE(fs::exists(home_.Root() / "elsewhere"));
  }
}

}  // namespace
}  // namespace orlevant
