#include "core/shell/display.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(DisplayTest, IconsAreWrittenAtThe26thTickAndTheCounterStops) {
  std::int32_t counter = 0;
  std::vector<int> writeTicks;
  for (int tick = 1; tick <= 100; ++tick)
    if (DisplayTick(counter)) writeTicks.push_back(tick);
  EXPECT_EQ(writeTicks, std::vector<int>{26});
  counter = kDisplayTickLimit - 1;
  for (int tick = 0; tick < 2; ++tick) EXPECT_FALSE(DisplayTick(counter));
  EXPECT_EQ(counter, kDisplayTickLimit);  // reached, and kept
}

// Texts, colours (panel 0 green and red) and commands as the user sees them are the window
// tests'; here when the status bar repaints, and the states the window flows do not reach.
TEST(DisplayTest, RepaintsWhenTheColourOrTheTransferPanelChanges) {
  ModellSpeicherTyp saved, unsaved;
  saved.inUse = unsaved.inUse = true;
  saved.imageSaved = saved.commentSaved = unsaved.commentSaved = true;
  const struct {
    const ModellSpeicherTyp* active;
    bool drawnSaved;
    int transferState;
    bool repaint;
  } cases[] = {
      {nullptr, true, 0, false},
      {nullptr, false, 0, true},  // red left over: back to green
      {nullptr, true, kTransferDisplayProgress, true},
      {&saved, true, 0, false},
      {&saved, false, 0, true},
      {&saved, true, kTransferDisplayProgress, true},
      {&saved, true, 2, false},
      {&unsaved, true, 0, true},
      {&unsaved, false, 0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecideDisplay(c.active, "", c.drawnSaved, c.transferState).repaint, c.repaint)
        << (c.active == &saved) << c.drawnSaved << c.transferState;
  saved.deleted = true;
  const DisplayState d = DecideDisplay(&saved, "", false, 0);
  EXPECT_TRUE(d.txEnabled && d.undeleteEnabled && !d.deleteEnabled);
}

}  // namespace
}  // namespace core
