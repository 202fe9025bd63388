#include "core/dataops/datamenus.h"

#include <gtest/gtest.h>

#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

TEST(DataMenus, OfferedByTheSharedTypeMask) {
  const auto h1 = test::MakeMemory(32), g4 = test::MakeMemory(4), acro = test::MakeMemory(16),
             standard = test::MakeMemory(1);
  EXPECT_EQ(DataMenus(CopyTypeMask(&h1, &h1), 32).size(), 36u);
  EXPECT_EQ(DataMenus(CopyTypeMask(&standard, &standard), 32).size(), 20u);
  // No shared type bit: only the system menus, even DIFF whose mask holds both types.
  const auto mixed = DataMenus(CopyTypeMask(&g4, &acro), 32);
  ASSERT_FALSE(mixed.empty());
  for (const MdlMenuTyp* m : mixed) EXPECT_TRUE(m->TypeMask & 0xC00) << m->Code;
  for (const MdlMenuTyp* m : DataMenus(0x3FF, 32)) EXPECT_NE(m->Id, kMenuIdName);
}

TEST(DataMenus, FunctionBoxesKeepTheLastMenuInBox36) {
  const FunctionBoxes heli = FillFunctionBoxes(32, 32);
  EXPECT_EQ(heli.visible, 36);
  EXPECT_EQ(heli.captions[0], "TIMR");  // TACO has no rows
  const FunctionBoxes standard = FillFunctionBoxes(1, 32);
  EXPECT_EQ(standard.visible, 20);
  EXPECT_EQ(standard.captions[20], "...");
  const FunctionBoxes all = FillFunctionBoxes(0x3FF, 32);
  EXPECT_EQ(all.visible, 36);
  EXPECT_EQ(all.captions[35], DataMenus(0x3FF, 32).back()->Code);
}

TEST(DataMenus, ParsedCodesAndConditions) {
  EXPECT_EQ(ParseMenuCodes("D/R,AFR,D/R", 32, 32), (std::vector<int>{15, 16}));  // box order
  EXPECT_EQ(ParseMenuCodes("all", 1, 32)->size(), 20u);
  for (const char* bad : {"", "AFR,", "afr", "NAME", "REVO", "XYZ"})
    EXPECT_FALSE(ParseMenuCodes(bad, 1, 32)) << bad;
  const auto conditions = ParseConditions("0,2,2");
  ASSERT_TRUE(conditions);
  EXPECT_EQ(*conditions, (std::array<bool, 5>{true, false, true, false, false}));
  for (const char* bad : {"", "5", "-1", "1,", "12", "a"}) EXPECT_FALSE(ParseConditions(bad)) << bad;
}

}  // namespace
}  // namespace core
