#pragma once

#include <cstdint>

namespace core {

/// What identifies one state of a file: existence, size, modification time and a hash of its
/// content (the whole content up to 1 MiB). Two equal stamps mean the same file.
struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;
  std::uint64_t hash = 0;
  bool operator==(const FileStamp&) const = default;
};

}  // namespace core
