// Orlevant: builds the application, refuses a second copy and runs the start.

#include <QApplication>

#include <cstdlib>
#include <string>

#include "core/message_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/startup.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_platform_choice.h"
#include "platform/qt/session_end_watch.h"
#include "platform/single_instance.h"

int main(int argc, char* argv[]) {
  if (const auto platform = orlevant::PreferredQtPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("XDG_SESSION_TYPE"),
                                                          std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"))) {
    ::setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
  }
  QApplication application(argc, argv);
  // The program lives as long as its main window, which may be hidden in the notification area
  // while a dialog closes.
  QApplication::setQuitOnLastWindowClosed(false);

  orlevant::SingleInstance instance;
  orlevant::StartupOptions options;
  options.instanceLock = [&instance](const std::string& eventsFile) { return instance.TryAcquire(eventsFile); };

  orlevant::QtMessageBoxes boxes;
  orlevant::SetAppMessageBoxes(&boxes);
  // A log-out, a service manager or a closed terminal ends the program through Exit's way out.
  orlevant::SessionEndWatch sessionEnd;
  options.mainWindow.sessionEnd = &sessionEnd;

  orlevant::AppContext app;
  orlevant::StartResult start = orlevant::Main(app, options);
  std::unique_ptr<orlevant::frmMain> window = std::move(start.window);
  if (!window) return start.exitStatus;
  if (window->IsUnloaded()) return 0;
  QObject::connect(window.get(), &orlevant::frmMain::Unloaded, &application, &QCoreApplication::quit);
  const int result = QApplication::exec();
  window.reset();
  orlevant::SetAppMessageBoxes(nullptr);
  return result;
}
