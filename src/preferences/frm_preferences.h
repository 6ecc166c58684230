#pragma once
// The preferences dialog: seven pages over one working copy of the settings, a description line
// that follows the page, and OK, Apply and Cancel. Apply (and OK after an edit) stores every value
// the dialog edits in one write of the settings store and has the main window take them into use
// while the dialog stays open; Cancel stores nothing. Whichever way it closes, the page shown is
// remembered as "LastTab".

#include <QDialog>

#include <array>

#include "preferences/preferences_tab.h"

class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace orlevant {

struct AppContext;
class AboutTab;
class SettingsTab;
class FormatTab;
class ColoursTab;
class MenuStyleTab;
class StatisticsTab;
class MaintenanceTab;

inline constexpr int kPreferencesTabCount = 7;

class frmPreferences : public QDialog {
  Q_OBJECT

 public:
  frmPreferences(AppContext& app, PreferencesServices services, QWidget* parent = nullptr);
  ~frmPreferences() override;

  // Commits the pages: stores the values, sets the Run value when "Run at Startup" ended changed,
  // and has the main window redraw. False, with nothing committed, when the values could not be
  // stored (the user has been told why).
  bool ApplySettings();
  void cmdOK_Click();
  void cmdApply_Click() { ApplySettings(); }
  void cmdCancel_Click();

  bool SettingsChanged() const { return SettingsChanged_; }
  void MarkChanged();

  QTabWidget* SSTab() const { return SSTab_; }
  QLabel* lblDescription() const { return lblDescription_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdApply() const { return cmdApply_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

  AboutTab* About() const { return about_; }
  SettingsTab* General() const { return settings_; }
  FormatTab* Format() const { return format_; }
  ColoursTab* Colours() const { return colours_; }
  MenuStyleTab* MenuStyle() const { return menuStyle_; }
  StatisticsTab* Statistics() const { return statistics_; }
  MaintenanceTab* Maintenance() const { return maintenance_; }

  // The description texts of the seven pages.
  static const std::array<const char*, kPreferencesTabCount>& TabDescriptions();

  void done(int result) override;
  // Cancel, Escape and the window's close button: nothing is stored, and the month is drawn again
  // from the settings in use.
  void reject() override;

 private:
  void Form_Load();
  void SetApplyState();
  void SSTab_Click(int tab);
  std::array<PreferencesTab*, kPreferencesTabCount> Tabs() const;

  AppContext& app_;
  PreferencesServices services_;
  bool SettingsChanged_ = false;
  bool loading_ = false;
  bool unloaded_ = false;

  QTabWidget* SSTab_ = nullptr;
  QGroupBox* fraDescription_ = nullptr;
  QLabel* lblDescription_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdApply_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;

  AboutTab* about_ = nullptr;
  SettingsTab* settings_ = nullptr;
  FormatTab* format_ = nullptr;
  ColoursTab* colours_ = nullptr;
  MenuStyleTab* menuStyle_ = nullptr;
  StatisticsTab* statistics_ = nullptr;
  MaintenanceTab* maintenance_ = nullptr;
};

}  // namespace orlevant
