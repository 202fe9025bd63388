#include "core/util/datetime.h"

#include <gtest/gtest.h>

namespace core {
namespace {

// Sixteen characters, the hour's tens blank, the seconds dropped; ordered by the minute.
TEST(DateText, FormatsSixteenCharactersAndOrdersByMinute) {
  EXPECT_EQ(FormatDateText({2026, 12, 5, 9, 5, 41}), "05.12.26    9:05");
  EXPECT_EQ(FormatDateText({1999, 1, 31, 0, 0, 0}), "31.01.99    0:00");
  EXPECT_GT(DateTextOrder("01.02.03   10:00"), DateTextOrder("01.02.03    9:59"));
  EXPECT_GT(DateTextOrder("01.01.79    0:00"), DateTextOrder("31.12.80   23:59"));
}

// Every row reads as given, and what it read, formatted, reads back the same.
TEST(DateText, ReadsBackWithCenturyAndClampsOutOfRangeFields) {
  const struct {
    const char* text;
    DateTime read;
  } cases[] = {
      {"05.12.26    9:05", {2026, 12, 5, 9, 5, 0}},
      {"05.12.85   13:05", {1985, 12, 5, 13, 5, 0}},
      {"05.12.79   13:05", {2079, 12, 5, 13, 5, 0}},
      {"05.12.80   13:05", {1980, 12, 5, 13, 5, 0}},
      {"05.12.00   13:05", {2000, 12, 5, 13, 5, 0}},
      {"05/12-26   13x05", {2026, 12, 5, 13, 5, 0}},  // any one non-digit separates
      {"00.00.26    9:05", {2026, 1, 1, 9, 5, 0}},
      {"45.13.26    9:05", {2026, 12, 31, 9, 5, 0}},
      {"01.01.26   24:05", {2026, 1, 1, 0, 5, 0}},
      {"01.01.26   25:05", {2026, 1, 1, 23, 5, 0}},
      {"01.01.26   12:60", {2026, 1, 1, 12, 59, 0}},
      {"01.01.26   12:99", {2026, 1, 1, 12, 59, 0}},
      // Nothing readable gives the earliest values, never a failure.
      {"", {2000, 1, 1, 0, 0, 0}},
      {"garbage text here", {2000, 1, 1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDateText(c.text), c.read) << c.text;
    EXPECT_EQ(ParseDateText(FormatDateText(c.read)), c.read) << c.text;
  }
}

}  // namespace
}  // namespace core
