#pragma once
// The alert window: which event, when, the reminder's settings with a green check on the kind of
// alert that came, when the program started and the present moment. Its sound plays once, when it
// is first shown. OK closes it; the window deletes itself when closed.

#include <QDialog>

#include <array>

#include "core/reminder_engine.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace orlevant {

struct AppContext;

class frmReminderMsg : public QDialog {
  Q_OBJECT

 public:
  frmReminderMsg(const AppContext& app, const DueReminder& due, QWidget* parent = nullptr);

  void cmdOK_Click();

  QLabel* lblMsg() const { return lblMsg_; }
  QLabel* lblDate() const { return lblDate_; }
  QLabel* lblNow() const { return lblNow_; }
  QLabel* lblStartDate() const { return lblStartDate_; }
  QLabel* lblDaysBefore() const { return lblDaysBefore_; }
  QLabel* lblHours() const { return lblHours_; }
  QLabel* lblMins() const { return lblMins_; }
  QLabel* imgCheckGreen(int i) const { return imgCheckGreen_.at(static_cast<std::size_t>(i)); }
  QPushButton* cmdOK() const { return cmdOK_; }
  const DueReminder& Due() const { return due_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const AppContext& app_;
  DueReminder due_;
  bool soundPlayed_ = false;

  QGroupBox* Frame1_ = nullptr;
  QGroupBox* Frame2_ = nullptr;
  QLabel* lblMsg_ = nullptr;
  QLabel* lblDate_ = nullptr;
  QLabel* lblNow_ = nullptr;
  QLabel* lblStartDate_ = nullptr;
  QLabel* lblDaysBefore_ = nullptr;
  QLabel* lblHours_ = nullptr;
  QLabel* lblMins_ = nullptr;
  std::array<QLabel*, 3> imgCheckGreen_{};
  QLabel* Image1_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
};

}  // namespace orlevant
