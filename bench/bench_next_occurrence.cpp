// NextOccurrence over every line of a 32000-line file, as the reminder list and the reminders
// dialog do on every rebuild.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/calendar_date.h"
#include "core/date_engine.h"
#include "core/event_line.h"
#include "core/events_file.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

void BM_NextOccurrenceAllLines(benchmark::State& state) {
  const std::vector<std::string> lines = bench::GenerateEventLines(kMaxEventLines, 20260615);
  const Date today = DateSerial(2026, 6, 15);
  for (auto _ : state) {
    int zero = 0;
    for (const std::string& line : lines) {
      const Date next = NextOccurrence(DateField(line), today);
      zero += next == kZeroDate;
      benchmark::DoNotOptimize(next);
    }
    if (zero != 0) state.SkipWithError("a generated line belongs to no day");
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(lines.size()));
}
BENCHMARK(BM_NextOccurrenceAllLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant
