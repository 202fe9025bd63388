#include "core/dataops/copy.h"

#include <gtest/gtest.h>

#include "core/editor/compare.h"
#include "core/model/partab.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;
using test::Text;

constexpr int kTimr = 3, kAfr = 15, kPmx1 = 40;

DataSelection Select(std::initializer_list<int> conditions, std::vector<int> menus) {
  DataSelection s;
  for (int c : conditions) s.conditions[static_cast<std::size_t>(c)] = true;
  s.menuIds = std::move(menus);
  return s;
}

std::vector<int> RowsOf(int menu, const ModellSpeicherTyp& m) {
  std::vector<int> rows;
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).menu == menu && (ParameterTypeMask(k, 32) & ModelTypeMask(&m))) rows.push_back(k);
  return rows;
}

TEST(Copy, AfrFromNormalIntoFlight1AndFlight2OfTheSameMemory) {
  auto m = MakeMemory(32);
  const int rate = RowOfMenu(kAfr, "$CHNAME3$-$CHNR3$ RATE1 LEFT/DOWN");
  const int type = RowOfMenu(kAfr, "$CHNAME2$-$CHNR2$ TYPE");
  ASSERT_EQ(Set(m, rate, "66", true, 0), kChanged);
  ASSERT_NE(Set(m, type, "EXP2", true, 0), kUnchanged);
  const auto selection = Select({1, 2}, {kAfr});
  EXPECT_NE(CopyMenus(m, 0, m, selection, 32), kUnchanged);
  for (int k : RowsOf(kAfr, m))
    for (int c : {1, 2}) EXPECT_EQ(Text(m, k, c), Text(m, k, 0)) << ParamDef(k).name << " in " << c;
  EXPECT_EQ(Text(m, rate, 3), "100 %");  // Flight3 was not a target
  EXPECT_EQ(CopyMenus(m, 0, m, selection, 32), kUnchanged);  // the same copy again
}

TEST(Copy, ValuesOncePerMemoryGoOnlyIntoNormalFromTheirOwnAddress) {
  auto source = MakeMemory(32);
  const int time = RowOfMenu(kTimr, "TIMER 1 TIME");
  ASSERT_EQ(Set(source, time, "10:00", true), kChanged);
  auto target = MakeMemory(32);
  EXPECT_EQ(CopyMenus(source, 0, target, Select({1}, {kTimr}), 32), kUnchanged);
  // Source condition 2: TIMR lives once per memory, so its own bytes are copied, not 700 further.
  EXPECT_NE(CopyMenus(source, 2, target, Select({0}, {kTimr}), 32), kUnchanged);
  EXPECT_EQ(Text(target, time), "10:00 min:s");
  for (int k : RowsOf(kTimr, target)) EXPECT_EQ(Text(target, k), Text(source, k)) << ParamDef(k).name;
}

TEST(Copy, FunctionListsKeepTheirFunctionAcrossLanguages) {
  // English source, German target: "ELE-2" must arrive as the target's "HOE-2".
  const auto source = MakeMemory(32);
  auto target = MakeMemory(32, NewMemoryLanguage::Deutsch);
  const auto fresh = target;
  const int slave = RowOfMenu(kPmx1, "SLAVE FUNCTION");
  ASSERT_EQ(Text(fresh, slave), "HOE-2");
  ASSERT_NE(Set(target, slave, "MOT-3", true), kUnchanged);
  EXPECT_NE(CopyMenus(source, 0, target, Select({0, 1, 2, 3, 4}, {kPmx1}), 32), kUnchanged);
  EXPECT_EQ(Text(target, slave), "HOE-2");
  EXPECT_TRUE(CompareParameters(fresh, target, "new", "copied", 32).rows.empty());
}

}  // namespace
}  // namespace core
