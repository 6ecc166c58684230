#include "preferences/open_preferences.h"

#include "mainwindow/frm_main.h"
#include "platform/qt/screen_centre.h"

namespace orlevant {

std::unique_ptr<frmPreferences> MakePreferences(frmMain& window) {
  PreferencesServices services;
  services.settingsChanged = [&window] { window.SettingsChanged(); };
  services.eventsChanged = [&window](bool linesRemoved) { window.EventsChanged(linesRemoved); };
  services.refillMonth = [&window] { window.RefillShownMonth(); };
  return std::make_unique<frmPreferences>(window.App(), std::move(services), &window);
}

void OpenPreferences(frmMain& window) {
  auto dialog = MakePreferences(window);
  dialog->adjustSize();
  CentreOnScreen(*dialog);
  dialog->exec();
}

}  // namespace orlevant
