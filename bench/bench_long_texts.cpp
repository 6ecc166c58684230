// Windows over an event whose text is one pasted word, from a kilobyte to a megabyte: the start's
// "Today's Event" box, the event pop-up and the entry dialog, each until it is drawn. Each shows
// what a person can read of the word, so each should take the same few milliseconds whatever its
// length (a megabyte held the start for half a minute when a box laid out the whole word).
//
// The windows run on Qt's offscreen platform, in temporary XDG folders of their own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMessageBox>

#include <string>

#include "core/message_box.h"
#include "entry/frm_data_entry.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/todays_events.h"
#include "platform/qt/qt_message_boxes.h"
#include "support/loaded_window.h"

namespace orlevant {
namespace {

const DateTime kNow{DateSerial(2026, 6, 15), 9, 30, 0};

// The month window loaded over one event today whose text is a word of `length` letters, shown.
class Loaded {
 public:
  explicit Loaded(std::size_t length) : loaded_({"15/06/2026000000=" + std::string(length, 'w')}, kNow) {
    loaded_.Window().show();
    QApplication::processEvents();
  }

  bool Ok() const { return loaded_.Loaded(1); }
  frmMain& Window() { return loaded_.Window(); }
  AppContext& App() { return loaded_.App(); }
  int TodaysBox() { return App().month.BoxOfDay(15); }

 private:
  bench::LoadedWindow loaded_;
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

int main(int argc, char** argv) { return orlevant::bench::RunWindowBenchmarks(argc, argv); }
