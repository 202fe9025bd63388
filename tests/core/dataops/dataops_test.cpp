// Copy, reset and take-over of menu data, the menus the copy and reset dialogs offer, and
// veltrano-cli diff, apply, copy and reset as scripts use them.

#include <gtest/gtest.h>

#include <tuple>

#include "core/dataops/apply.h"
#include "core/dataops/copy.h"
#include "core/dataops/reset.h"
#include "core/editor/compare.h"
#include "core/model/partab.h"
#include "core/model/partab_keys.h"
#include "tests/core/model/model_fixture.h"
#ifdef VELTRANO_CLI
#include "core/store/model_memory.h"
#include "tests/cli_runner.h"
#endif

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;
using test::Text;

constexpr int kTimr = 3, kMxTy = 13, kAfr = 15, kFunc = 21, kPmx1 = 40;
const int kAfrRate = RowOfMenu(kAfr, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");

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

TEST(DataMenus, FunctionBoxesKeepTheLastMenuInBox36) {
  const FunctionBoxes heli = FillFunctionBoxes(32, 32);
  EXPECT_EQ(std::tuple(heli.visible, heli.captions[0]), std::tuple(36, "TIMR"));  // TACO: no rows
  const FunctionBoxes standard = FillFunctionBoxes(1, 32);
  EXPECT_EQ(std::tuple(standard.visible, standard.captions[20]), std::tuple(20, "..."));
  const FunctionBoxes all = FillFunctionBoxes(0x3FF, 32);
  EXPECT_EQ(all.visible, 36);
  EXPECT_EQ(all.captions[35], DataMenus(0x3FF, 32).back()->Code);
}

TEST(DataMenus, OfferedByTheSharedTypeMaskAndParsed) {
  // No shared type bit: only the system menus, even DIFF whose mask holds both types.
  const auto g4 = MakeMemory(4), acro = MakeMemory(16);
  const auto mixed = DataMenus(CopyTypeMask(&g4, &acro), 32);
  ASSERT_FALSE(mixed.empty());
  for (const MdlMenuTyp* m : mixed) EXPECT_TRUE(m->TypeMask & 0xC00) << m->Code;
  for (const MdlMenuTyp* m : DataMenus(0x3FF, 32)) EXPECT_NE(m->Id, kMenuIdName);
  EXPECT_EQ(ParseMenuCodes("D/R,AFR,D/R", 32, 32), (std::vector<int>{15, 16}));  // box order
  EXPECT_EQ(ParseMenuCodes("all", 1, 32)->size(), 20u);
  for (const char* bad : {"", "AFR,", "afr", "NAME", "REVO"})
    EXPECT_FALSE(ParseMenuCodes(bad, 1, 32)) << bad;
  EXPECT_EQ(ParseConditions("0,2,2"), (std::array<bool, 5>{true, false, true, false, false}));
  for (const char* bad : {"", "5", "-1", "1,", "12", "a"})
    EXPECT_FALSE(ParseConditions(bad)) << bad;
}

TEST(Copy, AfrFromNormalIntoFlight1AndFlight2OfTheSameMemoryThenReset) {
  auto m = MakeMemory(32);
  const int rate = RowOfMenu(kAfr, "$CHNAME3$-$CHNR3$ RATE1 LEFT/DOWN");
  const int type = RowOfMenu(kAfr, "$CHNAME2$-$CHNR2$ TYPE");
  ASSERT_EQ(Set(m, rate, "66", true, 0), kChanged);
  ASSERT_NE(Set(m, type, "EXP2", true, 0), kUnchanged);
  ASSERT_EQ(Set(m, kAfrRate, "54", true, 4), kChanged);  // for the reset
  const auto selection = Select({1, 2}, {kAfr});
  EXPECT_NE(CopyMenus(m, 0, m, selection, 32), kUnchanged);
  for (int k : RowsOf(kAfr, m))
    for (int c : {1, 2}) EXPECT_EQ(Text(m, k, c), Text(m, k, 0)) << ParamDef(k).name << " in " << c;
  EXPECT_EQ(Text(m, rate, 3), "100 %");  // Flight3 was not a target
  // AFR reset in all conditions: a new memory again, and nothing to do the second time.
  const auto all = Select({0, 1, 2, 3, 4}, {kAfr});
  EXPECT_NE(ResetMenus(m, all, 32), kUnchanged);
  EXPECT_EQ(m.image, MakeMemory(32).image);
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

// English source, German target: "ELE-2" arrives as the target's "HOE-2"; a reset gives the
// function names and lists of the memory's own language.
TEST(CopyAndReset, FunctionNamesAndListsInTheTargetsLanguage) {
  const auto source = MakeMemory(32), fresh = MakeMemory(32, NewMemoryLanguage::Deutsch);
  auto target = fresh;
  const int slave = RowOfMenu(kPmx1, "SLAVE FUNCTION"), name1 = RowOfMenu(kFunc, "NAME 1");
  ASSERT_EQ(Text(fresh, slave), "HOE-2");
  ASSERT_NE(Set(target, slave, "MOT-3", true), kUnchanged);
  EXPECT_NE(CopyMenus(source, 0, target, Select({0, 1, 2, 3, 4}, {kPmx1}), 32), kUnchanged);
  EXPECT_EQ(Text(target, slave), "HOE-2");
  EXPECT_TRUE(CompareParameters(fresh, target, "new", "copied", 32).rows.empty());
  ASSERT_NE(Set(target, slave, "MOT-3", true), kUnchanged);
  ASSERT_NE(Set(target, name1, "XYZ", false), kUnchanged);
  EXPECT_NE(ResetMenus(target, Select({0, 1, 2, 3, 4}, {kPmx1, kFunc}), 32), kUnchanged);
  EXPECT_EQ(Text(target, slave), "HOE-2");
  EXPECT_EQ(Text(target, name1), "QUE");
  EXPECT_TRUE(CompareParameters(fresh, target, "new", "reset", 32).rows.empty());
}

TEST(Reset, AnUntouchedNewMemoryStaysAsItIs) {
  for (int version : test::kVersions)
    for (int mask : test::kTypeMasks)
      for (auto language : {NewMemoryLanguage::Englisch, NewMemoryLanguage::Deutsch,
                            NewMemoryLanguage::Franzoesisch}) {
        auto m = MakeMemory(mask, language, version);
        const auto before = m.image;
        SCOPED_TRACE("type " + std::to_string(mask) + " language " +
                     std::to_string(static_cast<int>(language)) + " V" + std::to_string(version));
        EXPECT_EQ(ResetMenus(m, Everything(mask, version), version), kUnchanged);
        EXPECT_EQ(m.image, before);
      }
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

// A memory retyped from another family holds that family's values; a reset of everything brings
// it to a new memory of its type (but for the model name, which is never reset).
TEST(Reset, EachModelTypeFromItsOwnDefaultImageAndAnUnknownOneFromTheHelis) {
  struct Retype {
    int mask;
    const char* family;
    int subKey;
    const char* sub;
  };
  const Retype types[] = {
      {1, "STANDARD", 0, nullptr},
      {16, "ACRO", 0, nullptr},
      {8, "GLIDER", key::kServoType, "5 SERVOS"},
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
  auto unknown = MakeMemory(1);
  unknown.image[118] = 9;  // type bytes that name no model type: reset from the Heli image
  const ModellSpeicherTyp image = MakeResetImage(unknown, 32);
  EXPECT_EQ(ModelTypeMask(&image), 32);
}

// Taking differences of a parameter comparison over from A into B.
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
    SCOPED_TRACE(c.what);
    const TakeOverOutcome out = TakeRows(a, b, c.indices);
    EXPECT_EQ(std::tuple(out.result, out.taken, out.Differing()),
              std::tuple(kChanged, c.taken, c.differing));
    EXPECT_EQ(Text(b, kAfrRate, 2), "80 %");
    EXPECT_EQ(Text(b, kAfrRate, 3), "100 %");  // no other condition written
    EXPECT_EQ(b.image == a.image, c.differing == 0);
  }
  EXPECT_EQ(TakeOverStatusText(1, 0), "1 Wert übernommen, keine Unterschiede mehr");
  EXPECT_EQ(TakeOverStatusText(2, 1), "2 Werte übernommen, 1 Wert noch verschieden");
}

TEST(TakeOver, AValueBCannotTakeStaysListedAndBKeepsItsOwn) {
  auto a = MakeMemory(32), b = MakeMemory(32);
  a.image[ParamDef(RowOfMenu(22, "BATTERY MODE")).address] = 250;  // no list item names it
  const TakeOverOutcome out = TakeRows(a, b, {0});
  EXPECT_EQ(std::tuple(out.result, out.taken, out.Differing()), std::tuple(kUnchanged, 0, 1));
  EXPECT_EQ(b.image, MakeMemory(32).image);  // not the list's first item either
}

TEST(TakeOver, TheSignPartnerFollowsAsInAnEdit) {
  const int left = RowOfMenu(56, "$CHNAME1$ LEFT"), right = RowOfMenu(56, "$CHNAME1$ RIGHT");
  auto a = MakeMemory(16), b = MakeMemory(16);  // ACRO
  ASSERT_EQ(Set(a, left, "-30", true, 1), kChangedMore);
  // DIFF, FLPR and ELVN of an ACRO share these bytes and are listed each: row 2 is FLPR's LEFT.
  const TakeOverOutcome out = TakeRows(a, b, {2});
  EXPECT_EQ(std::tuple(out.taken, out.Differing()), std::tuple(1, 0));
  EXPECT_EQ(Text(b, right, 1), Text(a, right, 1));
}

#ifdef VELTRANO_CLI
constexpr const char* kNoDifferences =
    "Keine Unterschiede zwischen den Modellspeichern gefunden!\n";

class CliData : public test::CliTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.path() / "sub");
    Expect({{"new 'heli h1' --language deutsch h1.fc", 0, ""},
            {"new 'heli h1' sub/h1b.fc", 0, ""},
            {"new acro a.fc", 0, ""}});
  }
};

TEST_F(CliData, DiffExitsAsDiffDoes) {
  Expect({
      {"diff h1.fc h1.fc --low-level", 0,
       "Vergleich: h1.fc -> h1.fc\n" + std::string(kNoDifferences)},
      {"diff h1.fc sub/h1b.fc --version 30", 1,
       "Vergleich: h1.fc -> h1b.fc\n...\nGLOBAL\\FUNCTION CHANGE\\NAME 1: QUE -> AIL\n...\n"},
      {"diff h1.fc sub/h1b.fc --low-level", 1,
       "Vergleich: h1.fc -> h1b.fc\n...\nGLOBAL\\PARAMETER\\SPRACHE: DEUTSCH -> ENGLISCH\n...\n"},
      {"diff h1.fc", 2, "", "usage: diff"},
      {"diff h1.fc missing.fc", 2, "", "cannot read 'missing.fc'"},
      {"diff h1.fc a.fc --version 29", 2, "", "unknown version '29'"},
      {"diff h1.fc a.fc --fast", 2, "", "unknown option --fast"},
  });
}

TEST_F(CliData, CopyAndResetRewriteOnlyWhenSomethingChanged) {
  Expect({
      {"set h1.fc 'NORMAL\\AFR\\QUE-1 RATE1 RIGHT/UP' 70", 0, "1\n"},
      {"copy h1.fc h1.fc --from 0 --to 1,2 --menus AFR", 0, "OK!\n"},
      {"copy h1.fc h1.fc --from 0 --to 1,2 --menus AFR", 0, "Keine Daten geändert!\n", "", "h1.fc"},
      // German source, English target in another directory: the mix keeps its function.
      {"copy h1.fc sub/h1b.fc --from 2 --to 0 --menus all", 0, "OK!\n"},
      {"reset h1.fc --conditions 0,1,2,3,4 --menus AFR", 0, "OK!\n"},
      {"reset h1.fc --conditions 0,1,2,3,4 --menus AFR", 0, "Keine Daten geändert!\n", "", "h1.fc"},
  });
  ModellSpeicherTyp m;
  ASSERT_TRUE(LoadModelMemory(m, Path("h1.fc")));
  EXPECT_EQ(test::Text(m, test::RowOfMenu(15, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP"), 2), "100 %");
}

TEST_F(CliData, ApplyTakesListedNamesOrEverythingAndDiffAgreesAfterwards) {
  // A name file as written on Windows, with a blank line and a name that is no difference.
  std::ofstream(Path("names.txt")) << "IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP\r\n\nNOPE\n";
  std::ofstream(Path("timer.txt")) << "GLOBAL\\TIMER\\TIMER 1 TIME\n";
  Expect({
      {"set sub/h1b.fc 'IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP' 80", 0, "1\n"},
      {"set sub/h1b.fc 'NORMAL\\AFR\\AIL-1 RATE1 RIGHT/UP' 70", 0, "1\n"},
      {"set sub/h1b.fc 'GLOBAL\\TIMER\\TIMER 1 TIME' 10:00", 0, "1\n"},
      {"new 'heli h1' b.fc", 0, ""},
      {"apply sub/h1b.fc b.fc --names missing.txt", 2, "", "cannot read 'missing.txt'", "b.fc"},
      {"apply sub/h1b.fc b.fc --names names.txt", 1, "übernommen: 1, verschieden: 2\n",
       "no difference named 'NOPE'"},
      {"diff sub/h1b.fc b.fc", 1,
       "Vergleich: h1b.fc -> b.fc\nGLOBAL\\TIMER\\TIMER 1 TIME: 10:00 min:s -> 01:00 min:s\n"
       "NORMAL\\AFR\\AIL-1 RATE1 RIGHT/UP: 70 % -> 100 %\n"},
      {"apply sub/h1b.fc b.fc --names - < timer.txt", 1, "übernommen: 1, verschieden: 1\n"},
      {"apply sub/h1b.fc b.fc", 0, "übernommen: 1, verschieden: 0\n"},
      {"diff sub/h1b.fc b.fc", 0, "Vergleich: h1b.fc -> b.fc\n" + std::string(kNoDifferences)},
  });
}

TEST_F(CliData, RefusedSelectionsWriteNothing) {
  for (const char* bad :
       {"copy h1.fc a.fc --from 0 --to 0 --menus REVO",  // not offered for HELI and ACRO
        "copy h1.fc a.fc --from 5 --to 0 --menus AFR", "copy h1.fc a.fc --to 0 --menus AFR",
        "copy h1.fc missing.fc --from 0 --to 0 --menus AFR",
        "reset a.fc --conditions 0 --menus REVO", "reset a.fc --conditions '' --menus all",
        "reset a.fc --menus all", "reset a.fc --conditions 0 --menus all --version 33"})
    Expect({{bad, 2, "", "veltrano-cli: ", "a.fc"}});
}
#endif

}  // namespace
}  // namespace core
