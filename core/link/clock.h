#pragma once

#include <cstdint>

namespace core {

inline constexpr std::int32_t kMillisecondsPerDay = 86'400'000;

/// The local wall clock the software timers read; injectable so tests can pass midnight.
class WallClock {
 public:
  virtual ~WallClock() = default;
  /// Milliseconds since local midnight, 0 .. 86'399'999.
  virtual std::int32_t MillisecondsSinceMidnight() = 0;
};

}  // namespace core
