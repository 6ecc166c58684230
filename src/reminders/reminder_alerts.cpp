#include "reminders/reminder_alerts.h"

#include <QWidget>

#include "reminders/frm_reminder_msg.h"

namespace orlevant {

ReminderAlerts::ReminderAlerts(const AppContext& app, QWidget* owner) : QObject(owner), app_(app), owner_(owner) {}

ReminderAlerts::~ReminderAlerts() { CloseAll(); }

void ReminderAlerts::Enqueue(std::vector<DueReminder> due) {
  if (closing_) return;
  for (DueReminder& d : due) waiting_.push_back(std::move(d));
  // A waiting message goes first, and it is shown from the event loop, not from here.
  if (!current_ && messages_.empty() && !inMessage_) ShowNext();
}

void ReminderAlerts::EnqueueMessage(std::function<void()> show) {
  if (closing_) return;
  messages_.push_back(std::move(show));
  QMetaObject::invokeMethod(this, &ReminderAlerts::ShowNext, Qt::QueuedConnection);
}

void ReminderAlerts::ShowNext() {
  if (closing_ || current_ || inMessage_) return;
  if (!messages_.empty()) {
    const std::function<void()> show = std::move(messages_.front());
    messages_.pop_front();
    inMessage_ = true;
    show();
    inMessage_ = false;
    if (closing_) return;
    emit MessageClosed();
    QMetaObject::invokeMethod(this, &ReminderAlerts::ShowNext, Qt::QueuedConnection);
    return;
  }
  if (waiting_.empty()) return;
  auto* alert = new frmReminderMsg(app_, waiting_.front(), owner_);
  waiting_.pop_front();
  alert->setWindowModality(Qt::ApplicationModal);
  current_ = alert;
  connect(alert, &QDialog::finished, this, &ReminderAlerts::Closed);
  alert->show();
  alert->raise();
  alert->activateWindow();
  emit Shown(alert);
}

void ReminderAlerts::Closed() {
  current_ = nullptr;
  // The next alert opens once the closing one has gone, from the event loop that is running
  // anyway, and only if the program is not ending meanwhile.
  QMetaObject::invokeMethod(this, &ReminderAlerts::ShowNext, Qt::QueuedConnection);
}

void ReminderAlerts::CloseAll() {
  closing_ = true;
  waiting_.clear();
  messages_.clear();
  if (current_) {
    frmReminderMsg* alert = current_;
    current_ = nullptr;
    disconnect(alert, nullptr, this, nullptr);
    alert->close();
  }
}

}  // namespace orlevant
