#pragma once

#include <cstdint>
#include <string>

#include "core/store/record.h"

namespace core {

/// What the transfer protocol needs of the store and the main window.
class LinkHost {
 public:
  virtual ~LinkHost() = default;
  /// A free, reset record from the store; it stays free until the link sets `inUse`.
  virtual ModellSpeicherTyp* AllocModelMemory() = 0;
  /// The active model memory, or nullptr.
  virtual ModellSpeicherTyp* GetActive() = 0;
  /// Rebuilds the model memory tree after a completed receive (names and dates the new record).
  virtual void RebuildTree() = 0;
  /// Appends one line (UTF-8) to the transfer log and shows it.
  virtual void AppendLog(const std::string& line) = 0;
  /// Changes whenever the store frees its records; a transfer holding one then ends.
  virtual std::uint64_t RecordGeneration() const { return 0; }
};

}  // namespace core
