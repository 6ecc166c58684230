#pragma once
// Takes the program's way out from its event loop when the session ends (SIGTERM, SIGHUP, SIGINT;
// see platform/session_end.h). From its making until the way out is handed to it, a signal waits:
// the window's place is not known before the window has loaded, so the way out is handed over at
// the end of the load, and a signal that came before is acted on at the next pass of the loop.

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "platform/session_end.h"

class QSocketNotifier;

namespace orlevant {

class SessionEndWatch : public QObject {
  Q_OBJECT

 public:
  explicit SessionEndWatch(QObject* parent = nullptr);
  ~SessionEndWatch() override;

  // From now on, each signal runs `wayOut` from the event loop while `receiver` lives.
  void HandTo(QObject* receiver, std::function<void()> wayOut);

 private:
  void SignalCame();

  SessionEndSignals signals_;
  std::unique_ptr<QSocketNotifier> notifier_;
  QPointer<QObject> receiver_;
  std::function<void()> wayOut_;
};

}  // namespace orlevant
