#pragma once
// The "Maintenance" page: five commands over the whole events file (list duplicates, delete all,
// delete earlier years, back up, restore). Each one that changes the table hands the reloaded
// table to the main window; each failure is shown and leaves the file on disk as it was.

#include "preferences/preferences_tab.h"

class QLabel;
class QPushButton;

namespace orlevant {

struct EventStore;

class MaintenanceTab : public PreferencesTab {
  Q_OBJECT

 public:
  MaintenanceTab(EventStore& events, const PreferencesServices& services, QWidget* parent = nullptr);

  void Load(const Settings& s) override;
  void Apply(Settings&) const override {}

  void cmdDuplicateEvents_Click();
  void cmdPurgeAll_Click();
  void cmdPurgeYears_Click();
  void cmdBackup_Click();
  void cmdRestore_Click();

  QPushButton* cmdDuplicateEvents() const { return cmdDuplicateEvents_; }
  QPushButton* cmdPurgeAll() const { return cmdPurgeAll_; }
  QPushButton* cmdPurgeYears() const { return cmdPurgeYears_; }
  QPushButton* cmdBackup() const { return cmdBackup_; }
  QPushButton* cmdRestore() const { return cmdRestore_; }
  QLabel* lblDBasePath() const { return lblDBasePath_; }

  static std::string PurgeAllQuestion();

 signals:
  // The table was reloaded; pages that show it refill.
  void EventsReloaded();

 private:
  void Reloaded(bool linesRemoved);
  void ShowFailure(const std::string& error);
  // A purge that was saved but whose file could not be read back.
  void ShowUnreadAfterSave(const std::string& topic, const std::string& error);
  // A backup that is not restored, and why (a sentence that follows the backup's path).
  void ShowBackupRefused(const std::string& topic, const std::string& problem);

  EventStore& events_;
  const PreferencesServices& services_;
  QPushButton* cmdDuplicateEvents_ = nullptr;
  QPushButton* cmdPurgeAll_ = nullptr;
  QPushButton* cmdPurgeYears_ = nullptr;
  QPushButton* cmdBackup_ = nullptr;
  QPushButton* cmdRestore_ = nullptr;
  QLabel* lblDBasePath_ = nullptr;
};

}  // namespace orlevant
