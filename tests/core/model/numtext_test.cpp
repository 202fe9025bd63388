#include "core/model/numtext.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace core {
namespace {

// Trimming and rounding of shown numbers is also checked through the formulas.
TEST(FormatNumber, RoundsTrimsAndOverflows) {
  EXPECT_EQ(FormatNumber(-2.5, 0), "-3");
  EXPECT_EQ(FormatNumber(-0.4, 0), "0");  // no "-0"
  EXPECT_EQ(FormatNumber(123456789012.0, 0), "123456789012");
  EXPECT_EQ(FormatNumber(1234567890123.0, 0), "############");
  EXPECT_EQ(FormatNumber(-123456789012.5, 0), "############");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), 0), "############");
}

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
  EXPECT_EQ(RoundHalfAway(2.5, 0), 3);
  EXPECT_EQ(RoundHalfAway(-2.5, 0), -3);
  EXPECT_EQ(RoundHalfAway(2.4999, 0), 2);
  EXPECT_DOUBLE_EQ(RoundHalfAway(0.15, 1), 0.2);  // 0.15 is stored just below the half
  EXPECT_DOUBLE_EQ(RoundHalfAway(-1.25, 1), -1.3);
  EXPECT_EQ(RoundToInt(87.67), 88);
  EXPECT_EQ(RoundToInt(-0.35), 0);
  EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt(-1e300), std::numeric_limits<std::int32_t>::min());
}

TEST(NumberReading, WholeNumbersReadTheirPrefix) {
  EXPECT_EQ(WholeNumberOfText("12abc"), 12);
  EXPECT_EQ(WholeNumberOfText("12,5"), 12);
  for (const char* text : {"abc", "", "-"}) EXPECT_EQ(WholeNumberOfText(text), 0) << text;
  EXPECT_EQ(WholeNumberOfText("-17"), -17);
  EXPECT_EQ(WholeNumberOfText("+17"), 17);
  EXPECT_EQ(WholeNumberOfText("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(WholeNumberOfText("2147483648"), std::numeric_limits<std::int32_t>::max());
}

TEST(NumberReading, DecimalNumbersTakeCommaOrPoint) {
  EXPECT_DOUBLE_EQ(DecimalNumberOfText("12,5"), 12.5);
  EXPECT_DOUBLE_EQ(DecimalNumberOfText("-3.25 x"), -3.25);
  EXPECT_DOUBLE_EQ(DecimalNumberOfText("  7"), 7);
  EXPECT_DOUBLE_EQ(DecimalNumberOfText(".5"), 0.5);
  EXPECT_DOUBLE_EQ(DecimalNumberOfText("5."), 5);
  for (const char* text : {"abc", "-", "1e999"})  // 1e999 is not a finite number
    EXPECT_DOUBLE_EQ(DecimalNumberOfText(text), 0) << text;
}

TEST(TimeFormat, ShowsAndReadsMinutesAndHours) {
  const std::pair<int, const char*> both[] = {
      {600, "10:00"}, {-90, "-01:30"}, {3599, "59:59"}, {3600, "01:00:00"}, {0, "00:00"}};
  for (const auto& [seconds, text] : both) {
    EXPECT_EQ(TimeText(seconds), text);
    EXPECT_EQ(TimeOfText(text), seconds);
  }
  EXPECT_EQ(TimeText(std::numeric_limits<std::int32_t>::min()), "-596523:14:08");
  EXPECT_EQ(TimeOfText("-10:30"), -630);
  EXPECT_EQ(TimeOfText("5:7"), 307);
  EXPECT_EQ(TimeOfText("1:00:00"), 3600);
  EXPECT_EQ(TimeOfText("-0:30"), -30);
  EXPECT_EQ(TimeOfText("45"), 45);
  EXPECT_EQ(TimeOfText("999999999:0:0"), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace core
