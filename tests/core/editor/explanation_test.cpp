#include "core/editor/explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/model/partab_keys.h"
#include "core/model/partab_layout.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;

// Writes text to the row with the key (and channel placeholder) in a condition, as the grid does.
void Set(ModellSpeicherTyp& m, int key, int channel, int condition, const std::string& text) {
  const std::string placeholder = "$CHNAME" + std::to_string(channel) + "$";
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    if (d.key != key || !ParameterInVersion(k, 32)) continue;
    if (channel != -1 && std::string(d.name).find(placeholder) == std::string::npos) continue;
    const int address =
        d.address + (IsConditionAddress(d.address) ? kConditionBlockSize * condition : 0);
    if (SetParameterText(address, ParameterFirstBit(d), &m, false, text, 32) != kUnchanged) return;
    if (GetParameterText(address, ParameterFirstBit(d), &m, 32).rfind(text, 0) == 0) return;
  }
  ADD_FAILURE() << "key " << key << " channel " << channel << " not written with " << text;
}

Explanation Describe(const char* code, const ModellSpeicherTyp& m, int version = 32) {
  return DescribeExplanation(*FindMenuByCode(code), &m, version);
}

TEST(Explanation, TextLinesFollowTheVersion) {
  const ModellSpeicherTyp acro = MakeMemory(16);
  struct Row {
    const char* code;
    int version;
    std::size_t lines;
  };
  for (const Row& r :
       {Row{"TIMR", 30, 4}, Row{"TIMR", 32, 6}, Row{"TRIM", 30, 4}, Row{"TRIM", 31, 6},
        Row{"TRIM", 32, 7}, Row{"FUNC", 30, 2}, Row{"FUNC", 31, 4}, Row{"TRM2", 32, 6},
        Row{"PMX4", 30, 5}, Row{"PMX4", 32, 7}, Row{"PARA", 30, 7}, Row{"TACO", 32, 0},
        Row{"NAME", 32, 0}, Row{"SERV", 32, 0}}) {
    const Explanation e = Describe(r.code, acro, r.version);
    EXPECT_EQ(e.texts.size(), r.lines) << r.code << " V" << r.version;
    EXPECT_TRUE(e.diagrams.empty()) << r.code;
    EXPECT_EQ(e.pictureMask, 0) << r.code;
  }
  EXPECT_EQ(Describe("TRM2", acro).texts[0], Describe("TRM1", acro).texts[0]);
}

TEST(Explanation, DiagramMenusAndTheirLabels) {
  const ModellSpeicherTyp heli = MakeMemory(32);
  const Explanation pmx1 = Describe("PMX1", heli, 32);
  ASSERT_EQ(pmx1.diagrams.size(), 1u);
  EXPECT_EQ(pmx1.diagrams[0].yLabel, "MIX RATE");
  EXPECT_EQ(pmx1.texts.size(), 7u);  // right of the diagram
  EXPECT_TRUE(Describe("PMX1", heli, 31).diagrams.empty());
  EXPECT_TRUE(Describe("PMX2", heli, 32).diagrams.empty());

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
        Row{"REVO", 1, 0, "PIT", "RUD"}, Row{"GYRO", 1, 0, "RUD", "GYR"}}) {
    const Explanation e = Describe(r.code, heli);
    ASSERT_EQ(e.diagrams.size(), r.diagrams) << r.code;
    EXPECT_EQ(e.texts.size(), r.texts) << r.code;
    EXPECT_EQ(e.diagrams[0].xLabel, r.xLabel) << r.code;
    EXPECT_EQ(e.diagrams[0].yLabel, r.yLabel) << r.code;
  }
  // The AFR label reads the source of the function in flight condition 1.
  ModellSpeicherTyp m = MakeMemory(16);
  Set(m, key::kSourceCh1 + 1, -1, 1, "FUNC +5");
  EXPECT_EQ(Describe("AFR", m).diagrams[1].xLabel, "FUNC 5");
  EXPECT_EQ(Describe("ATV", m).diagrams[7].yLabel, "SERVO 8");
}

TEST(Explanation, ModelTypePictureAndLines) {
  struct Row {
    int typeMask, picture;
    std::size_t lines;
  };
  for (const Row& r : {Row{1, 0, 2}, Row{2, 2, 4}, Row{4, 4, 4}, Row{8, 8, 5}, Row{16, 16, 1},
                       Row{64, 64, 2}, Row{256, 256, 2}}) {
    const Explanation e = Describe("MxTY", MakeMemory(r.typeMask));
    EXPECT_EQ(e.pictureMask, r.picture) << r.typeMask;
    EXPECT_EQ(e.texts.size(), r.lines) << r.typeMask;
  }
  // Type bytes that name no model type: the first test, GLIDER 2 SERVOS, holds.
  ModellSpeicherTyp unknown = MakeMemory(1);
  unknown.image[118] = 9;
  ASSERT_EQ(ModelTypeMask(&unknown), 0x3FF);
  EXPECT_EQ(Describe("MxTY", unknown).pictureMask, 2);
  EXPECT_EQ(Describe("MxTY", unknown).texts[1], "mit zwei Querruderservos.");
}

TEST(Explanation, CurvesPerConditionInUseInDrawingOrder) {
  ModellSpeicherTyp m = MakeMemory(16);
  EXPECT_EQ(DrawnConditions(&m), std::vector<int>{0});
  Set(m, key::kConditionSwitch1, -1, 0, "SWITCH +A");
  Set(m, key::kConditionSwitch1 + 2, -1, 0, "SWITCH +B");
  EXPECT_EQ(DrawnConditions(&m), (std::vector<int>{3, 1, 0}));

  // Each condition reads its own values: ATV servo 2 at half travel in condition 3 only, and
  // cut flat at its limits in condition 1.
  Set(m, key::kAtvRateRightUp, 2, 3, "50");
  Set(m, key::kAtvMode, 2, 1, "LIMIT");
  Set(m, key::kAtvLimitRightUp, 2, 1, "60");
  Set(m, key::kAtvLimitLeftDown, 2, 1, "70");
  const std::vector<ConditionCurve> atv = DiagramCurves(Describe("ATV", m).diagrams[1], &m, 32);
  std::vector<std::tuple<int, int, int>> ends;  // condition, value at -100, at 100
  for (const ConditionCurve& c : atv)
    ends.emplace_back(c.condition, c.curve.y.front(), c.curve.y.back());
  EXPECT_EQ(ends,
            (std::vector<std::tuple<int, int, int>>{{3, -100, 50}, {1, -70, 60}, {0, -100, 100}}));
  ASSERT_EQ(atv.size(), 3u);
  EXPECT_EQ(std::count(atv[1].curve.y.begin(), atv[1].curve.y.end(), 60), 17);  // x from 60
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
    Set(m, key::kRevoExpUp, -1, 0, r.expUp);
    Set(m, key::kRevoExpDown, -1, 0, r.expDown);
    Set(m, key::kRevoMode, -1, 0, r.mode);
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
  EXPECT_EQ(ExplanationListing(*FindMenuByCode("TACO"), &glider, 32), "");
  const ModellSpeicherTyp standard = MakeMemory(1);
  EXPECT_EQ(ExplanationListing(*FindMenuByCode("MxTY"), &standard, 32).substr(0, 5), "text ");
}

}  // namespace
}  // namespace core
