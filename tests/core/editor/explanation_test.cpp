// The curve math, the diagram frame, and the explanations with their diagrams.
#include "core/editor/explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/editor/curves.h"
#include "core/editor/diagram_frame.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowOfMenu;
using test::Set;

// Value of the curve at stick position x (one of the 81 sampled positions: -100, -98, -95, -93
// ... 100, in whole percent truncated).
int At(const CurveValues& y, int x) {
  for (int i = 0; i < kCurvePoints; ++i)
    if (CurveX(i) == x) return y[static_cast<std::size_t>(i)];
  ADD_FAILURE() << "x " << x << " is not sampled";
  return 0;
}

struct Expect {
  int x, y;
};

void ExpectPoints(const CurveValues& y, const std::vector<Expect>& points, const char* what) {
  for (const Expect& e : points) EXPECT_EQ(At(y, e.x), e.y) << what << " at x = " << e.x;
}

TEST(Curves, ServoLineTruncatesAndClipsLowerFirstAndRateCurveKinds) {
  ExpectPoints(ServoLine({80, 60, 10, 50, 40, false}),
               {{100, 80}, {50, 35}, {0, -10}, {-3, -11}, {-50, -35}, {-100, -60}}, "free");
  ExpectPoints(ServoLine({80, 60, 10, 50, 40, true}),
               {{100, 50}, {50, 35}, {-98, -40}, {-100, -40}}, "clipped");
  // Crossed limits: lowered to lu, then raised to -ld, which wins.
  ExpectPoints(ServoLine({100, 100, 0, -20, 10, true}), {{0, -10}, {100, -10}, {-100, -10}},
               "crossed");
  // VTR: integer inner section, real outer section rounded.
  ExpectPoints(
      RateCurve({2, 50, 40, 30, 20}),
      {{25, 15}, {47, 28}, {75, 65}, {100, 100}, {0, 0}, {-20, -10}, {-70, -60}, {-100, -100}},
      "VTR");
  // a = b = 100: the outer section has no width; x c / 100 truncated on the whole side.
  ExpectPoints(RateCurve({2, 100, 100, 80, 60}), {{97, 77}, {100, 80}, {-98, -58}, {-100, -60}},
               "VTR 100");
  ExpectPoints(RateCurve({2, 50, 50, 200, 100}), {{40, 125}, {-40, -80}}, "VTR clamped");
  // EXP2 with a = 0 is the straight line from (-100, -d) to (100, c), rounded once.
  ExpectPoints(RateCurve({1, 0, 0, 80, 60}), {{100, 80}, {50, 45}, {-3, 8}, {-100, -60}}, "EXP2 0");
  ExpectPoints(RateCurve({1, 100, 0, 100, 100}), {{0, 65}, {50, 93}, {100, 100}}, "EXP2 100");
  // Exponential: halves go away from zero; the exponent bends the curve.
  ExpectPoints(RateCurve({0, 0, 0, 50, 50}), {{47, 24}, {-45, -23}, {0, 0}}, "EXP1 halves");
  ExpectPoints(RateCurve({0, 100, 0, 100, 60}), {{50, 82}, {100, 100}, {-3, -2}}, "EXP1 100");
  ExpectPoints(RateCurve({0, 0, 0, 200, 200}), {{100, 125}, {-100, -125}}, "EXP1 clamped");
}

TEST(Curves, NinePointInterpolatesTruncatingWithHiLoAndHover) {
  ExpectPoints(NinePointCurve({{-20, 0, 10, 30, 50, 60, 80, 90, 110}, 80, 50}),
               {{-100, -70}, {-90, -62}, {-3, -3}, {0, 0}, {2, 0}, {37, 30}, {100, 96}}, "HI/LO");
  // Falling section: the step truncates toward zero (-9.6 gives -9).
  ExpectPoints(NinePointCurve({{0, 0, 0, 30, 10, 50, 50, 50, 50}}), {{-13, -58}}, "falling");
  const std::array<int, 9> flat = {50, 50, 50, 50, 50, 50, 50, 50, 50};
  // hoverRate 30: h' = 15; hoverRange 40: q = 16.
  ExpectPoints(NinePointCurve({flat, 100, 100, 30, 40}),
               {{0, 15}, {20, 12}, {-38, 2}, {40, 0}, {-40, 0}}, "hover");
  ExpectPoints(NinePointCurve({flat, 100, 100, -7, 40}), {{0, -3}}, "odd rate: h' = -3");
  ExpectPoints(NinePointCurve({flat, 100, 100, 20, 8}), {{5, 8}}, "narrow: q = 0.64 -> 1");
  ExpectPoints(NinePointCurve({flat, 100, 100, 20, 7}), {{5, 0}, {0, 0}},
               "too narrow: q = 0.49 -> 0");
}

TEST(Curves, GyroCurveIsPositiveOnBothSidesAndNeverDividesByZero) {
  ExpectPoints(GyroCurve({20, 0}), {{10, 0}, {20, 0}, {50, 37}, {100, 100}, {-50, 37}, {-100, 100}},
               "linear");
  ExpectPoints(GyroCurve({20, 100}), {{60, 75}}, "exp");
  ExpectPoints(GyroCurve({0, 10000}), {{50, 125}}, "clamped");
  ExpectPoints(GyroCurve({-20, 0}), {{0, 16}}, "negative dead band");
  for (const GyroInputs in : {GyroInputs{100, 0}, GyroInputs{100, -300}, GyroInputs{120, 50}})
    for (int y : GyroCurve(in)) EXPECT_EQ(y, 0) << "POSI " << in.posi;
}

TEST(Curves, ExtremeInputsStayFiniteAndClamped) {
  for (int v : {-2147483647 - 1, -100000, 100000, 2147483647}) {
    for (int type : {0, 1, 2})
      for (int y : RateCurve({type, v, v, v, -v}))
        EXPECT_LE(std::abs(y), kCurveClamp) << type << " " << v;
    for (int y : GyroCurve({v, v})) EXPECT_LE(std::abs(y), kCurveClamp) << v;
    NinePointCurve({{v, v, v, v, v, v, v, v, v}, v, v, v, v});  // no overflow (sanitizer build)
    ServoLine({v, v, v, v, v, true});
  }
}

TEST(DiagramFrame, PlotAreaGridAndPixelMapping) {
  const DiagramFrame f = MakeDiagramFrame(StripDiagramRect(0));
  EXPECT_EQ(f.plot, (PixelRect{13, 2, 120, 107}));
  EXPECT_EQ(f.xLabel, (PixelRect{13, 107, 120, 118}));
  EXPECT_EQ(f.yLabel, (PixelRect{2, 2, 13, 107}));
  // 100 and -100 fall on the solid lines at 1/10 and 9/10 of the height, 0 on the centre.
  EXPECT_EQ(PlotRow(f.plot, 100), f.grid[2].y1);
  EXPECT_EQ(PlotRow(f.plot, -100), f.grid[3].y1);
  EXPECT_EQ(PlotRow(f.plot, 0), f.grid[1].y1);
  EXPECT_EQ(PlotColumn(f.plot, 0), f.grid[0].x1);
  // The dotted verticals sit at eighths of the width: 13 + 107 k / 8.
  int dotted = 0;
  for (const GridLine& g : f.grid) dotted += g.dotted;
  EXPECT_EQ(std::tuple(dotted, f.grid[3].dotted, f.grid[4].x1, f.grid[9].x1),
            std::tuple(12, false, 26, 106));

  DrawnCurve line;
  for (int i = 0; i < kCurvePoints; ++i) line.y[static_cast<std::size_t>(i)] = CurveX(i);
  const CurvePixels px = PlotCurve(f.plot, line);
  EXPECT_EQ(px.front(), (PixelPoint{13, 96}));
  EXPECT_EQ(px.back(), (PixelPoint{119, 12}));
  line.ninePoint = true;
  EXPECT_EQ(PlotCurve(f.plot, line).front(), (PixelPoint{14, 96}));
}

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
       {Row{"TIMR", 30, 4}, Row{"TIMR", 32, 6}, Row{"TRIM", 30, 4}, Row{"TRIM", 31, 6},
        Row{"TRIM", 32, 7}, Row{"FUNC", 30, 2}, Row{"FUNC", 31, 4}, Row{"TRM2", 32, 6},
        Row{"TACO", 32, 0}, Row{"NAME", 32, 0}, Row{"SERV", 32, 0}, Row{"MxTY", 32, 2, 1, 0},
        Row{"MxTY", 32, 4, 2, 2}, Row{"MxTY", 32, 4, 4, 4}, Row{"MxTY", 32, 5, 8, 8},
        Row{"MxTY", 32, 1, 16, 16}, Row{"MxTY", 32, 2, 64, 64}, Row{"MxTY", 32, 2, 256, 256}}) {
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
