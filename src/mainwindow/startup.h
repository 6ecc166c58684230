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
#include <string>

#include "mainwindow/frm_main.h"
#include "mainwindow/frm_splash.h"
#include "platform/single_instance.h"

namespace orlevant {

struct AppContext;

struct StartupOptions {
  // The previous-instance test: takes the one-copy lock of the events file this start would open.
  // Empty: this is the only copy.
  std::function<InstanceLock(const std::string& eventsFile)> instanceLock;
  // How the splash stays up once painted. Empty: about a second.
  SplashHold splashHold;
  // Runs a dialog modally. Empty: QDialog::exec.
  std::function<void(QDialog&)> runModal;
  // Tray, beep.
  FrmMainServices mainWindow;
};

struct StartResult {
  // The loaded main window, which the program lives as long as; nullptr when the start ended at its
  // first step, before anything was read or written.
  std::unique_ptr<frmMain> window;
  // What the program ends with when there is no window: 0 when another copy runs, which ends the
  // start silently; 1 when the lock could not be taken, which the user has been told about.
  int exitStatus = 0;
};

StartResult Main(AppContext& app, const StartupOptions& options = {});

// The box of a lock that could not be taken: the lock's path and the system's reason.
std::string NoInstanceLockMessage(const InstanceLock& lock);

}  // namespace orlevant
