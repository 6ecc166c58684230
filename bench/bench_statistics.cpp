// The "Statistics" page of the preferences over the table's limit of 32000 lines, as the user meets
// it: the dialog opening on that page (F1 when it was the last page), switching to the page, and
// changing the sort, each until the page is painted. Offscreen unless QT_QPA_PLATFORM says
// otherwise (QT_QPA_PLATFORM=xcb with a DISPLAY measures on a real X server).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTabWidget>

#include <cstdlib>
#include <memory>

#include "core/events_file.h"
#include "mainwindow/app_context.h"
#include "preferences/frm_preferences.h"
#include "preferences/statistics_tab.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

constexpr int kStatisticsTab = 5;

// The application, in folders of its own, with the generated 32000 lines loaded.
struct Surroundings {
  bench::TempFolder folder;
  std::unique_ptr<QApplication> application;
  std::unique_ptr<AppContext> app;

  Surroundings() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
      qputenv(name, QByteArray::fromStdString(folder.Path()));
    static int argc = 1;
    static char name[] = "bench_statistics";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
    app = std::make_unique<AppContext>();
    app->events.Path = folder.Path() + "bench.dat";
    if (!bench::WriteEventFile(app->events.Path, bench::GenerateEventLines(kMaxEventLines, 20260615))) std::abort();
    if (!LoadEvents(app->events)) std::abort();
  }
};

Surroundings& World() {
  static Surroundings world;
  return world;
}

// Layout and paint as the window system would have them done before the user sees the page.
void Paint(QWidget& dialog) {
  QCoreApplication::processEvents();
  benchmark::DoNotOptimize(dialog.grab());
}

std::unique_ptr<frmPreferences> ShownDialog(int tab) {
  World().app->settings.LastTab = tab;
  auto dialog = std::make_unique<frmPreferences>(*World().app, PreferencesServices{});
  dialog->adjustSize();
  dialog->show();
  Paint(*dialog);
  return dialog;
}

void BM_PreferencesOpenOnStatistics(benchmark::State& state) {
  for (auto _ : state) {
    auto dialog = ShownDialog(kStatisticsTab);
    state.PauseTiming();
    dialog.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PreferencesOpenOnStatistics)->Unit(benchmark::kMillisecond);

void BM_SwitchToStatistics(benchmark::State& state) {
  auto dialog = ShownDialog(0);
  for (auto _ : state) {
    dialog->SSTab()->setCurrentIndex(kStatisticsTab);
    Paint(*dialog);
    state.PauseTiming();
    dialog->SSTab()->setCurrentIndex(0);
    Paint(*dialog);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SwitchToStatistics)->Unit(benchmark::kMillisecond);

void BM_ChangeSort(benchmark::State& state) {
  auto dialog = ShownDialog(kStatisticsTab);
  QComboBox* sort = dialog->Statistics()->cboSort();
  for (auto _ : state) {
    sort->setCurrentIndex(1 - sort->currentIndex());
    Paint(*dialog);
  }
}
BENCHMARK(BM_ChangeSort)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant

namespace orlevant {
namespace {

void BM_OverviewRowsSorted(benchmark::State& state) {
  const EventStore& events = World().app->events;
  for (auto _ : state) {
    const auto items = EventsOverview(events);
    if (state.range(0)) benchmark::DoNotOptimize(OverviewOrder(items));
  }
}
BENCHMARK(BM_OverviewRowsSorted)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Counts(benchmark::State& state) {
  const EventStore& events = World().app->events;
  for (auto _ : state) benchmark::DoNotOptimize(CountEvents(events, 2026));
}
BENCHMARK(BM_Counts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant
