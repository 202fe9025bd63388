// Taking differences of a parameter comparison over from A into B.

#include "core/dataops/apply.h"

#include <gtest/gtest.h>

#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;
using test::Text;

const int kAfrRate = RowOfMenu(15, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");

TakeOverOutcome TakeRows(const ModellSpeicherTyp& a, ModellSpeicherTyp& b,
                         const std::vector<int>& indices) {
  return TakeOver(a, b, RowsAt(CompareParameters(a, b, "A", "B", 32), indices), 32);
}

TEST(TakeOver, ChosenRowsEachAsAnEditOfB) {
  auto a = MakeMemory(32);
  ASSERT_EQ(Set(a, RowOfMenu(3, "TIMER 1 TIME"), "10:00", true), kChanged);  // listed first
  ASSERT_EQ(Set(a, kAfrRate, "70", true, 0), kChanged);
  ASSERT_EQ(Set(a, kAfrRate, "80", true, 2), kChanged);  // IDL-UP2, listed last
  struct Case {
    const char* what;
    std::vector<int> indices;
    int taken, differing;
  };
  const Case cases[] = {
      {"one flight condition 2 value", {2}, 1, 2},
      {"several rows, each once", {2, 0, 2, 9}, 2, 1},
      {"all rows", {0, 1, 2}, 3, 0},
  };
  for (const Case& c : cases) {
    auto b = MakeMemory(32);
    const TakeOverOutcome out = TakeRows(a, b, c.indices);
    EXPECT_EQ(out.result, kChanged) << c.what;
    EXPECT_EQ(out.taken, c.taken) << c.what;
    EXPECT_EQ(out.Differing(), c.differing) << c.what;
    EXPECT_EQ(Text(b, kAfrRate, 2), "80 %") << c.what;
    EXPECT_EQ(Text(b, kAfrRate, 3), "100 %") << c.what;  // no other condition written
    EXPECT_EQ(b.image == a.image, c.differing == 0) << c.what;
  }
  EXPECT_EQ(TakeOverStatusText(1, 0), "1 Wert übernommen, keine Unterschiede mehr");
  EXPECT_EQ(TakeOverStatusText(2, 1), "2 Werte übernommen, 1 Wert noch verschieden");
}

TEST(TakeOver, AValueBCannotTakeStaysListedAndBKeepsItsOwn) {
  auto a = MakeMemory(32), b = MakeMemory(32);
  a.image[ParamDef(RowOfMenu(22, "BATTERY MODE")).address] = 250;  // no list item names it
  const TakeOverOutcome out = TakeRows(a, b, {0});
  EXPECT_EQ(out.result, kUnchanged);
  EXPECT_EQ(out.taken, 0);
  EXPECT_EQ(out.Differing(), 1);
  EXPECT_EQ(b.image, MakeMemory(32).image);  // not the list's first item either
}

TEST(TakeOver, TheSignPartnerFollowsAsInAnEdit) {
  const int left = RowOfMenu(56, "$CHNAME1$ LEFT"), right = RowOfMenu(56, "$CHNAME1$ RIGHT");
  auto a = MakeMemory(16), b = MakeMemory(16);  // ACRO
  ASSERT_EQ(Set(a, left, "-30", true, 1), kChangedMore);
  // DIFF, FLPR and ELVN of an ACRO share these bytes and are listed each: row 2 is FLPR's LEFT.
  const TakeOverOutcome out = TakeRows(a, b, {2});
  EXPECT_EQ(out.taken, 1);
  EXPECT_EQ(out.Differing(), 0);
  EXPECT_EQ(Text(b, right, 1), Text(a, right, 1));
}

}  // namespace
}  // namespace core
