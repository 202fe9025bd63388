#include "core/link/transfer_display.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/core/link/link_fakes.h"

namespace {

using core::TransferDisplay;

TEST(TransferDisplay, StateOfEveryBusyValue) {
  EXPECT_EQ(core::DisplayStateOfBusy(0), 1);
  for (int s : {1, 2, 3, 4, 5, 6, 16, 32, 48, 64, 80, 96})
    EXPECT_EQ(core::DisplayStateOfBusy(s), 2) << s;
  EXPECT_EQ(core::DisplayStateOfBusy(7), 3);
  EXPECT_EQ(core::DisplayStateOfBusy(112), 3);
  for (int s : {8, 9, 128}) EXPECT_EQ(core::DisplayStateOfBusy(s), 4) << s;
  for (int s : {10, 15, 17, 129, -1}) EXPECT_EQ(core::DisplayStateOfBusy(s), 1) << s;
}

TEST(TransferDisplay, OkIsHeldThreeSecondsWhateverTheLinkDoes) {
  linktest::FakeClock clock;
  core::SoftTimers timers(clock);
  TransferDisplay d(timers);
  EXPECT_EQ(d.DisplayState(), -1);
  EXPECT_EQ(d.Progress(), -1);
  const struct {
    int advanceMs, progress, busy;
    int repaint;  // 1 or 0 as Tick answers, -1: either
    int state;
  } steps[] = {
      {0, 0, 0, 1, 1},  // the first tick always draws
      {0, 0, 0, 0, 1},  // nothing changed: no repaint
      {0, 0, 32, 1, 2},     {0, 40, 112, 1, 3},  {0, 100, 128, 1, 4},
      {10, 0, 0, 1, 4},     // progress changed; the state stays "Ok"
      {1000, 0, 32, 0, 4},  // a new transfer inside the hold still shows "Ok"
      {1980, 0, 0, -1, 4},  {10, 0, 0, 1, 1},
      // A state that still maps to "Ok" when the hold ends starts another 3 s.
      {0, 0, 8, -1, 4},     {3000, 0, 9, -1, 4}, {2990, 0, 0, -1, 4},
  };
  int step = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(step++);
    clock.Advance(s.advanceMs);
    const bool repaint = d.Tick(s.progress, s.busy);
    if (s.repaint >= 0) {
      EXPECT_EQ(repaint, s.repaint == 1);
    }
    EXPECT_EQ(d.DisplayState(), s.state);
  }
}

TEST(TransferDisplay, TicksAreNeededWhileSomethingNewWouldBeDrawn) {
  linktest::FakeClock clock;
  core::SoftTimers timers(clock);
  TransferDisplay d(timers);
  EXPECT_TRUE(d.NeedsTicks(0, 0));  // nothing drawn yet
  d.Tick(0, 0);
  EXPECT_FALSE(d.NeedsTicks(0, 0));
  EXPECT_TRUE(d.NeedsTicks(32, 0));  // "Warte auf Daten ..." still to draw
  d.Tick(0, 32);
  EXPECT_FALSE(d.NeedsTicks(32, 0));  // waiting, and drawn so
  d.Tick(40, 112);
  EXPECT_TRUE(d.NeedsTicks(112, 41));  // the bar grew
  d.Tick(100, 128);
  EXPECT_TRUE(d.NeedsTicks(0, 0));  // the hold runs
  // A receive started within the hold keeps ticking, so "Warte" follows the "Ok" on time.
  clock.Advance(2000);
  EXPECT_TRUE(d.NeedsTicks(32, 0));
  clock.Advance(1000);
  EXPECT_TRUE(d.NeedsTicks(0, 0));  // "Ok" is still drawn
  d.Tick(0, 0);
  EXPECT_EQ(d.DisplayState(), 1);
  EXPECT_FALSE(d.NeedsTicks(0, 0));
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
