#include "core/util/datetime.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(DateText, FormatsSixteenCharacters) {
  EXPECT_EQ(FormatDateText({2026, 12, 5, 9, 5, 41}), "05.12.26    9:05");
  EXPECT_EQ(FormatDateText({2026, 12, 5, 13, 5, 0}), "05.12.26   13:05");
  EXPECT_EQ(FormatDateText({1999, 1, 31, 0, 0, 0}), "31.01.99    0:00");
}

TEST(DateText, ReadsBackWithCentury) {
  EXPECT_EQ(ParseDateText("05.12.26    9:05"), (DateTime{2026, 12, 5, 9, 5, 0}));
  EXPECT_EQ(ParseDateText("05.12.85   13:05").year, 1985);
  EXPECT_EQ(ParseDateText("05.12.79   13:05").year, 2079);
  EXPECT_EQ(ParseDateText("05.12.80   13:05").year, 1980);
  EXPECT_EQ(ParseDateText("05.12.00   13:05").year, 2000);
  // Any one non-digit separates the numbers.
  EXPECT_EQ(ParseDateText("05/12-26   13x05"), (DateTime{2026, 12, 5, 13, 5, 0}));
}

TEST(DateText, ClampsOutOfRangeFields) {
  EXPECT_EQ(ParseDateText("00.00.26    9:05"), (DateTime{2026, 1, 1, 9, 5, 0}));
  EXPECT_EQ(ParseDateText("45.13.26    9:05"), (DateTime{2026, 12, 31, 9, 5, 0}));
  EXPECT_EQ(ParseDateText("01.01.26   24:05").hour, 0);
  EXPECT_EQ(ParseDateText("01.01.26   25:05").hour, 23);
  EXPECT_EQ(ParseDateText("01.01.26   12:60").minute, 59);
  EXPECT_EQ(ParseDateText("01.01.26   12:99").minute, 59);
  // Nothing readable gives the earliest values, never a failure.
  EXPECT_EQ(ParseDateText(""), (DateTime{2000, 1, 1, 0, 0, 0}));
  EXPECT_EQ(ParseDateText("garbage text here"), (DateTime{2000, 1, 1, 0, 0, 0}));
}

TEST(DateText, OrdersByMinuteNotSecond) {
  EXPECT_GT(DateTextOrder("01.02.03   10:00"), DateTextOrder("01.02.03    9:59"));
  EXPECT_GT(DateTextOrder("01.01.79    0:00"), DateTextOrder("31.12.80   23:59"));
  EXPECT_EQ(DateTextOrder("01.02.03   10:00"), DateTextOrder("01.02.03   10:00"));
}

TEST(LocalTime, RoundTripsAndCanBeFixed) {
  const DateTime t{2026, 12, 5, 9, 5, 0};
  const auto tt = TimeFromLocal(t);
  ASSERT_TRUE(tt.has_value());
  EXPECT_EQ(LocalFromTime(*tt), t);
  {
    ScopedLocalClock fixed([] { return DateTime{2003, 2, 1, 10, 0, 0}; });
    EXPECT_EQ(LocalNow(), (DateTime{2003, 2, 1, 10, 0, 0}));
  }
}

}  // namespace
}  // namespace core
