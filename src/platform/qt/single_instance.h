#pragma once
// One running copy per user session. The first copy holds a lock file in $XDG_RUNTIME_DIR (or the
// temporary folder when the session has none); a second copy finds it held and ends before it
// touches any window, setting or file.

#include <QString>

#include <memory>

class QLockFile;

namespace orlevant {

class SingleInstance {
 public:
  // The lock lives in `folder`; an empty folder means $XDG_RUNTIME_DIR, else the temporary folder.
  explicit SingleInstance(QString folder = {});
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this is the only copy; the lock is then held until this object goes. A lock left
  // behind by a copy that has died is taken over. Never waits.
  bool TryAcquire();
  bool IsHeld() const;

  QString LockFilePath() const { return path_; }

  // The folder the lock goes into when none is given.
  static QString DefaultFolder();

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace orlevant
