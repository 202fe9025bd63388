#include "core/util/datetime.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

std::function<DateTime()>& ClockSlot() {
  static std::function<DateTime()> clock;
  return clock;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads an optionally signed decimal number at text[pos], skipping nothing; 0 when none.
int ReadNumber(std::string_view text, std::size_t& pos) {
  bool negative = false;
  if (pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  long value = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (value < 100000) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return static_cast<int>(negative ? -value : value);
}

std::string_view Slice(std::string_view text, std::size_t from, std::size_t to) {
  if (from >= text.size()) return {};
  return text.substr(from, std::min(to, text.size()) - from);
}

}  // namespace

std::string FormatDateText(const DateTime& t) {
  std::string text = "00.00.00   00:00";
  const auto put = [&text](std::size_t at, int value, bool blankTens) {
    value = ((value % 100) + 100) % 100;
    text[at] = (blankTens && value < 10) ? ' ' : static_cast<char>('0' + value / 10);
    text[at + 1] = static_cast<char>('0' + value % 10);
  };
  put(0, t.day, false);
  put(3, t.month, false);
  put(6, t.year, false);
  put(11, t.hour, true);
  put(14, t.minute, false);
  return text;
}

DateTime ParseDateText(std::string_view text) {
  DateTime t;
  // Characters 1..8: three numbers, each separated by any one non-digit character.
  const std::string_view date = Slice(text, 0, 8);
  std::size_t pos = 0;
  int day = ReadNumber(date, pos);
  ++pos;
  int month = ReadNumber(date, pos);
  ++pos;
  int year = ReadNumber(date, pos);
  if (day < 1) day = 1;
  if (day > 31) day = 31;
  if (month < 1) month = 1;
  if (month > 12) month = 12;
  if (year < 80) year += 2000;
  if (year < 100) year += 1900;
  // Characters 12..16: hour and minute, leading blanks skipped.
  const std::string_view time = Slice(text, 11, 16);
  pos = 0;
  while (pos < time.size() && time[pos] == ' ') ++pos;
  int hour = ReadNumber(time, pos);
  ++pos;
  int minute = ReadNumber(time, pos);
  if (hour < 0 || hour == 24) hour = 0;
  if (hour > 23) hour = 23;
  if (minute < 0) minute = 0;
  if (minute >= 60) minute = 59;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = 0;
  return t;
}

long long DateTextOrder(std::string_view text) {
  const DateTime t = ParseDateText(text);
  return (((static_cast<long long>(t.year) * 13 + t.month) * 32 + t.day) * 24 + t.hour) * 60 +
         t.minute;
}

DateTime LocalFromTime(std::time_t t) {
  // The reentrant forms also skip re-reading the time zone file on every call, which loading
  // thousands of memories would otherwise pay once per file.
  std::tm buffer{};
#if defined(_WIN32)
  const std::tm* tm = localtime_s(&buffer, &t) == 0 ? &buffer : nullptr;
#else
  const std::tm* tm = localtime_r(&t, &buffer);
#endif
  DateTime d;
  if (tm == nullptr) return d;
  d.year = tm->tm_year + 1900;
  d.month = tm->tm_mon + 1;
  d.day = tm->tm_mday;
  d.hour = tm->tm_hour;
  d.minute = tm->tm_min;
  d.second = tm->tm_sec;
  return d;
}

std::optional<std::time_t> TimeFromLocal(const DateTime& t) {
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_isdst = -1;
  const std::time_t result = std::mktime(&tm);
  if (result == static_cast<std::time_t>(-1)) return std::nullopt;
  return result;
}

DateTime LocalNow() {
  if (ClockSlot()) return ClockSlot()();
  return LocalFromTime(std::time(nullptr));
}

ScopedLocalClock::ScopedLocalClock(std::function<DateTime()> clock)
    : previous_(std::exchange(ClockSlot(), std::move(clock))) {}

ScopedLocalClock::~ScopedLocalClock() {
  ClockSlot() = std::move(previous_);
}

}  // namespace core
