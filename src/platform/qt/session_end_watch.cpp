#include "platform/qt/session_end_watch.h"

#include <QSocketNotifier>

#include <utility>

namespace orlevant {

SessionEndWatch::SessionEndWatch(QObject* parent) : QObject(parent) {}

SessionEndWatch::~SessionEndWatch() = default;

void SessionEndWatch::HandTo(QObject* receiver, std::function<void()> wayOut) {
  receiver_ = receiver;
  wayOut_ = std::move(wayOut);
  if (notifier_ || signals_.ReadFd() < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(signals_.ReadFd(), QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SessionEndWatch::SignalCame);
}

void SessionEndWatch::SignalCame() {
  if (signals_.Take() != 0 && receiver_ && wayOut_) wayOut_();
}

}  // namespace orlevant
