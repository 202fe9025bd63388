#include "core/link/swt.h"

#include <gtest/gtest.h>

#include "tests/core/link/link_fakes.h"

namespace {

using core::SoftTimers;

struct SoftTimersTest : ::testing::Test {
  linktest::FakeClock clock;
  SoftTimers t{clock};
};

TEST_F(SoftTimersTest, NumbersNewTimersFrom21AndRestartsById) {
  t.SwtInit();
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 21);
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 22);
  EXPECT_EQ(t.SwtStart(21, 0x42, 0), 21);
  EXPECT_EQ(t.SwtStart(5, 0x41, 10), 5);   // explicit ids are taken as given
  EXPECT_EQ(t.SwtStart(0, 0x41, 10), 23);  // largest of the whole list plus one
  t.SwtFreeAll();
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 21);
}

TEST_F(SoftTimersTest, CountDownExpiresAfterItsDurationAndStaysExpired) {
  const auto id = t.SwtStart(0, 0x41, 300);
  clock.Advance(290);
  EXPECT_FALSE(t.SwtExpired(id));
  EXPECT_EQ(t.SwtValue(id), 10);
  clock.Advance(10);
  EXPECT_TRUE(t.SwtExpired(id));
  clock.Advance(-300 + core::kMillisecondsPerDay);  // even if the clock went back: stopped
  EXPECT_TRUE(t.SwtExpired(id));
  EXPECT_EQ(t.SwtValue(id), 0);
  EXPECT_TRUE(t.SwtExpired(999));  // unknown id
  EXPECT_EQ(t.SwtValue(999), 0);
  EXPECT_TRUE(t.SwtExpired(t.SwtStart(0, 0x41, 9)));  // below 10 ms: expired at once
  EXPECT_TRUE(t.SwtExpired(t.SwtStart(0, 0x42, 0)));  // a stopwatch is no count-down
}

TEST_F(SoftTimersTest, OtherUnits) {
  const auto s = t.SwtStart(0, 0x11, 2);
  const auto cs = t.SwtStart(0, 0x21, 50);
  const auto none = t.SwtStart(0, 0x01, 1);
  clock.Advance(1990);
  EXPECT_FALSE(t.SwtExpired(s));
  EXPECT_TRUE(t.SwtExpired(cs));
  EXPECT_FALSE(t.SwtExpired(none));
  clock.Advance(10);
  EXPECT_TRUE(t.SwtExpired(s));
  const auto secondsUp = t.SwtStart(0, 0x12, 5);
  clock.Advance(3000);
  EXPECT_EQ(t.SwtValue(secondsUp), 8);
}

TEST_F(SoftTimersTest, MidnightWrap) {
  clock.ms = core::kMillisecondsPerDay - 100;  // 23:59:59.90
  EXPECT_EQ(t.SwtNow(), 8639990);
  const auto id = t.SwtStart(0, 0x41, 300);
  clock.ms = 200;  // 00:00:00.20
  EXPECT_EQ(SoftTimers::SwtElapsed(t.SwtNow(), 8639990), 30);
  EXPECT_TRUE(t.SwtExpired(id));
  EXPECT_EQ(SoftTimers::SwtElapsed(100, 40), 60);
}

TEST_F(SoftTimersTest, StopwatchValueInMillisecondsClamped) {
  const auto id = t.SwtStart(0, 0x42, 0);
  clock.Advance(2500);
  EXPECT_EQ(t.SwtValue(id), 2500);
  clock.Advance(67500);
  EXPECT_EQ(t.SwtValue(id), 65535);
  const auto offset = t.SwtStart(0, 0x42, 100);
  clock.Advance(50);
  EXPECT_EQ(t.SwtValue(offset), 150);
  // Elapsed of 1048575 cs or more stays unscaled (and is clamped).
  clock.Advance(10486 * 1000);
  EXPECT_EQ(t.SwtValue(offset), 65535);
}

}  // namespace
