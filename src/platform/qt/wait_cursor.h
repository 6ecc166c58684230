#pragma once
// The wait cursor over every window of the program for the life of the object: work that holds the
// event loop for a noticeable time shows that the program is busy, not hung. The cursor goes back
// however the scope is left, an exception included.

#include <QGuiApplication>

namespace orlevant {

class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace orlevant
