// The events file at its limit of 32000 lines: the start-up load (with the format check and the
// past-reminder pass), in this process and in a fresh one, a save (flushed to disk), and the
// duplicate search.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/duplicate_events.h"
#include "core/events_file.h"
#include "core/message_box.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

constexpr int kLines = kMaxEventLines;
constexpr unsigned kSeed = 20260615;

// Stands at the generator's reference day so that the file has past and future events.
struct BenchClock {
  FixedClock clock{DateTime{DateSerial(2026, 6, 15), 9, 30, 0}};
  BenchClock() { SetAppClock(&clock); }
  ~BenchClock() { SetAppClock(nullptr); }
};

// A file in a fresh folder, loaded once and cleared of past reminders, as it stands after the
// first start of the program; every later start finds nothing more to clear.
struct StartedFile {
  bench::TempFolder folder;
  EventStore store{folder.Path() + "bench.dat"};
  StartedFile() {
    if (!bench::WriteEventFile(store.Path, bench::GenerateEventLines(kLines, kSeed))) std::abort();
    if (!LoadEvents(store) || ClearPastReminders(store).SaveFailed() || !LoadEvents(store)) std::abort();
  }
};

void BM_StartupLoad(benchmark::State& state) {
  BenchClock clock;
  StartedFile file;
  for (auto _ : state) {
    EventStore store(file.store.Path);
    if (!LoadEvents(store)) state.SkipWithError("load failed");
    const bool current = IsCurrentFormat(store);
    const ChangeResult cleared = ClearPastReminders(store);
    benchmark::DoNotOptimize(current);
    benchmark::DoNotOptimize(cleared.changed);
    if (store.EventCount != kLines) state.SkipWithError("wrong line count");
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

// A file ten times past the table: only the first 32000 lines are decoded; the rest is kept and
// written back unchanged.
void LoadTenTimesPastTheTable(benchmark::State& state, const std::vector<std::string>& lines) {
  BenchClock clock;
  bench::TempFolder folder;
  const std::string path = folder.Path() + "big.dat";
  if (!bench::WriteEventFile(path, lines)) std::abort();
  for (auto _ : state) {
    EventStore store(path);
    if (!LoadEvents(store)) state.SkipWithError("load failed");
    if (store.EventCount != kLines) state.SkipWithError("wrong line count");
    benchmark::DoNotOptimize(store.EventRecords[1].data());
  }
  state.SetItemsProcessed(state.iterations() * kLines * 10);
}

void BM_LoadTenTimesPastTheTable(benchmark::State& state) {
  LoadTenTimesPastTheTable(state, bench::GenerateEventLines(kLines * 10, kSeed));
}
BENCHMARK(BM_LoadTenTimesPastTheTable)->Unit(benchmark::kMillisecond);

// The same with the texts in Windows-1252, as files made on older systems hold them: the table's
// lines are converted, the rest kept as they are.
void BM_LoadTenTimesPastTheTableWindows1252(benchmark::State& state) {
  std::vector<std::string> lines = bench::GenerateEventLines(kLines * 10, kSeed);
  for (std::string& line : lines) line = bench::ToWindows1252(line);
  LoadTenTimesPastTheTable(state, lines);
}
BENCHMARK(BM_LoadTenTimesPastTheTableWindows1252)->Unit(benchmark::kMillisecond);

// The start-up load as a real start meets it: in a process of its own (load_probe, built beside this
// program), whose allocator has no memory of an earlier load to hand back. Each sample is the time
// the probe measured around its load, so the start of the process itself is left out.
class LoadProbe {
 public:
  LoadProbe() : path_((std::filesystem::read_symlink("/proc/self/exe").parent_path() / "load_probe").string()) {}

  bool Write(int lines, bool windows1252, const std::string& file) const {
    std::vector<std::string> args{path_, "--write-events", std::to_string(lines)};
    if (windows1252) args.push_back("--windows-1252");
    args.push_back(file);
    std::string ignored;
    return Run(args, ignored);
  }
  // Milliseconds of one load of `file`; negative when the probe failed.
  double Load(const std::string& file) const {
    std::string out;
    return Run({path_, file}, out) ? std::atof(out.c_str()) : -1;
  }

 private:
  static bool Run(std::vector<std::string> args, std::string& out) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    char buffer[64];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeFds[0]);
    int status = 0;
    return spawned == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  std::string path_;
};

// Arguments: lines, and 1 for texts in Windows-1252. The goal at a fresh start: under 10 ms for
// ten times the table's limit in Windows-1252, and the table at its limit no slower than before.
void BM_StartupLoadInAFreshProcess(benchmark::State& state) {
  const LoadProbe probe;
  bench::TempFolder folder;
  const std::string file = folder.Path() + "fresh.dat";
  if (!probe.Write(static_cast<int>(state.range(0)), state.range(1) != 0, file)) {
    state.SkipWithError("no events file could be written (is load_probe built?)");
    return;
  }
  for (auto _ : state) {
    const double ms = probe.Load(file);
    if (ms < 0) {
      state.SkipWithError("the load failed");
      return;
    }
    state.SetIterationTime(ms / 1000);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StartupLoadInAFreshProcess)
    ->ArgNames({"lines", "windows1252"})
    ->Args({kLines, 0})
    ->Args({kLines, 1})
    ->Args({kLines * 10, 0})
    ->Args({kLines * 10, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SaveEvents(benchmark::State& state) {
  BenchClock clock;
  StartedFile file;
  for (auto _ : state) {
    if (!SaveEvents(file.store)) state.SkipWithError("save failed");
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_SaveEvents)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindDuplicateEvents(benchmark::State& state) {
  BenchClock clock;
  StartedFile file;
  for (auto _ : state) {
    const DuplicateReport report = FindDuplicateEvents(file.store);
    benchmark::DoNotOptimize(report.pairCount);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_FindDuplicateEvents)->Unit(benchmark::kMillisecond);

// The whole command up to the question: search, and the box text, answered No.
class AnswerNo final : public MessageBoxes {
 public:
  MsgAnswer Show(MsgIcon, MsgButtons, const std::string&, const std::string& text) override {
    benchmark::DoNotOptimize(text.data());
    return MsgAnswer::No;
  }
};

void BM_RemoveDuplicateEventsAnsweredNo(benchmark::State& state) {
  BenchClock clock;
  StartedFile file;
  AnswerNo boxes;
  SetAppMessageBoxes(&boxes);
  for (auto _ : state) {
    const DuplicateResult result = RemoveDuplicateEvents(file.store);
    if (result.found == 0) state.SkipWithError("the generated file should hold duplicates");
  }
  SetAppMessageBoxes(nullptr);
}
BENCHMARK(BM_RemoveDuplicateEventsAnsweredNo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant
