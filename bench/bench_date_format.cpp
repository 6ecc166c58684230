// The title's date and time, formatted every second in the user's patterns. A pattern is a setting
// anyone can edit by hand, so its length is not ours to choose: the time must grow in step with it.
// Goal: a linear fit (the report's BigO line says N), and a pattern of 1 MB within 10 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/date_format.h"

namespace orlevant {
namespace {

const DateTime kWhen{DateSerial(2026, 12, 5), 14, 7, 9};

void BM_FormatDefaultTitle(benchmark::State& state) {
  for (auto _ : state) {
    std::string title = FormatDate(kWhen, "h:mm AM/PM - dddd - mmmm d, yyyy", EnglishLocaleNames());
    benchmark::DoNotOptimize(title.data());
  }
}
BENCHMARK(BM_FormatDefaultTitle);

// One letter repeated (range: the pattern's length), the form that took the square of its length.
void BM_FormatRepeatedLetter(benchmark::State& state) {
  const std::string pattern(static_cast<std::size_t>(state.range(0)), 'd');
  for (auto _ : state) {
    std::string text = FormatDate(kWhen, pattern, EnglishLocaleNames());
    benchmark::DoNotOptimize(text.data());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FormatRepeatedLetter)
    ->RangeMultiplier(8)
    ->Range(64, 1 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

}  // namespace
}  // namespace orlevant
