#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace app {

/// A lock file beside the model memory files of the directory the window works on, so a second
/// program on the same directory knows of the first. A stale lock of a crashed program is taken
/// over.
class DirectoryLock {
 public:
  /// Releases the lock held so far and locks directory (empty: the working directory). False
  /// when another running program holds it (this window then works without the lock).
  bool Take(const QString& directory);
  void Release();

 private:
  std::unique_ptr<QLockFile> lock_;
};

/// Name of the lock file in a model memory directory.
inline constexpr char kDirectoryLockName[] = ".veltrano.lock";

}  // namespace app
