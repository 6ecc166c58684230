#pragma once
// Acts on the modal message box as soon as the event loop of its exec() runs, so no test waits
// for a person to answer.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace orlevant::testing {

inline void WhenBoxOpens(std::function<void(QMessageBox*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer->stop();
    timer->deleteLater();
    act(box);
  });
  timer->start();
}

}  // namespace orlevant::testing
