#include "app/directory_lock.h"

#include <QDir>

namespace app {

bool DirectoryLock::Take(const QString& directory) {
  Release();
  const QString dir = directory.isEmpty() ? QDir::currentPath() : directory;
  lock_ = std::make_unique<QLockFile>(QDir(dir).filePath(kDirectoryLockName));
  // Stale only when its program has ended (QLockFile checks the process), never by age: a
  // window may work on a directory for days.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return true;
  const bool heldByOther = lock_->error() == QLockFile::LockFailedError;
  lock_.reset();
  // A directory where no lock can be made (read-only) is no sign of a second program.
  return !heldByOther;
}

void DirectoryLock::Release() {
  lock_.reset();
}

}  // namespace app
