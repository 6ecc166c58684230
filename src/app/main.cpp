// Orlevant: builds the application, refuses a second copy and runs the start.

#include <QApplication>

#include <cstdlib>

#include "core/message_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/startup.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/single_instance.h"

namespace {

// The calendar places itself at fixed spots of the screen and moves when dragged, which a Wayland
// session does not let a window do. Where the session also offers X11, the program runs there; a
// platform the user chose is kept.
void PreferX11UnderWayland() {
  if (std::getenv("QT_QPA_PLATFORM")) return;
  const char* session = std::getenv("XDG_SESSION_TYPE");
  const bool wayland = std::getenv("WAYLAND_DISPLAY") || (session && std::string_view(session) == "wayland");
  const char* display = std::getenv("DISPLAY");
  if (wayland && display && *display) ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

}  // namespace

int main(int argc, char* argv[]) {
  PreferX11UnderWayland();
  QApplication application(argc, argv);
  // The program lives as long as its main window, which may be hidden in the notification area
  // while a dialog closes.
  QApplication::setQuitOnLastWindowClosed(false);

  orlevant::SingleInstance instance;
  orlevant::StartupOptions options;
  options.isOnlyCopy = [&instance] { return instance.TryAcquire(); };

  orlevant::QtMessageBoxes boxes;
  orlevant::SetAppMessageBoxes(&boxes);

  orlevant::AppContext app;
  std::unique_ptr<orlevant::frmMain> window = orlevant::Main(app, options);
  if (!window) return 0;
  if (window->IsUnloaded()) return 0;
  QObject::connect(window.get(), &orlevant::frmMain::Unloaded, &application, &QCoreApplication::quit);
  const int result = QApplication::exec();
  window.reset();
  orlevant::SetAppMessageBoxes(nullptr);
  return result;
}
