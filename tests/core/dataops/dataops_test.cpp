// Copy and reset of menu data, and the menus the two dialogs offer.

#include <gtest/gtest.h>

#include "core/dataops/copy.h"
#include "core/dataops/reset.h"
#include "core/editor/compare.h"
#include "core/model/partab.h"
#include "core/model/partab_keys.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;
using test::Text;

constexpr int kTimr = 3, kMxTy = 13, kAfr = 15, kFunc = 21, kPmx1 = 40;

DataSelection Select(std::initializer_list<int> conditions, std::vector<int> menus) {
  DataSelection s;
  for (int c : conditions) s.conditions[static_cast<std::size_t>(c)] = true;
  s.menuIds = std::move(menus);
  return s;
}

DataSelection Everything(int typeMask, int version) {
  DataSelection s;
  s.conditions.fill(true);
  for (const MdlMenuTyp* m : DataMenus(typeMask, version)) s.menuIds.push_back(m->Id);
  return s;
}

std::vector<int> RowsOf(int menu, const ModellSpeicherTyp& m) {
  std::vector<int> rows;
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).menu == menu && (ParameterTypeMask(k, 32) & ModelTypeMask(&m)))
      rows.push_back(k);
  return rows;
}

TEST(DataMenus, OfferedByTheSharedTypeMask) {
  const auto h1 = test::MakeMemory(32), g4 = test::MakeMemory(4), acro = test::MakeMemory(16);
  EXPECT_EQ(DataMenus(CopyTypeMask(&h1, &h1), 32), DataMenus(32, 32));
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
  for (const char* bad : {"", "AFR,", "afr", "NAME", "REVO"})
    EXPECT_FALSE(ParseMenuCodes(bad, 1, 32)) << bad;
  const auto conditions = ParseConditions("0,2,2");
  ASSERT_TRUE(conditions);
  EXPECT_EQ(*conditions, (std::array<bool, 5>{true, false, true, false, false}));
  for (const char* bad : {"", "5", "-1", "1,", "12", "a"})
    EXPECT_FALSE(ParseConditions(bad)) << bad;
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
  EXPECT_EQ(Text(m, rate, 3), "100 %");                      // Flight3 was not a target
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
  for (int k : RowsOf(kTimr, target))
    EXPECT_EQ(Text(target, k), Text(source, k)) << ParamDef(k).name;
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

TEST(Reset, AnUntouchedNewMemoryStaysAsItIs) {
  for (int version : test::kVersions)
    for (int mask : test::kTypeMasks)
      for (auto language : {NewMemoryLanguage::Englisch, NewMemoryLanguage::Deutsch,
                            NewMemoryLanguage::Franzoesisch}) {
        auto m = MakeMemory(mask, language, version);
        const auto before = m.image;
        EXPECT_EQ(ResetMenus(m, Everything(mask, version), version), kUnchanged)
            << "type " << mask << " language " << static_cast<int>(language) << " V" << version
            << "\n"
            << CompareParameters(MakeMemory(mask, language, version), m, "new", "reset", version)
                   .lines.at(1);
        EXPECT_EQ(m.image, before);
      }
}

TEST(Reset, AfrInAllConditionsOfAHeliThenAgain) {
  auto m = MakeMemory(32);
  const int rate = RowOfMenu(kAfr, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");
  for (int c = 0; c < 5; ++c) ASSERT_EQ(Set(m, rate, std::to_string(50 + c), true, c), kChanged);
  const auto selection = Select({0, 1, 2, 3, 4}, {kAfr});
  EXPECT_NE(ResetMenus(m, selection, 32), kUnchanged);
  EXPECT_EQ(m.image, MakeMemory(32).image);
  EXPECT_EQ(ResetMenus(m, selection, 32), kUnchanged);
}

// Values once per memory (TIMR, the condition names of MxTY) are reset only with Normal.
TEST(Reset, MxTyKeepsTheTypesAndOncePerMemoryValuesGoOnlyWithNormal) {
  auto m = MakeMemory(64);  // HELI H2
  ASSERT_NE(Set(m, RowOfMenu(kMxTy, "NAME FLIGHT1"), "HOVER", true), kUnchanged);
  ASSERT_EQ(Set(m, RowOfMenu(kTimr, "TIMER 1 TIME"), "10:00", true), kChanged);
  const auto before = m.image;
  EXPECT_EQ(ResetMenus(m, Select({1, 2, 3, 4}, {kMxTy, kTimr}), 32), kUnchanged);
  EXPECT_EQ(m.image, before);
  EXPECT_NE(ResetMenus(m, Select({0}, {kMxTy, kTimr}), 32), kUnchanged);
  EXPECT_EQ(m.image, MakeMemory(64).image);
}

TEST(Reset, FunctionNamesAndFunctionListsInTheMemorysLanguage) {
  const auto fresh = MakeMemory(32, NewMemoryLanguage::Deutsch);
  auto m = fresh;
  const int slave = RowOfMenu(kPmx1, "SLAVE FUNCTION");
  ASSERT_NE(Set(m, slave, "MOT-3", true), kUnchanged);
  ASSERT_NE(Set(m, RowOfMenu(kFunc, "NAME 1"), "XYZ", false), kUnchanged);
  EXPECT_NE(ResetMenus(m, Select({0, 1, 2, 3, 4}, {kPmx1, kFunc}), 32), kUnchanged);
  EXPECT_EQ(Text(m, slave), "HOE-2");
  EXPECT_EQ(Text(m, RowOfMenu(kFunc, "NAME 1")), "QUE");
  EXPECT_TRUE(CompareParameters(fresh, m, "new", "reset", 32).rows.empty());
}

// A memory retyped from another family holds that family's values; a reset of everything brings
// it to a new memory of its type (but for the model name, which is never reset).
TEST(Reset, EachModelTypeFromItsOwnDefaultImage) {
  struct Retype {
    int mask;
    const char* family;
    int subKey;
    const char* sub;
  };
  const Retype types[] = {
      {1, "STANDARD", 0, nullptr},
      {16, "ACRO", 0, nullptr},
      {2, "GLIDER", key::kServoType, "2 SERVOS"},
      {8, "GLIDER", key::kServoType, "5 SERVOS"},
      {32, "HELI", key::kHeliType, "H-1"},
      {512, "HELI", key::kHeliType, "HN3"},
  };
  const int modelType = RowOfMenu(kMxTy, "MODELLTYP");
  for (const Retype& t : types) {
    auto m = MakeMemory(t.mask == 1 ? 16 : 1);
    ASSERT_NE(Set(m, modelType, t.family, true), kUnchanged);
    for (int k = 1; t.sub && k <= kParamCount; ++k)
      if (ParamDef(k).key == t.subKey) Set(m, k, t.sub, true);
    ASSERT_EQ(ModelTypeMask(&m), t.mask);
    ResetMenus(m, Everything(t.mask, 32), 32);
    const CompareResult r = CompareParameters(m, MakeMemory(t.mask), "m", "new", 32);
    ASSERT_EQ(r.rows.size(), 1u) << t.mask << "\n" << r.lines.at(1) << "\n" << r.lines.at(2);
    EXPECT_EQ(r.rows[0].cells[1], "MODEL NAME") << t.mask;
  }
}

TEST(Reset, AMemoryOfNoKnownTypeIsResetFromTheHeliImage) {
  auto m = MakeMemory(1);
  m.image[118] = 9;  // type bytes that name no model type
  const ModellSpeicherTyp image = MakeResetImage(m, 32);
  EXPECT_EQ(ModelTypeMask(&image), 32);
}

}  // namespace
}  // namespace core
