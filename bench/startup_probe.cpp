// Launch to the first painted month, for bench/measure_startup.
//
//   startup_probe --write-events N FILE   writes a realistic events file of N lines and ends
//   startup_probe                         starts as the program does and, once the month's day
//                                         boxes have been painted, prints the milliseconds since
//                                         ORLEVANT_PROBE_T0 (nanoseconds of the realtime clock,
//                                         taken by the caller just before the launch) and ends
//
// The start is the program's own (Main with its splash, load, today's events and warnings as the
// settings say); only the previous-instance test and the message boxes are left out, so a run
// never waits for a person.

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/message_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/startup.h"
#include "support/event_file_generator.h"

namespace {

class SilentBoxes final : public orlevant::MessageBoxes {
 public:
  orlevant::MsgAnswer Show(orlevant::MsgIcon, orlevant::MsgButtons buttons, const std::string&,
                           const std::string&) override {
    return buttons == orlevant::MsgButtons::Ok ? orlevant::MsgAnswer::Ok : orlevant::MsgAnswer::No;
  }
};

long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Notes the first paint of a day box; the month counts as painted when that paint pass is over.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(long long t0) : t0_(t0) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint && watched->objectName() == QLatin1String("lblData")) {
      seen_ = true;
      QTimer::singleShot(0, [this] {
        std::printf("%.2f\n", static_cast<double>(NowNs() - t0_) / 1e6);
        std::fflush(stdout);
        // Ends here, so that an instruction count of the probe (callgrind) also stops at the painted
        // month: neither what the program does after it nor the teardown is part of the launch.
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  long long t0_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 4 && std::strcmp(argv[1], "--write-events") == 0) {
    const auto lines = orlevant::bench::GenerateEventLines(std::atoi(argv[2]), 20260615);
    return orlevant::bench::WriteEventFile(argv[3], lines) ? 0 : 1;
  }
  const char* t0Text = std::getenv("ORLEVANT_PROBE_T0");
  const long long t0 = t0Text ? std::atoll(t0Text) : NowNs();

  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  SilentBoxes boxes;
  orlevant::SetAppMessageBoxes(&boxes);
  FirstPaint firstPaint(t0);
  application.installEventFilter(&firstPaint);

  orlevant::AppContext app;
  orlevant::StartupOptions options;
  options.runModal = [](QDialog&) {};
  std::unique_ptr<orlevant::frmMain> window = orlevant::Main(app, options).window;
  if (!window) return 1;
  const int result = QApplication::exec();
  window.reset();
  orlevant::SetAppMessageBoxes(nullptr);
  return result;
}
