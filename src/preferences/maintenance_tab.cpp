#include "preferences/maintenance_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/calendar_date.h"
#include "core/clock.h"
#include "core/events_file.h"
#include "core/events_maintenance.h"
#include "core/message_box.h"
#include "platform/qt/display_text.h"

namespace orlevant {
namespace {

const std::string kWiden(kWidenLine);

void Inform(const std::string& text) {
  AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle(), text + kWiden + "\r\n\r\n");
}

}  // namespace

std::string MaintenanceTab::PurgeAllQuestion() {
  return std::string("You should make a Backup of the Events Database") + kWiden + "\r\n" +
         "file before you Purge all your events!" + kWiden + "\r\n\r\n" + "Click OK to continue Purge." + kWiden +
         "\r\n" + "Click Cancel to stop the Purge.\r\n\r\n";
}

MaintenanceTab::MaintenanceTab(EventStore& events, const PreferencesServices& services, QWidget* parent)
    : PreferencesTab(parent), events_(events), services_(services) {
  auto* fraMaintenance = new QGroupBox(QStringLiteral("Database Maintenance"), this);
  fraMaintenance->setObjectName(QStringLiteral("fraMaintenance"));
  auto* box = new QVBoxLayout(fraMaintenance);
  const auto button = [&](const char* name, const QString& caption, void (MaintenanceTab::*slot)()) {
    auto* b = new QPushButton(caption, fraMaintenance);
    b->setObjectName(QLatin1String(name));
    connect(b, &QPushButton::clicked, this, slot);
    box->addWidget(b);
    return b;
  };
  cmdDuplicateEvents_ = button("cmdDuplicateEvents", QStringLiteral("List Duplicate Events..."),
                               &MaintenanceTab::cmdDuplicateEvents_Click);
  cmdPurgeAll_ = button("cmdPurgeAll", QStringLiteral("Delete ALL Events..."), &MaintenanceTab::cmdPurgeAll_Click);
  cmdPurgeYears_ = button("cmdPurgeYears", QStringLiteral("Delete Events Before"), &MaintenanceTab::cmdPurgeYears_Click);
  cmdBackup_ = button("cmdBackup", QStringLiteral("Backup Events Database"), &MaintenanceTab::cmdBackup_Click);
  cmdRestore_ = button("cmdRestore", QStringLiteral("Restore Events Database"), &MaintenanceTab::cmdRestore_Click);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(new QLabel(QStringLiteral("Database File:"), fraMaintenance));
  lblDBasePath_ = new QLabel(fraMaintenance);
  lblDBasePath_->setObjectName(QStringLiteral("lblDBasePath"));
  lblDBasePath_->setTextFormat(Qt::PlainText);
  lblDBasePath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblDBasePath_->setWordWrap(true);
  pathRow->addWidget(lblDBasePath_, 1);
  box->addLayout(pathRow);
  box->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraMaintenance);
}

void MaintenanceTab::Load(const Settings&) {
  cmdPurgeYears_->setText(QStringLiteral("Delete Events Before ") + QString::number(YearOf(SystemToday())));
  lblDBasePath_->setText(DisplayPart(events_.Path));
}

void MaintenanceTab::Reloaded(bool linesRemoved) {
  if (services_.eventsChanged) services_.eventsChanged(linesRemoved);
  emit EventsReloaded();
}

void MaintenanceTab::ShowFailure(const std::string& error) {
  AppMessageBoxes().Show(MsgIcon::Critical, MsgButtons::Ok, AppTitle(), error + kWiden + "\r\n\r\n");
}

void MaintenanceTab::ShowUnreadAfterSave(const std::string& topic, const std::string& error) {
  AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle() + " - " + topic,
                         "The deletion was saved, but the events file could not be read back:" + kWiden + "\r\n" +
                             error + kWiden + "\r\n\r\n" + "The calendar shows the events as they were saved." +
                             kWiden + "\r\n" + "No change can be saved until the file can be read again.\r\n\r\n");
}

void MaintenanceTab::ShowBackupRefused(const std::string& topic, const std::string& problem) {
  AppMessageBoxes().Show(MsgIcon::Critical, MsgButtons::Ok, AppTitle() + " - " + topic,
                         "The Backup Database File" + kWiden + "\r\n" + BackupFilePath(events_.Path) + kWiden +
                             "\r\n" + problem + kWiden + "\r\n\r\n" +
                             "It was not restored; your events have not been changed.\r\n\r\n");
}

void MaintenanceTab::cmdDuplicateEvents_Click() {
  const DuplicateResult result = RemoveDuplicateEvents(events_);
  if (!result.save.ok) ShowFailure(result.save.error);
  if (!result.removed) return;
  Reloaded(true);
  if (!result.reload.ok) ShowUnreadAfterSave("Duplicate Events", result.reload.error);
}

void MaintenanceTab::cmdPurgeAll_Click() {
  if (AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::OkCancel, AppTitle() + " - Delete All Events",
                             PurgeAllQuestion()) != MsgAnswer::Ok)
    return;
  const PurgeResult result = PurgeAllEvents(events_);
  if (!result.save.ok) {
    ShowFailure(result.save.error);
    return;
  }
  Reloaded(true);
  if (!result.reload.ok) {
    ShowUnreadAfterSave("Delete All Events", result.reload.error);
    return;
  }
  Inform("Successfull Purge of Database File!");
}

void MaintenanceTab::cmdPurgeYears_Click() {
  const PurgeResult result = PurgeEventsBefore(events_, YearOf(SystemToday()));
  if (result.removed == 0) {
    Inform("There are no events in Previous Years.");
    return;
  }
  if (!result.save.ok) {
    ShowFailure(result.save.error);
    return;
  }
  Reloaded(true);
  if (!result.reload.ok) {
    ShowUnreadAfterSave(cmdPurgeYears_->text().toStdString(), result.reload.error);
    return;
  }
  Inform("Successfull Purge of Previous Years!");
}

void MaintenanceTab::cmdBackup_Click() {
  if (const StoreResult backed = BackupEvents(events_); !backed.ok) {
    ShowFailure(backed.error);
    return;
  }
  Inform("Successfull Backup of Database File!");
}

void MaintenanceTab::cmdRestore_Click() {
  const RestoreResult result = RestoreEvents(events_);
  switch (result.outcome) {
    case RestoreOutcome::NoBackup:
      AppMessageBoxes().Show(MsgIcon::Information, MsgButtons::Ok, AppTitle() + " - No Backup File",
                             std::string("You have not made a Backup Database File!") + kWiden + "\r\n\r\n" +
                                 "Before you can Restore a Backup you must create" + kWiden + "\r\n" +
                                 "one by clicking Backup Events Database.\r\n\r\n");
      return;
    case RestoreOutcome::BackupUnreadable:
      ShowBackupRefused("Unreadable Backup File", "could not be read: " + result.error + ".");
      return;
    case RestoreOutcome::BackupNotEvents:
      ShowBackupRefused("Damaged Backup File",
                        "holds not one event: it is damaged, or it is no backup of your events.");
      return;
    case RestoreOutcome::Failed:
      ShowFailure(result.error);
      if (result.reloaded) Reloaded(true);  // the table was read again from the file as it stands
      return;
    case RestoreOutcome::Restored: break;
  }
  Reloaded(true);
  if (!result.error.empty()) ShowFailure(result.error);
  Inform("Successfull Restore of Backup Database File!");
}

}  // namespace orlevant
