// The reminders dialog at the largest table: 32000 lines, every one listed and every one with a
// reminder. Opening it (F3) builds and paints the list; Apply fills it again after the save. Both
// are waited for by the user, so both should stay under 50 ms.
//
// The windows run on Qt's offscreen platform, in temporary XDG folders of their own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/event_line.h"
#include "core/events_file.h"
#include "core/reminder_rows.h"
#include "reminders/frm_reminders.h"
#include "support/event_file_generator.h"
#include "support/loaded_window.h"

namespace orlevant {
namespace {

const DateTime kNow{DateSerial(2026, 6, 15), 9, 30, 0};

// The generated lines with every one-off moved past this year (steps of eight years keep 29 February
// a leap day) and a reminder on every line.
std::vector<std::string> FutureReminderLines() {
  const char* codes[] = {"010130", "020000", "000300", "000010", "030205", "001009", "050100", "000090"};
  std::vector<std::string> lines = bench::GenerateEventLines(kMaxEventLines, 20260615);
  int i = 0;
  for (std::string& line : lines) {
    if (IsOneOffCode(CodeField(line))) {
      int year = std::atoi(std::string(CodeField(line)).c_str());
      while (year <= YearOf(kNow.date)) year += 8;
      line.replace(6, 4, std::to_string(year));
    }
    line.replace(10, 6, codes[i++ % 8]);
  }
  return lines;
}

// Counts the paints of the list, so that a case can tell that the list really was drawn.
class ListPaints : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->parent() &&
        watched->parent()->objectName() == QLatin1String("lvwReminders"))
      ++count;
    return false;
  }
};

// The month window loaded with the 32000 lines and reminders on, as the program has it when F3 is
// pressed.
class Loaded {
 public:
  Loaded() : loaded_(FutureReminderLines(), kNow, {{"Reminders", "1"}}) {
    loaded_.Window().FinishStartReminders();
    QApplication::instance()->installEventFilter(&paints_);
  }
  ~Loaded() { QApplication::instance()->removeEventFilter(&paints_); }
  Loaded(const Loaded&) = delete;
  Loaded& operator=(const Loaded&) = delete;

  bool Ok() const { return loaded_.Loaded(kMaxEventLines); }
  frmMain& Window() { return loaded_.Window(); }
  ListPaints& Paints() { return paints_; }

 private:
  bench::LoadedWindow loaded_;
  ListPaints paints_;
};

// The rows alone, as the list is filled with them: made from the lines and sorted by their texts.
void BM_ListReminderRows(benchmark::State& state) {
  EventStore events;
  for (std::string& line : FutureReminderLines()) AppendEvent(events, std::move(line));
  std::size_t rows = 0;
  for (auto _ : state) {
    const std::vector<ReminderRow> listed = ListFutureEventsByText(events, kNow.date);
    rows = listed.size();
    benchmark::DoNotOptimize(listed.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ListReminderRows)->Unit(benchmark::kMillisecond);

// F3: the dialog built, shown and its list painted.
void BM_OpenRemindersDialog(benchmark::State& state) {
  Loaded loaded;
  if (!loaded.Ok()) return state.SkipWithError("the 32000 lines were not loaded");
  int rows = 0;
  for (auto _ : state) {
    const int paintsBefore = loaded.Paints().count;
    auto* dialog = new frmReminders(loaded.Window(), &loaded.Window());
    dialog->show();
    QApplication::processEvents();
    if (loaded.Paints().count == paintsBefore) state.SkipWithError("the list was not painted");
    rows = static_cast<int>(dialog->Rows().size());
    state.PauseTiming();
    delete dialog;
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
}
BENCHMARK(BM_OpenRemindersDialog)->Unit(benchmark::kMillisecond);

// Apply after a save: the open dialog's list filled again from the lines.
void BM_RefillRemindersList(benchmark::State& state) {
  Loaded loaded;
  if (!loaded.Ok()) return state.SkipWithError("the 32000 lines were not loaded");
  auto* dialog = new frmReminders(loaded.Window(), &loaded.Window());
  dialog->show();
  QApplication::processEvents();
  for (auto _ : state) {
    dialog->UpdateListView();
    QApplication::processEvents();
  }
  state.counters["rows"] = static_cast<double>(dialog->Rows().size());
  delete dialog;
}
BENCHMARK(BM_RefillRemindersList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orlevant

int main(int argc, char** argv) { return orlevant::bench::RunWindowBenchmarks(argc, argv); }
