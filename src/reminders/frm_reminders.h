#pragma once
// The reminders dialog: every event of today and later in a list with a check box each; a checked
// row carries a reminder whose days before, hours, minutes and sound are set below the list; an
// On/Off choice switches reminders as a whole. Apply and OK write the changed rows into exactly
// their own lines, save, and hand the change to the month window; Cancel writes nothing.
//
// While the dialog is open the reminder check is suspended. Apply refreshes the list in place:
// the dialog is never hidden to be refreshed, which would end it when it runs modally.

#include <QDialog>
#include <QPointer>

#include <array>
#include <vector>

#include "core/reminder_rows.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeView;

namespace orlevant {

class frmMain;
class ReminderRowsModel;
struct AppContext;

class frmReminders : public QDialog {
  Q_OBJECT

 public:
  explicit frmReminders(frmMain& main, QWidget* parent = nullptr);
  ~frmReminders() override;

  // Fills the list from the event lines as they are now, selects the first row and shows it.
  void UpdateListView();

  void cmdApply_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdTestSound_Click();
  void optReminder_Click(int index);

  // The list's rows, in the order shown.
  const std::vector<ReminderRow>& Rows() const;
  int CurrentRow() const { return CurrentRow_; }
  int CheckedRowCount() const { return CheckedRowCount_; }
  // Selects row `row` as a click on it would; checks or unchecks it as its check box would.
  void ClickRow(int row);
  void CheckRow(int row, bool checked);

  QTreeView* lvwReminders() const { return lvwReminders_; }
  QSpinBox* txtDays() const { return txtDays_; }
  QSpinBox* txtHours() const { return txtHours_; }
  QSpinBox* txtMins() const { return txtMins_; }
  QComboBox* cboSound() const { return cboSound_; }
  QPushButton* cmdTestSound() const { return cmdTestSound_; }
  QPushButton* cmdApply() const { return cmdApply_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }
  QRadioButton* optReminder(int i) const { return optReminder_.at(static_cast<std::size_t>(i)); }
  QLabel* imgBall(int i) const { return imgBall_.at(static_cast<std::size_t>(i)); }
  QLabel* lblFutureEvents() const { return lblFutureEvents_; }
  QLabel* lblReminderNum() const { return lblReminderNum_; }
  QLabel* lblReminderText() const { return lblReminderText_; }
  QLabel* lblMsg() const { return lblMsg_; }
  QLabel* lblDescription() const { return lblDescription_; }
  QGroupBox* fraSettings() const { return fraSettings_; }
  QGroupBox* fraReminders() const { return fraReminders_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void CreateControls();
  void ShowReminderDetails();
  void StoreRowSettings();
  void RowClicked(int row);
  void RowCheckClicked(int row, bool checked);
  // True when every change could be written (or there was none); false keeps the dialog open.
  bool ApplyReminders();
  bool AllSettingsZero() const;
  void ShowFrequencyError();
  void UpdateApplyButton();
  // The row settings (spinners, sound, Test) open, or closed with `enabled` false.
  void EnableSettings(bool enabled = true);
  void DisableSettings() { EnableSettings(false); }
  void SettingChanged();
  bool RowIsChecked(int row) const;
  void SelectRow(int row);

  frmMain& main_;
  AppContext& app_;
  ReminderRowsModel* rows_ = nullptr;
  int CurrentRow_ = -1;
  int PreviousRow_ = -1;
  int CheckedRowCount_ = 0;
  int ChosenReminders_ = 0;
  bool OnOffChanged_ = false;
  bool RowSettingsChanged_ = false;
  bool filling_ = false;  // the program, not the user, is changing the controls
  bool shownOnce_ = false;

  QGroupBox* fraReminders_ = nullptr;
  QTreeView* lvwReminders_ = nullptr;
  QLabel* lblFutureEvents_ = nullptr;
  QLabel* lblReminderNum_ = nullptr;
  QGroupBox* fraSettings_ = nullptr;
  QSpinBox* txtDays_ = nullptr;
  QSpinBox* txtHours_ = nullptr;
  QSpinBox* txtMins_ = nullptr;
  QComboBox* cboSound_ = nullptr;
  QPushButton* cmdTestSound_ = nullptr;
  QGroupBox* fraOnOff_ = nullptr;
  std::array<QRadioButton*, 2> optReminder_{};
  std::array<QLabel*, 2> imgBall_{};
  QLabel* lblDescription_ = nullptr;
  QLabel* lblReminderText_ = nullptr;
  QLabel* lblMsg_ = nullptr;
  QPushButton* cmdApply_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

// The dialog as the month window opens it: modal and centred on the screen, or without modality
// (from a day's reminder icon) where it opens. One dialog at a time: while one is open, another
// request brings it to the front.
void OpenReminders(frmMain& main, bool modal);
// The dialog that is open, or nullptr.
frmReminders* OpenRemindersDialog();

}  // namespace orlevant
