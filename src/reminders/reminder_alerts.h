#pragma once
// The alerts of the reminder check, shown one at a time. The clock hands over what a check found
// due and returns at once: nothing here runs an event loop of its own. The first alert opens
// (modal to the application, so the user answers it before going on); each OK opens the next, in
// the order the check found them. While any alert is open or waiting, Showing() is true and the
// clock skips its checks.
//
// A message box that the clock must show (today's events on a new day) waits its turn here too:
// it runs from the event loop after the clock's slot has returned, never inside it, and before
// the alerts, which wait for it as they wait for each other.

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <vector>

#include "core/reminder_engine.h"
#include "reminders/frm_reminder_msg.h"

class QWidget;

namespace orlevant {

struct AppContext;

class ReminderAlerts : public QObject {
  Q_OBJECT

 public:
  ReminderAlerts(const AppContext& app, QWidget* owner);
  ~ReminderAlerts() override;

  void Enqueue(std::vector<DueReminder> due);
  // `show` runs a modal message; it is called from the event loop once nothing is on screen.
  void EnqueueMessage(std::function<void()> show);
  bool Showing() const { return current_ != nullptr || !waiting_.empty() || !messages_.empty() || inMessage_; }
  // The alert on screen, or nullptr.
  frmReminderMsg* Current() const { return current_; }
  int Waiting() const { return static_cast<int>(waiting_.size()); }
  // Drops every waiting alert, closes the one on screen and takes no more: the program is ending.
  void CloseAll();

 signals:
  // An alert came on screen.
  void Shown(frmReminderMsg* alert);
  // A message of EnqueueMessage was closed: the checks it held back may run.
  void MessageClosed();

 private:
  void ShowNext();
  void Closed();

  const AppContext& app_;
  QWidget* owner_;
  std::deque<DueReminder> waiting_;
  std::deque<std::function<void()>> messages_;
  bool inMessage_ = false;
  QPointer<frmReminderMsg> current_;
  bool closing_ = false;
};

}  // namespace orlevant
