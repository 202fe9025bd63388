// Taking differences of a parameter comparison over from A into B.

#include "core/dataops/apply.h"

#include <gtest/gtest.h>

#include "core/editor/compare.h"
#include "core/model/names.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;
using test::Text;

constexpr int kTimr = 3, kAfr = 15, kDiff = 56;

CompareResult Compare(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b) {
  return CompareParameters(a, b, "A", "B", 32);
}

std::vector<int> Indices(const CompareResult& r, std::initializer_list<int> conditions) {
  std::vector<int> chosen;
  for (std::size_t i = 0; i < r.rows.size(); ++i)
    for (int c : conditions)
      if (r.rows[i].condition == c) chosen.push_back(static_cast<int>(i));
  return chosen;
}

TEST(TakeOver, ChosenRowsEachAsAnEditOfB) {
  const int afr = RowOfMenu(kAfr, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");
  const int time = RowOfMenu(kTimr, "TIMER 1 TIME");
  auto a = MakeMemory(32);
  ASSERT_EQ(Set(a, afr, "80", true, 2), kChanged);  // IDL-UP2
  ASSERT_EQ(Set(a, afr, "70", true, 0), kChanged);
  ASSERT_EQ(Set(a, time, "10:00", true), kChanged);
  struct Case {
    const char* what;
    std::initializer_list<int> conditions;  // rows chosen by their condition (-1: global)
    int taken, differing;
  };
  const Case cases[] = {
      {"one flight condition 2 value", {2}, 1, 2},
      {"several rows", {2, -1}, 2, 1},
      {"all rows", {-1, 0, 1, 2, 3, 4}, 3, 0},
  };
  for (const Case& c : cases) {
    auto b = MakeMemory(32);
    const CompareResult before = Compare(a, b);
    ASSERT_EQ(before.rows.size(), 3u);
    const auto rows = RowsAt(before, Indices(before, c.conditions));
    const TakeOverOutcome out = TakeOver(a, b, rows, 32);
    EXPECT_EQ(out.result, kChanged) << c.what;
    EXPECT_EQ(out.taken, c.taken) << c.what;
    EXPECT_EQ(out.Differing(), c.differing) << c.what;
    EXPECT_EQ(Text(b, afr, 2), "80 %") << c.what;
    EXPECT_EQ(Text(b, afr, 3), "100 %") << c.what;  // no other condition written
    EXPECT_EQ(b.image == a.image, c.differing == 0) << c.what;
    EXPECT_EQ(out.after.rows.size(), Compare(a, b).rows.size()) << c.what;
  }
}

TEST(TakeOver, AValueBCannotTakeStaysListed) {
  // A holds a list value no list item names (from a later transmitter, say).
  const int battery = RowOfMenu(22, "BATTERY MODE");
  auto a = MakeMemory(32), b = MakeMemory(32);
  a.image[ParamDef(battery).address] = 250;
  const CompareResult before = Compare(a, b);
  ASSERT_EQ(before.rows.size(), 1u) << ::testing::PrintToString(before.lines);
  const TakeOverOutcome out = TakeOver(a, b, before.rows, 32);
  EXPECT_EQ(out.result, kUnchanged);
  EXPECT_EQ(out.taken, 0) << ::testing::PrintToString(out.after.lines);
  EXPECT_EQ(out.Differing(), 1);
  EXPECT_EQ(b.image, MakeMemory(32).image);  // not even the first list item written
}

TEST(TakeOver, TheSignPartnerFollowsAsInAnEdit) {
  const int left = RowOfMenu(kDiff, "$CHNAME1$ LEFT"), right = RowOfMenu(kDiff, "$CHNAME1$ RIGHT");
  auto a = MakeMemory(16), b = MakeMemory(16);  // ACRO
  ASSERT_EQ(Set(a, left, "-30", true, 1), kChangedMore);
  ASSERT_EQ(Text(a, right, 1).front(), '-');
  // DIFF, FLPR and ELVN of an ACRO read the same bytes: each lists them. Take FLPR's.
  const CompareResult before = Compare(a, b);
  ASSERT_EQ(before.rows.size(), 6u) << ::testing::PrintToString(before.lines);
  ASSERT_NE(before.rows[2].parameter, left);
  const auto rows = RowsAt(before, {2});
  const TakeOverOutcome out = TakeOver(a, b, rows, 32);
  EXPECT_EQ(out.result, kChangedMore);
  EXPECT_EQ(out.taken, 1);
  EXPECT_EQ(out.Differing(), 0);  // the partner's sign came with it
  EXPECT_EQ(Text(b, right, 1), Text(a, right, 1));
}

TEST(TakeOver, RowsByIndexAndByName) {
  auto a = MakeMemory(32), b = MakeMemory(32);
  const int afr = RowOfMenu(kAfr, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");
  for (int c : {3, 1}) ASSERT_EQ(Set(a, afr, "90", true, c), kChanged);
  const CompareResult r = Compare(a, b);
  ASSERT_EQ(r.rows.size(), 2u);
  const auto byIndex = RowsAt(r, {1, 7, 0, 1, -1});  // list order, each once
  ASSERT_EQ(byIndex.size(), 2u);
  EXPECT_EQ(byIndex[0].condition, 1);
  EXPECT_EQ(byIndex[1].condition, 3);

  // The names as the difference lines give them, before the colon.
  const std::string line = r.lines.at(2), name = line.substr(0, line.find(": "));
  std::vector<std::string> unmatched;
  const auto byName = RowsNamed(r, b, {"NORMAL\\AFR\\nothing", name}, 32, &unmatched);
  ASSERT_EQ(byName.size(), 1u) << name;
  EXPECT_EQ(byName[0].condition, 3);
  EXPECT_EQ(unmatched, std::vector<std::string>{"NORMAL\\AFR\\nothing"});
}

TEST(TakeOver, StatusTextInGerman) {
  EXPECT_EQ(TakeOverStatusText(1, 0), "1 Wert übernommen, keine Unterschiede mehr");
  EXPECT_EQ(TakeOverStatusText(2, 1), "2 Werte übernommen, 1 Wert noch verschieden");
  EXPECT_EQ(TakeOverStatusText(0, 3), "0 Werte übernommen, 3 Werte noch verschieden");
}

}  // namespace
}  // namespace core
