#include "link/swt.h"

#include <gtest/gtest.h>

#include "link_fakes.h"

namespace {

using core::SoftTimers;
using linktest::FakeClock;

TEST(SoftTimers, NumbersNewTimersFrom21AndRestartsById) {
  FakeClock clock;
  SoftTimers t(clock);
  t.SwtInit();
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 21);
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 22);
  EXPECT_EQ(t.SwtStart(21, 0x42, 0), 21);
  EXPECT_EQ(t.SwtStart(5, 0x41, 10), 5);   // explicit ids are taken as given
  EXPECT_EQ(t.SwtStart(0, 0x41, 10), 23);  // largest of the whole list plus one
  t.SwtFreeAll();
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 21);
}

TEST(SoftTimers, CountDownExpiresAfterItsDurationAndStaysExpired) {
  FakeClock clock;
  SoftTimers t(clock);
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

  const auto shortOne = t.SwtStart(0, 0x41, 9);  // below 10 ms: expired at the first check
  EXPECT_TRUE(t.SwtExpired(shortOne));
  const auto stopwatch = t.SwtStart(0, 0x42, 0);
  EXPECT_TRUE(t.SwtExpired(stopwatch));  // not a count-down
}

TEST(SoftTimers, OtherUnits) {
  FakeClock clock;
  SoftTimers t(clock);
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

TEST(SoftTimers, MidnightWrap) {
  FakeClock clock;
  SoftTimers t(clock);
  clock.ms = core::kMillisecondsPerDay - 100;  // 23:59:59.90
  EXPECT_EQ(t.SwtNow(), 8639990);
  const auto id = t.SwtStart(0, 0x41, 300);
  clock.ms = 200;  // 00:00:00.20
  EXPECT_EQ(SoftTimers::SwtElapsed(t.SwtNow(), 8639990), 30);
  EXPECT_TRUE(t.SwtExpired(id));
  EXPECT_EQ(SoftTimers::SwtElapsed(100, 40), 60);
}

TEST(SoftTimers, StopwatchValueInMillisecondsClamped) {
  FakeClock clock;
  SoftTimers t(clock);
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
