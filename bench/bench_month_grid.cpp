// Filling the month grid and placing the events of a 32000-line file on it, as every month
// navigation, every edit and every new day does. Goal: a month within 2 ms.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/calendar_date.h"
#include "core/events_file.h"
#include "core/settings.h"
#include "monthview/month_view.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

// The table as a load leaves it: the lines are pieces of one block of text.
EventStore FullTable() {
  const bench::TempFolder folder;
  EventStore store(folder.Path() + "grid.dat");
  if (!bench::WriteEventFile(store.Path, bench::GenerateEventLines(kMaxEventLines, 20260615)) || !LoadEvents(store) ||
      store.EventCount != kMaxEventLines)
    std::abort();
  return store;
}

MonthView MakeView() {
  MonthView view;
  // The title is not measured here; a fixed formatter keeps the locale out of it.
  view.FormatDateText = [](const DateTime&, std::string_view) { return std::string("title"); };
  view.SetToday(DateSerial(2026, 6, 15));
  return view;
}

// One month of 2026 per run (range 1..12), tooltips off or on (range 0/1).
void BM_FillMonthGrid(benchmark::State& state) {
  const EventStore events = FullTable();
  const EventLines& records = events.EventRecords;
  const int count = events.EventCount;
  const Date shown = DateSerial(2026, static_cast<int>(state.range(0)), 1);
  Settings settings;
  settings.ShowToolTips = static_cast<int>(state.range(1));
  MonthView view = MakeView();
  view.ShowMonthTitle(shown, settings);
  view.ShowWeekdayHeadings(0, settings);

  std::size_t textBytes = 0;
  for (auto _ : state) {
    view.FillMonthGrid(shown, settings, records, count);
    benchmark::DoNotOptimize(view.lblData[20].Caption.data());
  }
  for (int box = 0; box < kDayBoxCount; ++box) textBytes += view.DayCellText(box).size();
  state.counters["cell_kB"] = static_cast<double>(textBytes) / 1024.0;
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_FillMonthGrid)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 12, 1), {0, 1}})
    ->ArgNames({"month", "tooltips"})
    ->Unit(benchmark::kMicrosecond);

// Every month of a year in a row, as paging through the year does.
void BM_FillEveryMonthOfAYear(benchmark::State& state) {
  const EventStore events = FullTable();
  const EventLines& records = events.EventRecords;
  const int count = events.EventCount;
  Settings settings;
  MonthView view = MakeView();
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      const Date shown = DateSerial(2027, month, 1);
      view.ShowMonthTitle(shown, settings);
      view.FillMonthGrid(shown, settings, records, count);
    }
    benchmark::DoNotOptimize(view.lblData[20].Caption.data());
  }
  state.SetItemsProcessed(state.iterations() * 12);
}
BENCHMARK(BM_FillEveryMonthOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant
