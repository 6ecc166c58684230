#pragma once
// The month window loaded as the program has it after its start, for the benchmarks that measure
// windows: over an events file of the given lines, in temporary XDG folders of its own, at a fixed
// clock, its own clock stopped, every message box answered at once (OK where OK is the only
// button, else No). Such a benchmark program makes its QApplication in RunWindowBenchmarks.
//
// Header only: the support library is built for every benchmark, most of which have no windows.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/events_file.h"
#include "core/message_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/paths.h"
#include "support/event_file_generator.h"

namespace orlevant::bench {

class LoadedWindow {
 public:
  // `settings` are stored before the load, as (key, value) pairs.
  LoadedWindow(const std::vector<std::string>& lines, DateTime now,
               const std::vector<std::pair<std::string, std::string>>& settings = {})
      : clock_(now) {
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
      const std::string dir = folder_.Path() + var;
      std::filesystem::create_directories(dir);
      std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
      ::setenv(var, dir.c_str(), 1);
    }
    ::setenv("HOME", folder_.Path().c_str(), 1);
    SetAppClock(&clock_);
    SetAppMessageBoxes(&boxes_);
    written_ = WriteEventFile(EventFilePath(DefaultAllUsersPath()), lines);
    for (const auto& [key, value] : settings) app_.store.Write(key, value);
    window_ = std::make_unique<frmMain>(app_);
    window_->Form_Load();
    window_->TimerDate().stop();
  }
  ~LoadedWindow() {
    window_->Form_Unload();
    window_.reset();
    SetAppMessageBoxes(nullptr);
    SetAppClock(nullptr);
  }
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  // The events file was written and `count` lines were loaded from it.
  bool Loaded(int count) const { return written_ && app_.events.EventCount == count; }
  frmMain& Window() { return *window_; }
  AppContext& App() { return app_; }

 private:
  class SilentBoxes final : public MessageBoxes {
   public:
    MsgAnswer Show(MsgIcon, MsgButtons buttons, const std::string&, const std::string&) override {
      return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
  };

  TempFolder folder_;
  FixedClock clock_;
  SilentBoxes boxes_;
  AppContext app_;
  std::unique_ptr<frmMain> window_;
  bool written_ = false;
};

// The main of a benchmark program that measures windows: the QApplication, on Qt's offscreen
// platform unless another is asked for, made before any benchmark runs.
inline int RunWindowBenchmarks(int argc, char** argv) {
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

}  // namespace orlevant::bench
