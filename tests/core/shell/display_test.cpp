#include "core/shell/display.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(DisplayTest, IconsAreWrittenAtThe26thTickAndTheCounterStops) {
  std::int32_t counter = 0;
  std::vector<int> writeTicks;
  for (int tick = 1; tick <= 100; ++tick) {
    if (DisplayTick(counter)) writeTicks.push_back(tick);
  }
  EXPECT_EQ(writeTicks, std::vector<int>{26});
  EXPECT_EQ(counter, 100);

  counter = kDisplayTickLimit - 1;
  EXPECT_FALSE(DisplayTick(counter));
  EXPECT_EQ(counter, kDisplayTickLimit);
  EXPECT_FALSE(DisplayTick(counter));
  EXPECT_EQ(counter, kDisplayTickLimit);
}

TEST(DisplayTest, WithoutActiveModelMemory) {
  EXPECT_EQ(PanelZeroColour(nullptr), kSavedGreen);
  const DisplayState d = DecideDisplay(nullptr, "ignored", true, 0);
  EXPECT_FALSE(d.repaint);
  EXPECT_EQ(d.panel2, "kein Modell gewählt");
  EXPECT_FALSE(d.txEnabled || d.deleteEnabled || d.undeleteEnabled);
  EXPECT_TRUE(DecideDisplay(nullptr, "", false, 0).repaint);  // red left over: back to green
  EXPECT_TRUE(DecideDisplay(nullptr, "", true, kTransferDisplayProgress).repaint);
}

TEST(DisplayTest, ActiveModelMemoryColourTextAndCommands) {
  ModellSpeicherTyp r;
  r.inUse = true;
  r.imageSaved = r.commentSaved = true;
  r.dateText = "05.12.26    9:05";
  EXPECT_EQ(PanelZeroColour(&r), kSavedGreen);
  DisplayState d = DecideDisplay(&r, "ASW 28      ", true, 0);
  EXPECT_FALSE(d.repaint);
  EXPECT_EQ(d.panel2, "ASW 28       05.12.26    9:05");
  EXPECT_TRUE(d.txEnabled && d.deleteEnabled);
  EXPECT_FALSE(d.undeleteEnabled);
  EXPECT_TRUE(DecideDisplay(&r, "ASW 28      ", false, 0).repaint);
  EXPECT_TRUE(DecideDisplay(&r, "ASW 28      ", true, kTransferDisplayProgress).repaint);
  EXPECT_FALSE(DecideDisplay(&r, "ASW 28      ", true, 2).repaint);

  r.commentSaved = false;
  EXPECT_EQ(PanelZeroColour(&r), kUnsavedRed);
  EXPECT_TRUE(DecideDisplay(&r, "", true, 0).repaint);
  EXPECT_FALSE(DecideDisplay(&r, "", false, 0).repaint);
  r.commentSaved = true;
  r.imageSaved = false;
  EXPECT_EQ(PanelZeroColour(&r), kUnsavedRed);

  r.deleted = true;
  d = DecideDisplay(&r, "", false, 0);
  EXPECT_TRUE(d.txEnabled && d.undeleteEnabled);
  EXPECT_FALSE(d.deleteEnabled);
}

}  // namespace
}  // namespace core
