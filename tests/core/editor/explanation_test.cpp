#include "core/editor/explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;

Explanation Describe(const char* code, const ModellSpeicherTyp& m, int version = 32) {
  return DescribeExplanation(*FindMenuByCode(code), &m, version);
}

TEST(Explanation, TextLinesAndPictureFollowTheVersionAndModelType) {
  struct Row {
    const char* code;
    int version;
    std::size_t lines;
    int typeMask = 16, picture = 0;
  };
  for (const Row& r :
       {Row{"TIMR", 30, 4},         Row{"TIMR", 32, 6},         Row{"TRIM", 30, 4},
        Row{"TRIM", 31, 6},         Row{"TRIM", 32, 7},         Row{"FUNC", 30, 2},
        Row{"FUNC", 31, 4},         Row{"TRM2", 32, 6},         Row{"PMX4", 30, 5},
        Row{"PMX4", 32, 7},         Row{"PARA", 30, 7},         Row{"TACO", 32, 0},
        Row{"NAME", 32, 0},         Row{"SERV", 32, 0},         Row{"MxTY", 32, 2, 1, 0},
        Row{"MxTY", 32, 4, 2, 2},   Row{"MxTY", 32, 4, 4, 4},   Row{"MxTY", 32, 5, 8, 8},
        Row{"MxTY", 32, 1, 16, 16}, Row{"MxTY", 32, 2, 64, 64}, Row{"MxTY", 32, 2, 256, 256},
        Row{"PMX1", 31, 5},         Row{"PMX2", 32, 7}}) {
    const Explanation e = Describe(r.code, MakeMemory(r.typeMask), r.version);
    SCOPED_TRACE(std::string(r.code) + " V" + std::to_string(r.version) + " type " +
                 std::to_string(r.typeMask));
    EXPECT_EQ(e.texts.size(), r.lines);
    EXPECT_TRUE(e.diagrams.empty());
    EXPECT_EQ(e.pictureMask, r.picture);
  }
  const ModellSpeicherTyp acro = MakeMemory(16);
  EXPECT_EQ(Describe("TRM2", acro).texts[0], Describe("TRM1", acro).texts[0]);
  // Type bytes that name no model type: the first test, GLIDER 2 SERVOS, holds.
  ModellSpeicherTyp unknown = MakeMemory(1);
  unknown.image[118] = 9;
  ASSERT_EQ(ModelTypeMask(&unknown), 0x3FF);
  EXPECT_EQ(Describe("MxTY", unknown).pictureMask, 2);
  EXPECT_EQ(Describe("MxTY", unknown).texts[1], "mit zwei Querruderservos.");
}

TEST(Explanation, DiagramMenusAndTheirLabels) {
  const ModellSpeicherTyp heli = MakeMemory(32);
  struct Row {
    const char* code;
    std::size_t diagrams, texts;
    const char* xLabel;
    const char* yLabel;
  };
  for (const Row& r :
       {Row{"ATV", 8, 0, "SMIX AIL", "SERVO 1"}, Row{"AFR", 8, 0, "FUNC 1", "SMIX AIL"},
        Row{"D/R", 3, 4, "FUNC AIL-1", "SMIX AIL-1"}, Row{"THOV", 1, 0, "FUNC-THR", "THR"},
        Row{"TCrv", 1, 0, "FUNC-THR", "THR"}, Row{"PHOV", 1, 0, "FUNC-PIT", "PIT"},
        Row{"REVO", 1, 0, "PIT", "RUD"}, Row{"GYRO", 1, 0, "RUD", "GYR"},
        Row{"PMX1", 1, 7, "FUNC AIL-1", "MIX RATE"}}) {
    const Explanation e = Describe(r.code, heli);
    ASSERT_EQ(e.diagrams.size(), r.diagrams) << r.code;
    EXPECT_EQ(e.texts.size(), r.texts) << r.code;
    EXPECT_EQ(e.diagrams[0].xLabel, r.xLabel) << r.code;
    EXPECT_EQ(e.diagrams[0].yLabel, r.yLabel) << r.code;
  }
  // The AFR label reads the source of the function in flight condition 1.
  ModellSpeicherTyp m = MakeMemory(16);
  Set(m, RowOfMenu(21, "$CHNAME2$ SOURCE CH2"), "FUNC +5", false, 1);
  EXPECT_EQ(Describe("AFR", m).diagrams[1].xLabel, "FUNC 5");
  EXPECT_EQ(Describe("ATV", m).diagrams[7].yLabel, "SERVO 8");
  // Curves of the conditions in use, drawn from the highest down so NORMAL ends on top.
  EXPECT_EQ(DrawnConditions(&m), std::vector<int>{0});
  Set(m, RowOfMenu(9, "$FLIGHT1$"), "SWITCH +A", false);
  Set(m, RowOfMenu(9, "$FLIGHT3$"), "SWITCH +B", false);
  EXPECT_EQ(DrawnConditions(&m), (std::vector<int>{3, 1, 0}));
}

TEST(Explanation, RevoChoosesNinePointOrRateCurve) {
  ModellSpeicherTyp m = MakeMemory(32);
  struct Row {
    const char* expUp;
    const char* expDown;
    const char* mode;
    bool ninePoint;
  };
  for (const Row& r : {Row{"0", "0", "EXP1", true}, Row{"0", "20", "EXP2", true},
                       Row{"0", "20", "EXP1", false}, Row{"10", "0", "EXP2", false}}) {
    Set(m, RowOfMenu(261, "EXP UP"), r.expUp, false);
    Set(m, RowOfMenu(261, "EXP DOWN"), r.expDown, false);
    Set(m, RowOfMenu(261, "MODE"), r.mode, false);
    const DrawnCurve c = DiagramCurveOf(DiagramCurve::Revo, 1, 0, &m, 32);
    EXPECT_EQ(c.ninePoint, r.ninePoint) << r.expUp << " " << r.expDown << " " << r.mode;
  }
}

TEST(Explanation, ListingFormat) {
  const ModellSpeicherTyp heli = MakeMemory(32);
  const std::string thov = ExplanationListing(*FindMenuByCode("THOV"), &heli, 32);
  const std::string head = "diagram 1: FUNC-THR | THR\n  0: -100 -100 -96 -94 ";
  EXPECT_EQ(thov.substr(0, head.size()), head);
  EXPECT_EQ(std::count(thov.begin(), thov.end(), ' '), 81 + 2 + 4);
  EXPECT_EQ(thov.substr(thov.size() - 8), " 96 100\n");

  const ModellSpeicherTyp glider = MakeMemory(4);
  const std::string mxty = ExplanationListing(*FindMenuByCode("MxTY"), &glider, 32);
  EXPECT_EQ(mxty.substr(0, mxty.find('\n', 30) + 1),
            "picture GLIDER 4 SERVOS\ntext Vorgefertigter Mischer für SEGLER, MOTORSEGLER oder "
            "ELEKTROSEGLER\n");
  const ModellSpeicherTyp standard = MakeMemory(1);
  EXPECT_EQ(ExplanationListing(*FindMenuByCode("MxTY"), &standard, 32).substr(0, 5), "text ");
}

}  // namespace
}  // namespace core
