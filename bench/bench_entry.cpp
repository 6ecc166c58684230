// The entry dialog at the table's limit of 32000 lines: reading a busy day into the rows (the
// month grid's text of that day, then every line decoded against it), and an OK that rewrites one
// line and saves the whole file.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/entry_rows.h"
#include "core/events_file.h"
#include "core/settings.h"
#include "monthview/month_view.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

constexpr int kLines = kMaxEventLines;
constexpr unsigned kSeed = 20260615;
const Date kDay = DateSerial(2026, 6, 15);

struct LoadedFile {
  bench::TempFolder folder;
  EventStore store{folder.Path() + "bench.dat"};
  MonthView month;
  Settings settings;
  LoadedFile() {
    if (!bench::WriteEventFile(store.Path, bench::GenerateEventLines(kLines, kSeed))) std::abort();
    if (!LoadEvents(store)) std::abort();
    month.SetToday(kDay);
    month.ShowMonthTitle(kDay, settings);
    month.ShowWeekdayHeadings(0, settings);
    month.FillMonthGrid(kDay, settings, store);
  }
  const std::string& Cell() const { return month.DayCellText(month.BoxOfDay(DayOf(kDay))); }
  const std::vector<int>& BoxLines() const { return month.BoxLines[static_cast<std::size_t>(month.BoxOfDay(DayOf(kDay)))]; }
};

void BM_LoadDayIntoRows(benchmark::State& state) {
  LoadedFile file;
  for (auto _ : state) {
    EntryRows rows(kDay);
    rows.Load(file.store.EventRecords, file.store.EventCount, file.Cell(), file.BoxLines());
    benchmark::DoNotOptimize(rows.Row(kRowToday).Shown.Line);
  }
}
BENCHMARK(BM_LoadDayIntoRows)->Unit(benchmark::kMillisecond);

void BM_OkRewritesOneLine(benchmark::State& state) {
  LoadedFile file;
  int n = 0;
  for (auto _ : state) {
    EntryRows rows(kDay);
    rows.Load(file.store.EventRecords, file.store.EventCount, file.Cell(), file.BoxLines());
    int row = 0;
    while (row < kEntryRowCount && rows.Row(row).Shown.Line == 0) ++row;
    if (row == kEntryRowCount) std::abort();  // the generated day holds events of several kinds
    rows.SetText(row, "Bench " + std::to_string(++n));
    const auto result = rows.Write(file.store);
    if (result.outcome != EntryRows::WriteOutcome::Saved) std::abort();
    file.month.FillMonthGrid(kDay, file.settings, file.store);
  }
}
BENCHMARK(BM_OkRewritesOneLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant
