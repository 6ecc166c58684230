// The events file at its limit of 32000 lines: the start-up load (with the format check and the
// past-reminder pass), a save (flushed to disk), and the duplicate search.

#include <benchmark/benchmark.h>

#include <cstdlib>
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
