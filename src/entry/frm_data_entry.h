#pragma once
// The entry dialog: one day's one-off, weekly, monthly, quarterly and yearly events in five rows.
// Its rules live in EntryRows (core/entry_rows.h); the dialog mirrors them in its controls and
// turns clicks and typing into calls on them.
//
// The dialog reads the day from the month model (the box's day and its DayCellText) and writes the
// event table and file through EntryRows::Write. It never refreshes the month window itself: its
// opener does that once the dialog has closed, whatever the dialog did.

#include <QDialog>

#include <array>

#include "core/entry_rows.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orlevant {

struct AppContext;

class frmDataEntry : public QDialog {
  Q_OBJECT

 public:
  // The dialog for the day in box `box` (0..41) of the shown month, loaded (Form_Load) but not
  // shown. `box` must hold a day of the shown month.
  frmDataEntry(AppContext& app, int box, QWidget* parent = nullptr);
  ~frmDataEntry() override;

  // Reads the day's lines into the rows and the rows into the controls.
  void Form_Load();
  // Runs once, as the dialog comes up: the warning about conflicting events.
  void Form_Activate();
  // Writes the rows back, or when nothing changed reads the file in again; closes the dialog when
  // that worked, else tells why and stays open.
  void cmdOK_Click();
  void cmdCancel_Click();
  // Deletes every line the day's box shows (also those no row can show), after asking (setting
  // ShowClearAllMsg), in one save. Also used without showing the dialog, for the day menu's Clear All.
  void cmdClearAll_Click();

  const EntryRows& Rows() const { return rows_; }
  // The last OK saved the file and deleted at least one line.
  bool LinesRemoved() const { return linesRemoved_; }
  // The last OK changed the file.
  bool Saved() const { return saved_; }

  QLabel* lblDate = nullptr;
  QLabel* lblTime = nullptr;
  std::array<QLabel*, kEntryRowCount> lblEvent{};
  std::array<QPlainTextEdit*, kEntryRowCount> txtEvent{};
  // Rows 1..4 only; element 0 is null.
  std::array<QRadioButton*, kEntryRowCount> optEventA{};
  std::array<QRadioButton*, kEntryRowCount> optEventB{};
  std::array<QComboBox*, kEntryRowCount> cboEvent{};
  std::array<QLabel*, kEntryRowCount> lblEventB{};
  std::array<QFrame*, kEntryRowCount> fraEvent{};
  std::array<QLabel*, kEntryRowCount> imgRedArrow{};
  QGroupBox* fraRecurringEvents = nullptr;
  QCheckBox* chkShowConflictingEventsMsg = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdClearAll = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;

  // The red arrow's mouse release (left: show the hidden text; right: swap it in).
  void imgRedArrow_MouseUp(int index, Qt::MouseButton button);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ShowCaptions();
  // Puts row r of the model into its controls without running the change handlers.
  void ShowRow(int r);
  void txtEvent_Change(int index);
  void optEventA_Click(int index);
  void optEventB_Click(int index);
  void cboEvent_Click(int index);
  void EnableEventRow(int row, bool enabled);
  // Focus to the first row's text (first display, and after an entry error).
  void Form_Resize();
  std::string DayText() const;

  AppContext& app_;
  int box_ = 0;
  // The day box's text as the load read it: the window may show another month by the time Clear
  // All asks whether the day has events (the clock's new day refills it).
  std::string cellText_;
  Date clickedDay_{};
  EntryRows rows_;
  bool Loading_ = false;
  bool activated_ = false;
  bool linesRemoved_ = false;
  bool saved_ = false;
};

}  // namespace orlevant
