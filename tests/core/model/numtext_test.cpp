#include "core/model/numtext.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace core {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(NumText, RoundsHalfAwayAndOverflowsToHashes) {
  const std::pair<double, const char*> shown[] = {
      {-2.5, "-3"}, {-0.4, "0"} /* no "-0" */, {123456789012.0, "123456789012"},
      {1234567890123.0, "############"}, {-123456789012.5, "############"},
      {std::numeric_limits<double>::infinity(), "############"}};
  for (const auto& [v, text] : shown) EXPECT_EQ(FormatNumber(v, 0), text) << v;
  EXPECT_EQ(RoundHalfAway(2.4999, 0), 2);
  EXPECT_DOUBLE_EQ(RoundHalfAway(0.15, 1), 0.2);  // 0.15 is stored just below the half
  EXPECT_DOUBLE_EQ(RoundHalfAway(-1.25, 1), -1.3);
  EXPECT_EQ(RoundToInt(87.67), 88);
  EXPECT_EQ(RoundToInt(-0.35), 0);
  EXPECT_EQ(RoundToInt(1e300), kMax);
  EXPECT_EQ(RoundToInt(-1e300), kMin);
}

TEST(NumText, ReadsTheLeadingNumber) {
  const std::pair<const char*, std::int32_t> whole[] = {
      {"12abc", 12}, {"12,5", 12},        {"abc", 0},          {"", 0},
      {"-", 0},      {"-17", -17},         {"+17", 17},         {"-2147483648", kMin},
      {"2147483648", kMax}};
  for (const auto& [text, v] : whole) EXPECT_EQ(WholeNumberOfText(text), v) << text;
  const std::pair<const char*, double> decimal[] = {
      {"12,5", 12.5}, {"-3.25 x", -3.25}, {"  7", 7}, {".5", 0.5},
      {"5.", 5},      {"abc", 0},         {"-", 0},   {"1e999", 0} /* not finite */};
  for (const auto& [text, v] : decimal) EXPECT_DOUBLE_EQ(DecimalNumberOfText(text), v) << text;
}

TEST(NumText, ShowsAndReadsMinutesAndHours) {
  const std::pair<int, const char*> both[] = {
      {600, "10:00"}, {-90, "-01:30"}, {3599, "59:59"}, {3600, "01:00:00"}, {0, "00:00"}};
  for (const auto& [seconds, text] : both) {
    EXPECT_EQ(TimeText(seconds), text);
    EXPECT_EQ(TimeOfText(text), seconds);
  }
  EXPECT_EQ(TimeText(kMin), "-596523:14:08");
  const std::pair<const char*, std::int32_t> read[] = {
      {"-10:30", -630}, {"5:7", 307}, {"1:00:00", 3600},      {"-0:30", -30},
      {"45", 45 * 60},  {"-5", -300}, {"999999999:0:0", kMax}};  // no ":": minutes
  for (const auto& [text, v] : read) EXPECT_EQ(TimeOfText(text), v) << text;
}

}  // namespace
}  // namespace core
