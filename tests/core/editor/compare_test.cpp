#include "core/editor/compare.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/model/names.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;

constexpr int kAfr = 15;
const int kAfrRate = RowOfMenu(kAfr, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");

std::string Lines(const CompareResult& r) {
  std::string out;
  for (const auto& line : r.lines) out += line + "\n";
  return out;
}

// The same change in the parameter comparison is checked through the comparison page.
TEST(Compare, ARawChangeInConditionTwoIsReportedOnceWithTheConditionsName) {
  const auto a = MakeMemory(32);
  auto b = a;
  ASSERT_EQ(Set(b, kAfrRate, "80", false, 2), kChanged);
  const CompareResult r = CompareRaw(a, b, "A.fc", "B.fc", 32);
  ASSERT_EQ(r.rows.size(), 1u);
  const DiffRow& row = r.rows[0];
  EXPECT_EQ(row.cells, (std::array<std::string, kDiffColumns>{
                           "IDL-UP2", "AFR", "AIL-1 RATE1 RIGHT/UP", "100 %", "->", "80 %", ""}));
  EXPECT_EQ(std::pair(row.condition, row.address), std::pair(2, ParamDef(kAfrRate).address + 700));
  EXPECT_EQ(r.lines.at(1), "IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP: 100 % -> 80 %");
}

TEST(Compare, HeliAgainstAcroListsOnlySharedParameters) {
  const auto heli = MakeMemory(32), acro = MakeMemory(16);
  const CompareResult r = CompareParameters(heli, acro, "H.fc", "A.fc", 32);
  ASSERT_FALSE(r.rows.empty());
  for (const DiffRow& row : r.rows) {
    const int types = ParameterTypeMask(row.parameter, 32);
    EXPECT_TRUE((types & 32) && (types & 16)) << ParamDef(row.parameter).name;
  }
  // The function names differ (GYR against GER) and are listed in Normal only: global rows.
  EXPECT_NE(Lines(r).find("GLOBAL\\FUNCTION CHANGE\\NAME 5: GYR -> GER\n"), std::string::npos);
}

TEST(Compare, RawRowsFollowTheParametersTheChangedBitsBelongTo) {
  const auto a = MakeMemory(1);
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> flips;  // address, bits flipped in B
    std::size_t rows;
  };
  const Case cases[] = {
      {"16-bit TIMER 1 TIME, both bytes", {{44, 0x02}, {45, 0x80}}, 1},
      {"TIMER 2 MODE and TIMER 1 MODE in one byte", {{15, 0x11}}, 2},
      {"ATV rate in NORMAL and in FLIGHT1", {{144, 0x01}, {144 + 350, 0x01}}, 2},
  };
  for (const Case& c : cases) {
    auto b = a;
    for (auto [address, bits] : c.flips)
      b.image[static_cast<std::size_t>(address)] ^= static_cast<std::uint8_t>(bits);
    const CompareResult r = CompareRaw(a, b, "A.fc", "B.fc", 32);
    EXPECT_EQ(r.rows.size(), c.rows) << c.what << "\n" << Lines(r);
    EXPECT_EQ(r.lines.size(), c.rows + 1) << c.what;
  }
}

TEST(Compare, RawBytesWithoutParameterGetOneRowThenListLines) {
  const auto a = MakeMemory(1);
  auto b = a;
  b.image[300] ^= 0x01;  // no Standard row describes 300 or 1770
  b.image[1770] ^= 0x21;
  const CompareResult r = CompareRaw(a, b, "A.fc", "B.fc", 32);
  ASSERT_EQ(r.rows.size(), 1u) << Lines(r);
  EXPECT_EQ(r.rows[0].cells[0], "$12C");
  EXPECT_EQ(r.rows[0].cells[1], "");
  EXPECT_EQ(r.lines.at(2).substr(0, 6), "$6EA: ");
  EXPECT_EQ(r.lines.size(), 3u);
}

}  // namespace
}  // namespace core
