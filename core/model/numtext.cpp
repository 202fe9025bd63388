#include "core/model/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace core {

namespace {

constexpr double kPowersOfTen[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

int ClampDigits(int digits) { return digits < 0 ? 0 : (digits > 9 ? 9 : digits); }

std::int32_t ClampInt(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double RoundHalfAway(double number, int digits) {
  if (!std::isfinite(number)) return number;
  const double scale = kPowersOfTen[ClampDigits(digits)];
  const double scaled = std::fabs(number) * scale;
  double whole = std::floor(scaled);
  // A half that binary fractions land just below (0.15 * 10) still rounds away from zero.
  if (scaled - whole >= 0.5 - 1e-9) whole += 1;
  return std::copysign(whole / scale, number);
}

std::string FormatNumber(double number, int decimals) {
  const std::string overflow(12, '#');
  decimals = ClampDigits(decimals);
  const double rounded = RoundHalfAway(number, decimals);
  if (!std::isfinite(rounded) || std::fabs(rounded) >= 1e13) return overflow;
  if (decimals == 0) {  // the common case, without the cost of printf
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(rounded)).ptr;
    std::string text(digits, end);
    return text.size() > 12 ? overflow : text;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  if (text.size() > 12) return overflow;
  return text;
}

std::int32_t WholeNumberOfText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const std::int64_t next = value * 10 + (text[i] - '0');
    if (next > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) break;
    value = next;
  }
  return ClampInt(negative ? -value : value);
}

double DecimalNumberOfText(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c == ',') c = '.';
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  const std::size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    std::size_t fraction = 0;
    while (j < s.size() && IsDigit(s[j])) ++j, ++fraction;
    if (digits + fraction > 0) i = j, digits += fraction;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  const double value = std::strtod(s.substr(start, i - start).c_str(), nullptr);
  return std::isfinite(value) ? value : 0;
}

std::int32_t RoundToInt(double number) {
  if (std::isnan(number)) return 0;
  const double r = RoundHalfAway(number, 0);
  if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

std::string TimeText(std::int32_t seconds) {
  const std::int64_t a = seconds < 0 ? -std::int64_t{seconds} : seconds;
  const long long h = a / 3600, m = (a % 3600) / 60, s = a % 60;
  char buffer[40];
  if (h != 0)
    std::snprintf(buffer, sizeof buffer, "%s%02lld:%02lld:%02lld", seconds < 0 ? "-" : "", h, m, s);
  else
    std::snprintf(buffer, sizeof buffer, "%s%02lld:%02lld", seconds < 0 ? "-" : "", m, s);
  return buffer;
}

std::int32_t TimeOfText(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  // With no ":" the whole text is the minutes part ("5" is 5:00).
  const std::size_t first = text.find(':');
  const std::string_view a = first == std::string_view::npos ? text : text.substr(0, first);
  const std::string_view rest =
      first == std::string_view::npos ? std::string_view{} : text.substr(first + 1);
  const std::size_t second = rest.find(':');
  std::int64_t value;
  if (second == std::string_view::npos) {
    value = std::int64_t{WholeNumberOfText(a)} * 60 + WholeNumberOfText(rest);
  } else {
    value = std::int64_t{WholeNumberOfText(a)} * 3600 +
            std::int64_t{WholeNumberOfText(rest.substr(0, second))} * 60 +
            WholeNumberOfText(rest.substr(second + 1));
  }
  return ClampInt(negative ? -value : value);
}

}  // namespace core
