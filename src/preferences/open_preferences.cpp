#include "preferences/open_preferences.h"

#include <QGuiApplication>
#include <QScreen>

#include "mainwindow/frm_main.h"

namespace orlevant {

std::unique_ptr<frmPreferences> MakePreferences(frmMain& window) {
  PreferencesServices services;
  services.settingsChanged = [&window] { window.SettingsChanged(); };
  services.eventsChanged = [&window](bool linesRemoved) { window.EventsChanged(linesRemoved); };
  return std::make_unique<frmPreferences>(window.App(), std::move(services), &window);
}

void OpenPreferences(frmMain& window) {
  auto dialog = MakePreferences(window);
  dialog->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->geometry().center());
    dialog->move(frame.topLeft());
  }
  dialog->exec();
}

}  // namespace orlevant
