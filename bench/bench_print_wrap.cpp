// Breaking the printed events list's lines to the page's width: a day whose text holds one pasted
// word thousands of letters long (no blank to break at), and a busy day of ordinary words.

#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QString>

#include "printing/print_job.h"

namespace {

// Measuring text needs the fonts of a running application; offscreen, so no display is needed.
const QFontMetricsF& ListMetrics() {
  static int argc = 1;
  static char name[] = "bench_print_wrap";
  static char* argv[] = {name, nullptr};
  static const bool platform = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
  }();
  (void)platform;
  static QGuiApplication app(argc, argv);
  static const QFontMetricsF metrics = [] {
    QFont font;
    font.setPointSize(12);
    return QFontMetricsF(font);
  }();
  return metrics;
}

constexpr double kLineWidth = 700;

void BM_WrapOneLongWord(benchmark::State& state) {
  const QFontMetricsF& metrics = ListMetrics();
  const QString word(static_cast<qsizetype>(state.range(0)), QLatin1Char('x'));
  for (auto _ : state) benchmark::DoNotOptimize(orlevant::WrapToWidth(word, metrics, kLineWidth));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WrapOneLongWord)->Arg(500)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

void BM_WrapBusyDay(benchmark::State& state) {
  const QFontMetricsF& metrics = ListMetrics();
  const QString day = QStringLiteral("Thu - May. 7") +
                      QStringLiteral(" - .Meeting with the team about the plan").repeated(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(orlevant::WrapToWidth(day, metrics, kLineWidth));
}
BENCHMARK(BM_WrapBusyDay)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
