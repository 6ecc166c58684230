#include "platform/qt/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace orlevant {

SingleInstance::SingleInstance(QString folder) {
  if (folder.isEmpty()) folder = DefaultFolder();
  path_ = QDir(folder).filePath(QStringLiteral("orlevant.lock"));
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return runtime;
  // Without a runtime folder the lock is shared by every user of the machine's temporary folder,
  // so it carries the user id in its folder name.
  const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("orlevant-%1").arg(::getuid()));
  QDir().mkpath(own);
  return own;
}

bool SingleInstance::TryAcquire() {
  if (IsHeld()) return true;
  auto lock = std::make_unique<QLockFile>(path_);
  // A lock whose owner still runs is never taken over, however old it is: the first copy may run
  // for weeks. A lock of a copy that has died is recognised by its process id and taken over.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return false;
  lock_ = std::move(lock);
  return true;
}

bool SingleInstance::IsHeld() const { return lock_ && lock_->isLocked(); }

}  // namespace orlevant
