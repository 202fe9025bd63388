#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/editor/condition_colour.h"
#include "core/editor/curves.h"
#include "core/editor/diagram_frame.h"
#include "core/editor/menutab.h"
#include "core/store/record.h"

// What the explanations strip shows for a menu: the model type picture, curve diagrams with their
// labels, and text lines. The strip, the command line and the printed pages read this one
// description; only the painting differs.

namespace core {

/// One diagram: which curve it draws (with its channel or dual-rate position) and its labels.
struct DiagramDescription {
  DiagramCurve curve = DiagramCurve::Atv;
  int value = 1;  // channel 1..8 (ATV, AFR), dual-rate position 1..3 (D/R), else 1
  std::string xLabel;
  std::string yLabel;
};

struct Explanation {
  int pictureMask = 0;  // model type bit whose picture is shown left of the text (MxTY), 0: none
  std::vector<DiagramDescription> diagrams;  // left to right
  std::vector<std::string_view> texts;       // drawn right of the diagrams
  bool Empty() const { return pictureMask == 0 && diagrams.empty() && texts.empty(); }
};

/// The strip's content for a menu with the memory's values and names, for the transmitter
/// version configured (30, 31, 32). Menus without an explanation give an empty one.
Explanation DescribeExplanation(const MdlMenuTyp& menu, const ModellSpeicherTyp* mem, int version);

/// The flight conditions drawn, in drawing order: 4, 3, 2, 1 where in use, then 0 (on top).
std::vector<int> DrawnConditions(const ModellSpeicherTyp* mem);

/// One curve of a diagram, in its flight condition.
struct ConditionCurve {
  int condition = 0;
  DrawnCurve curve;
};

/// The curves of a diagram for the conditions drawn, in drawing order.
std::vector<ConditionCurve> DiagramCurves(const DiagramDescription& diagram,
                                          const ModellSpeicherTyp* mem, int version);

/// The content as lines of text, each ended by "\n": "picture TYPE"; per diagram
/// "diagram K: XLABEL | YLABEL" and, per condition drawn, two blanks, the condition, ": " and the
/// 81 values; then "text " and each line. Empty for a menu without content.
std::string ExplanationListing(const MdlMenuTyp& menu, const ModellSpeicherTyp* mem, int version);

/// Picture of a model type mask, by the tests GLIDER 2, 4, 5 SERVOS, ACRO, a helicopter type in
/// that order (a mask naming several types takes the first that holds); 0 for STANDARD.
int ModelPictureOf(int modelTypeMask);

/// Name of a picture's model type ("GLIDER 4 SERVOS", "HELI HR3"); empty for 0.
std::string ModelPictureName(int pictureMask);

/// Width in pixels of a picture: 271 for gliders, 132 for ACRO, 270 for helicopters, else 0.
int ModelPictureWidth(int pictureMask);

inline constexpr int kStripWidth = 1116;
inline constexpr int kStripHeight = 120;
inline constexpr int kStripLineHeight = 16;

/// Top-left of text line i (from 0) after the given number of diagrams.
constexpr PixelPoint StripTextOrigin(int diagramsBefore, int line) {
  const PixelRect r = StripDiagramRect(diagramsBefore);
  return {r.left + 12, r.top + kStripLineHeight * line};
}

inline constexpr ConditionRgb kGridSilver{192, 192, 192};

}  // namespace core
