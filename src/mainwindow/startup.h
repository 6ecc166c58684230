#pragma once
// The start of the program, in its fixed order: one running copy only, the splash, the main
// window's load, the window on the desktop or in the notification area, today's events, the
// welcome of a first start with its tips, and the warning about a large events file.
//
// Every collaborator that would wait for the user or look at the desktop can be replaced, so the
// whole start can run in a test without blocking.

#include <QDialog>

#include <functional>
#include <memory>

#include "mainwindow/frm_main.h"
#include "mainwindow/frm_splash.h"

namespace orlevant {

struct AppContext;

struct StartupOptions {
  // The previous-instance test: true when this is the only running copy. Empty: always true.
  std::function<bool()> isOnlyCopy;
  // How the splash stays up once painted. Empty: about a second.
  SplashHold splashHold;
  // Runs a dialog modally. Empty: QDialog::exec.
  std::function<void(QDialog&)> runModal;
  // Tray, beep.
  FrmMainServices mainWindow;
};

// Runs the start. Gives the loaded main window, which the program lives as long as, or nullptr
// when another copy runs (nothing was shown, read or written then).
std::unique_ptr<frmMain> Main(AppContext& app, const StartupOptions& options = {});

}  // namespace orlevant
