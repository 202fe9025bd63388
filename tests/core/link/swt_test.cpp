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

TEST_F(SoftTimersTest, ExpiryAndValueByKindAndUnit) {
  const struct {
    std::uint8_t mode;
    std::uint16_t duration;
    int afterMs;
    bool expired;  // a stopwatch never counts down: always "expired"
    int value;
  } cases[] = {
      {0x41, 300, 290, false, 10},
      {0x41, 300, 300, true, 0},
      {0x41, 9, 0, true, 0},  // below 10 ms: expired at once
      {0x21, 50, 490, false, 1},
      {0x21, 50, 500, true, 0},
      {0x11, 2, 1990, false, 1},
      {0x11, 2, 2000, true, 0},
      {0x01, 1, 5000, false, 1},  // no unit: never runs out
      {0x42, 0, 2500, true, 2500},
      {0x42, 100, 50, true, 150},
      {0x42, 0, 70000, true, 65535},           // clamped
      {0x42, 100, 10486 * 1000, true, 65535},  // 1048575 cs or more stays unscaled, clamped
      {0x12, 5, 3000, true, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int{c.mode} << std::dec << " " << c.duration
                                    << " after " << c.afterMs << " ms");
    const auto id = t.SwtStart(0, c.mode, c.duration);
    clock.Advance(c.afterMs);
    EXPECT_EQ(t.SwtValue(id), c.value);
    EXPECT_EQ(t.SwtExpired(id), c.expired);
  }
}

TEST_F(SoftTimersTest, AnExpiredOrUnknownTimerStaysExpired) {
  const auto id = t.SwtStart(0, 0x41, 300);
  clock.Advance(300);
  EXPECT_TRUE(t.SwtExpired(id));
  clock.Advance(-300 + core::kMillisecondsPerDay);  // even if the clock went back: stopped
  EXPECT_TRUE(t.SwtExpired(id));
  EXPECT_EQ(t.SwtValue(id), 0);
  EXPECT_TRUE(t.SwtExpired(999));
  EXPECT_EQ(t.SwtValue(999), 0);
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

}  // namespace
