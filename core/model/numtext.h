#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the transmitter's editor reads and writes them.

namespace core {

/// number rounded half away from zero to digits (0..9) after the point.
double RoundHalfAway(double number, int digits);

/// Fixed notation with decimals (0..9), "." separator, trailing zeros and point removed;
/// more than 12 characters gives "############".
std::string FormatNumber(double number, int decimals);

/// Leading decimal whole number with optional sign; the readable prefix, else 0. Clamped to int32.
std::int32_t WholeNumberOfText(std::string_view text);

/// Decimal number ("," read as "."), leading blanks skipped; the readable prefix, else 0.
double DecimalNumberOfText(std::string_view text);

/// Rounded half away from zero and clamped to the int32 range (NaN gives 0).
std::int32_t RoundToInt(double number);

/// Seconds as "mm:ss" or "hh:mm:ss", "-" in front when negative.
std::string TimeText(std::int32_t seconds);

/// "m:s" or "h:m:s" (each part a whole number), "-" in front negates; clamped to int32.
std::int32_t TimeOfText(std::string_view text);

}  // namespace core
