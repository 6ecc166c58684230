// Windows over an event whose text is one pasted word, from a kilobyte to a megabyte: the start's
// "Today's Event" box, the event pop-up and the entry dialog, each until it is drawn. Each shows
// what a person can read of the word, so each should take the same few milliseconds whatever its
// length (a megabyte held the start for half a minute when a box laid out the whole word).
//
// The windows run on Qt's offscreen platform, in temporary XDG folders of their own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/clock.h"
#include "core/message_box.h"
#include "entry/frm_data_entry.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/todays_events.h"
#include "platform/paths.h"
#include "platform/qt/qt_message_boxes.h"
#include "support/event_file_generator.h"

namespace orlevant {
namespace {

const DateTime kNow{DateSerial(2026, 6, 15), 9, 30, 0};

class SilentBoxes final : public MessageBoxes {
 public:
  MsgAnswer Show(MsgIcon, MsgButtons, const std::string&, const std::string&) override { return MsgAnswer::Ok; }
};

// The month window loaded over one event today whose text is a word of `length` letters.
class Loaded {
 public:
  explicit Loaded(std::size_t length) : clock_(kNow) {
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
      const std::string dir = folder_.Path() + var;
      std::filesystem::create_directories(dir);
      std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
      ::setenv(var, dir.c_str(), 1);
    }
    ::setenv("HOME", folder_.Path().c_str(), 1);
    SetAppClock(&clock_);
    SetAppMessageBoxes(&boxes_);
    ok_ = bench::WriteEventFile(EventFilePath(DefaultAllUsersPath()),
                                {"15/06/2026000000=" + std::string(length, 'w')});
    window_ = std::make_unique<frmMain>(app_);
    window_->Form_Load();
    window_->TimerDate().stop();
    window_->show();
    QApplication::processEvents();
  }
  ~Loaded() {
    window_->Form_Unload();
    window_.reset();
    SetAppMessageBoxes(nullptr);
    SetAppClock(nullptr);
  }
  Loaded(const Loaded&) = delete;
  Loaded& operator=(const Loaded&) = delete;

  bool Ok() const { return ok_ && app_.events.EventCount == 1; }
  frmMain& Window() { return *window_; }
  AppContext& App() { return app_; }
  int TodaysBox() const { return app_.month.BoxOfDay(15); }

 private:
  bench::TempFolder folder_;
  FixedClock clock_;
  SilentBoxes boxes_;
  AppContext app_;
  std::unique_ptr<frmMain> window_;
  bool ok_ = false;
};

void BM_TodaysEventBox(benchmark::State& state) {
  const std::string text = TodaysEventsMessage("Monday - June 15, 2026", std::string(state.range(0), 'w'));
  for (auto _ : state) {
    const auto box = BuildMessageBox(MsgIcon::Information, MsgButtons::Ok, "Orlevant 3.1 - Today's Event", text);
    box->show();
    benchmark::DoNotOptimize(box->grab());
    box->hide();
  }
}
BENCHMARK(BM_TodaysEventBox)->RangeMultiplier(16)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

void BM_EventPopup(benchmark::State& state) {
  Loaded loaded(static_cast<std::size_t>(state.range(0)));
  if (!loaded.Ok()) return state.SkipWithError("the event was not loaded");
  for (auto _ : state) {
    loaded.Window().ShowEventInfo(loaded.TodaysBox(), 300, 300);
    benchmark::DoNotOptimize(loaded.Window().EventPopup()->grab());
    state.PauseTiming();
    loaded.Window().UnloadEventPopup();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EventPopup)->RangeMultiplier(16)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

void BM_EntryDialog(benchmark::State& state) {
  Loaded loaded(static_cast<std::size_t>(state.range(0)));
  if (!loaded.Ok()) return state.SkipWithError("the event was not loaded");
  for (auto _ : state) {
    frmDataEntry dialog(loaded.App(), loaded.TodaysBox(), &loaded.Window());
    dialog.show();
    benchmark::DoNotOptimize(dialog.grab());
  }
}
BENCHMARK(BM_EntryDialog)->RangeMultiplier(16)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant

// The benchmarks need a QApplication for the windows, made before any of them runs.
int main(int argc, char** argv) {
  // The offscreen platform warns about every window it cannot size by hints; only failures matter.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
