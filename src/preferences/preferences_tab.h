#pragma once
// What every page of the preferences dialog is: a widget that shows a copy of the settings, edits
// only that copy, and writes its part back when the dialog applies. A page says it was edited
// through Edited(); the dialog keeps the one changed flag and the Apply button.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "core/settings.h"

class QUrl;

namespace orlevant {

// Everything the dialog reaches outside itself, replaceable so that tests never block on a desktop
// dialog, never touch the autostart entry of the real user and never open a browser.
struct PreferencesServices {
  // The colour dialog, started from `start` (&H00BBGGRR); nothing when the user cancels.
  // Empty: QColorDialog.
  std::function<std::optional<std::uint32_t>(std::uint32_t start, QWidget* parent)> chooseColour;
  // The program started at log-on, or not. Empty: the autostart entry.
  std::function<bool(std::string_view installPath)> addRunAtLogon;
  std::function<bool()> removeRunAtLogon;
  // A mail or web address handed to the desktop. Empty: QDesktopServices.
  std::function<bool(const QUrl&)> openUrl;
  // The main window takes the committed settings into use (menu look and the whole redraw).
  std::function<void()> settingsChanged;
  // The main window takes a reloaded events table into use (reminders, shown month).
  std::function<void(bool linesRemoved)> eventsChanged;
  // The main window fills its shown month again from the settings in use.
  std::function<void()> refillMonth;
};

class PreferencesTab : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // Fills the page's controls from `s`; every control runs its handler as if chosen.
  virtual void Load(const Settings& s) = 0;
  // Writes what the page edits into `s`.
  virtual void Apply(Settings& s) const = 0;
  // The settings were committed (after an apply): previews drawn from committed values follow.
  virtual void Committed(const Settings& s) { (void)s; }
  // The page was brought to the front.
  virtual void Shown() {}

 signals:
  void Edited();
};

}  // namespace orlevant
