#include "core/link/transfer_display.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/core/link/link_fakes.h"

namespace {

using core::SoftTimers;
using core::TransferDisplay;

struct TimersTest : ::testing::Test {
  linktest::FakeClock clock;
  SoftTimers t{clock};
};

TEST_F(TimersTest, NumbersNewTimersFrom21AndRestartsById) {
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 21);
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 22);
  EXPECT_EQ(t.SwtStart(21, 0x42, 0), 21);
  t.SwtFreeAll();
  EXPECT_EQ(t.SwtStart(0, 0x41, 300), 21);
}

// The link's two kinds, in milliseconds; the exact expiry and a plain stopwatch value are checked
// where it uses them (the block time-out, the "Ok" hold, the send progress).
TEST_F(TimersTest, ExpiryAndValueOfCountDownsAndStopwatches) {
  const struct {
    std::uint8_t mode;
    std::uint16_t duration;
    int afterMs;
    bool expired;  // a stopwatch never counts down: always "expired"
    int value;
  } cases[] = {
      {0x41, 300, 290, false, 10},
      {0x41, 9, 0, true, 0},  // below 10 ms: expired at once
      {0x42, 100, 50, true, 150},
      {0x42, 0, 70000, true, 65535},           // clamped
      {0x42, 100, 10486 * 1000, true, 65535},  // 1048575 cs or more stays unscaled, clamped
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

TEST_F(TimersTest, MidnightWrapAndTimersThatStayExpired) {
  clock.ms = core::kMillisecondsPerDay - 100;  // 23:59:59.90
  const auto id = t.SwtStart(0, 0x41, 300);
  clock.ms = 200;  // 00:00:00.20
  EXPECT_EQ(SoftTimers::SwtElapsed(t.SwtNow(), 8639990), 30);
  EXPECT_TRUE(t.SwtExpired(id));
  clock.ms = 0;  // the clock went back: an expired timer stays stopped
  EXPECT_TRUE(t.SwtExpired(id));
  EXPECT_EQ(t.SwtValue(id), 0);
  EXPECT_TRUE(t.SwtExpired(999));  // unknown
  EXPECT_EQ(t.SwtValue(999), 0);
}

TEST(TransferDisplay, StateOfEveryBusyValue) {
  const std::pair<std::vector<int>, int> groups[] = {
      {{0, 10, 15, 17, 129, -1}, 1},
      {{1, 2, 3, 4, 5, 6, 16, 32, 48, 64, 80, 96}, 2},
      {{7, 112}, 3},
      {{8, 9, 128}, 4},
  };
  for (const auto& [busy, state] : groups)
    for (const int b : busy) EXPECT_EQ(core::DisplayStateOfBusy(b), state) << b;
}

// Each step asks NeedsTicks for the step's values, then ticks with them.
TEST_F(TimersTest, TransferDisplayHoldsOkThreeSecondsWhateverTheLinkDoes) {
  TransferDisplay d(t);
  EXPECT_EQ(std::tuple(d.DisplayState(), d.Progress()), std::tuple(-1, -1));
  const struct {
    int advanceMs, progress, busy;
    bool needsTicks;
    bool repaint;
    int state;
  } steps[] = {
      {0, 0, 0, true, true, 1},  // nothing drawn yet
      {0, 0, 0, false, false, 1},
      {0, 0, 32, true, true, 2},  // "Warte auf Daten ..." still to draw
      {0, 40, 112, true, true, 3},
      {0, 41, 112, true, true, 3},  // the bar grew
      {0, 100, 128, true, true, 4},
      {0, 100, 128, true, false, 4},  // the hold runs: ticks even with nothing new to draw
      {10, 0, 0, true, true, 4},      // progress changed; the state stays "Ok" while the hold runs
      {2980, 0, 32, true, false, 4},  // a new transfer inside the hold still shows "Ok"
      {10, 0, 32, true, true, 2},     // and "Warte" follows on time
      {0, 0, 0, true, true, 1},
      // A state that still maps to "Ok" when the hold ends starts another 3 s.
      {0, 0, 8, true, true, 4},
      {3000, 0, 9, false, false, 4},
      {2990, 0, 0, true, false, 4},
      {10, 0, 0, true, true, 1},  // "Ok" is still drawn
  };
  int step = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(step++);
    clock.Advance(s.advanceMs);
    EXPECT_EQ(d.NeedsTicks(s.busy, s.progress), s.needsTicks);
    EXPECT_EQ(d.Tick(s.progress, s.busy), s.repaint);
    EXPECT_EQ(d.DisplayState(), s.state);
  }
}

TEST(TransferDisplay, PanelGeometry) {
  using C = core::PanelColour;
  const core::PanelRect r{19, 2, 219, 20};
  const struct {
    int state, progress;
    std::vector<std::tuple<C, int, int>> fills;  // colour, left, right
    const char* text;
  } cases[] = {
      {1, 0, {{C::ButtonFace, 20, 218}}, "        "},
      {2, 0, {{C::Yellow, 20, 218}}, "Warte auf Daten ..."},
      {4, 0, {{C::Lime, 20, 218}}, "Ok"},
      {3, 50, {{C::Lime, 20, 119}, {C::Yellow, 119, 218}}, "        "},
      {3, 0, {{C::Yellow, 19, 218}}, "        "},
      {3, 100, {{C::Lime, 20, 219}}, "        "},
      {3, -1, {}, "        "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.state) + " " + std::to_string(c.progress));
    const auto d = core::DrawTransferPanel(r, c.state, c.progress);
    std::vector<std::tuple<C, int, int>> fills;
    for (const auto& f : d.fills) fills.emplace_back(f.colour, f.rect.left, f.rect.right);
    EXPECT_EQ(fills, c.fills);
    EXPECT_EQ(d.text, c.text);
  }
  const auto idle = core::DrawTransferPanel(r, 1, 0);
  EXPECT_EQ(std::tuple(idle.fills[0].rect.bottom, idle.textX, idle.textY), std::tuple(19, 25, 3));
}

}  // namespace
