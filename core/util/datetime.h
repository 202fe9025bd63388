#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace core {

/// A local calendar time; fields as people write them (month 1..12, day 1..31, hour 0..23).
struct DateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

/// The 16-character date text "dd.mm.yy   hh:mm" (hour with a leading blank below 10,
/// year modulo 100, seconds dropped).
std::string FormatDateText(const DateTime& t);

/// Reads a date text back: day/month/year from characters 1..8, hour/minute from 12..16,
/// clamped (day 1..31, month 1..12, year 00..79 -> 2000.., 80..99 -> 1980..; hour 24 -> 0,
/// above 23 -> 23; minute 60.. -> 59); seconds 0. Never fails: missing numbers read as 0.
DateTime ParseDateText(std::string_view text);

/// Orders date texts as read back: year, month, day, hour, minute packed into one number.
long long DateTextOrder(std::string_view text);

/// The local calendar time of a system time (seconds since the epoch).
DateTime LocalFromTime(std::time_t t);

/// The system time of a local calendar time (normalised like mktime); none when unrepresentable.
std::optional<std::time_t> TimeFromLocal(const DateTime& t);

/// The current local time, from the clock installed by ScopedLocalClock if any.
DateTime LocalNow();

/// Replaces the clock behind LocalNow while it lives (tests fix the time with it).
class ScopedLocalClock {
 public:
  explicit ScopedLocalClock(std::function<DateTime()> clock);
  ~ScopedLocalClock();
  ScopedLocalClock(const ScopedLocalClock&) = delete;
  ScopedLocalClock& operator=(const ScopedLocalClock&) = delete;

 private:
  std::function<DateTime()> previous_;
};

}  // namespace core
