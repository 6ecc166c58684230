#include "mainwindow/startup.h"

#include <utility>

#include "core/events_file.h"
#include "core/message_box.h"
#include "core/settings.h"
#include "core/settings_warning.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_tips.h"
#include "mainwindow/frm_total_events_msg.h"
#include "mainwindow/todays_events.h"
#include "mainwindow/total_events_check.h"
#include "platform/run_at_logon.h"
#include "preferences/open_preferences.h"

namespace orlevant {

namespace {

void RunModal(const StartupOptions& options, QDialog& dialog) {
  if (options.runModal) {
    options.runModal(dialog);
  } else {
    dialog.exec();
  }
}

void FirstUse(AppContext& app, frmMain& window, const StartupOptions& options, int& firstUse) {
  AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle() + " - First Time Use", FirstUseMessage());
  if (window.IsUnloaded()) return;
  {
    frmTips tips(app.settings, app.store, &window);
    RunModal(options, tips);
  }
  if (window.IsUnloaded()) return;
  app.settings.RunStartup = 1;
  SaveSetting(app.store, "RunStartup", 1);
  AddRunAtLogon(app.settings.InstallPath);
  {
    auto preferences = MakePreferences(window);
    RunModal(options, *preferences);
  }
  if (window.IsUnloaded()) return;
  firstUse = 1;
  SaveSetting(app.store, "FirstUse", 1);
}

void CheckTotalEvents(AppContext& app, frmMain& window, const StartupOptions& options, int firstUse) {
  const TotalEventsDecision decision =
      DecideTotalEventsWarning(app.events.EventCount, app.settings.NeverShowTotalEventsMessage,
                               app.settings.ShowTotalEventsMessage, firstUse);
  if (!decision.showWarning) return;
  {
    frmTotalEventsMsg warning(app.events.EventCount, app.store, &window);
    RunModal(options, warning);
  }
  if (decision.newFirstUse) SaveSetting(app.store, "FirstUse", *decision.newFirstUse);
}

}  // namespace

std::string NoInstanceLockMessage(const InstanceLock& lock) {
  return ProductTitle() + " cannot start: it could not make sure that no other copy of it is running." + kWidenLine +
         "\r\n\r\nIts lock could not be taken at" + kWidenLine + "\r\n" + lock.path + kWidenLine +
         "\r\n\r\nReason: " + lock.reason + "." + kWidenLine + "\r\n\r\n";
}

StartResult Main(AppContext& app, const StartupOptions& options) {
  // 1. Another copy runs: nothing is loaded, shown or written. A lock that cannot be taken at all
  // is not another copy, and ending without a word would leave the user nothing to go on.
  if (options.instanceLock) {
    // The events file follows a stored "AllUsersPath", and so does its lock.
    const InstanceLock lock = options.instanceLock(EventFilePath(LoadSettings(app.store).AllUsersPath));
    if (lock.state == InstanceLock::State::HeldByAnotherCopy) return {nullptr, 0};
    if (lock.state == InstanceLock::State::Failed) {
      AppMessageBoxes().Show(MsgIcon::Critical, MsgButtons::Ok, AppTitle(), NoInstanceLockMessage(lock));
      return {nullptr, 1};
    }
  }

  // The first settings file that cannot be read or written in this run is told to the user once.
  InstallSettingsWarning();

  // 2-3. AppTitle is built on first use; the two values the start needs before the load.
  const Settings early = LoadSettings(app.store);
  int firstUse = early.FirstUse;

  // 4. The splash.
  if (early.ShowSplash == 1) {
    if (options.splashHold) {
      ShowSplash(options.splashHold);
    } else {
      ShowSplash();
    }
  }

  // 5. The main window's load.
  auto window = std::make_unique<frmMain>(app, options.mainWindow);
  window->Form_Load();

  // 6. In the notification area, or on the desktop; where there is no notification area the
  // window stays on the desktop.
  if (app.settings.StartMinimized == 1) window->mnuToTray_Click();
  if (!window->InTray()) window->show();

  // 7. Today's events.
  window->ShowTodaysEvents();

  // 8. The first start of this user.
  if (firstUse == 0 && !window->IsUnloaded()) FirstUse(app, *window, options, firstUse);

  // 9. The size of the events file.
  if (!window->IsUnloaded()) CheckTotalEvents(app, *window, options, firstUse);
  return {std::move(window), 0};
}

}  // namespace orlevant
