#pragma once

#include <cstdint>
#include <memory>

#include "core/link/clock.h"

namespace core {

inline constexpr std::int32_t kCentisecondsPerDay = 8'640'000;

/// Mode bits of a software timer: bits 0-1 kind, bits 4-6 unit.
inline constexpr std::uint8_t kSwtCountDown = 0x01;
inline constexpr std::uint8_t kSwtUnitSeconds = 0x10;
inline constexpr std::uint8_t kSwtUnitCentiseconds = 0x20;
inline constexpr std::uint8_t kSwtUnitMilliseconds = 0x40;
inline constexpr std::uint8_t kSwtCountDownMs = 0x41;
inline constexpr std::uint8_t kSwtStopwatchMs = 0x42;

/// Software timers on the wall clock (L_SWT): count-down timers and count-up stopwatches
/// addressed by a 16-bit id. Never blocks; everything is measured in centiseconds since midnight.
class SoftTimers {
 public:
  explicit SoftTimers(WallClock& clock) : clock_(clock) {}
  ~SoftTimers();
  SoftTimers(const SoftTimers&) = delete;
  SoftTimers& operator=(const SoftTimers&) = delete;

  /// Empties the list.
  void SwtInit();
  /// Frees every timer.
  void SwtFreeAll();
  /// Centiseconds since midnight, 0 .. 8'639'999.
  std::int32_t SwtNow();
  /// now - start in centiseconds, across one midnight.
  static std::int32_t SwtElapsed(std::int32_t now, std::int32_t start);
  /// Starts or restarts timer id (0 = a new automatically numbered one, from 21); returns its id.
  std::uint16_t SwtStart(std::uint16_t id, std::uint8_t mode, std::uint16_t duration);
  /// True when the count-down timer has run out (or is unknown, stopped, or not a count-down).
  bool SwtExpired(std::uint16_t id);
  /// Remaining (count-down) or elapsed plus duration (count-up) in the timer's unit, 0..65535.
  std::int32_t SwtValue(std::uint16_t id);

 private:
  struct Timer {
    std::uint16_t id = 0;
    std::uint8_t mode = 0;
    bool running = false;
    std::uint16_t duration = 0;
    std::int32_t start = 0;
    std::unique_ptr<Timer> next;
  };
  Timer* Find(std::uint16_t id) const;

  WallClock& clock_;
  std::unique_ptr<Timer> head_;
};

}  // namespace core
