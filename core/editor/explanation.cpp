#include "core/editor/explanation.h"

#include "core/editor/explanation_texts.h"
#include "core/model/access.h"
#include "core/model/model_types.h"
#include "core/model/names.h"
#include "core/model/partab_keys.h"

namespace core {

namespace {

enum class Content { None, Texts, ModelType, Diagrams };

struct ContentRow {
  int menuId;
  Content content;
  int textsOf;         // menu whose text lines are shown; 0 none
  DiagramCurve curve;  // with Diagrams
  int diagrams;        // how many (channels 1..8, dual-rate positions 1..3)
  bool diagramsV32Only;
};

constexpr DiagramCurve kNo = DiagramCurve::Atv;  // unused where there are no diagrams

// clang-format off
constexpr ContentRow kContents[] = {
    // menu, content, text lines of, curve, diagrams, diagrams only with V3.2
    {3,   Content::Texts,     3,   kNo, 0, false},  // TIMR
    {21,  Content::Texts,     21,  kNo, 0, false},  // FUNC
    {22,  Content::Texts,     22,  kNo, 0, false},  // F/S
    {28,  Content::Texts,     28,  kNo, 0, false},  // PARA
    {29,  Content::Texts,     29,  kNo, 0, false},  // TRIM
    {35,  Content::Texts,     35,  kNo, 0, false},  // CHSW
    {51,  Content::Texts,     51,  kNo, 0, false},  // SBTr
    {56,  Content::Texts,     56,  kNo, 0, false},  // DIFF
    {57,  Content::Texts,     57,  kNo, 0, false},  // VTAL
    {58,  Content::Texts,     58,  kNo, 0, false},  // RUDD
    {59,  Content::Texts,     59,  kNo, 0, false},  // ELVN
    {61,  Content::Texts,     61,  kNo, 0, false},  // ABRK
    {63,  Content::Texts,     162, kNo, 0, false},  // TRM2
    {65,  Content::Texts,     65,  kNo, 0, false},  // FLPR
    {72,  Content::Texts,     72,  kNo, 0, false},  // BUTT
    {73,  Content::Texts,     73,  kNo, 0, false},  // BUTm
    {76,  Content::Texts,     76,  kNo, 0, false},  // AILE
    {77,  Content::Texts,     77,  kNo, 0, false},  // ELEV
    {162, Content::Texts,     162, kNo, 0, false},  // TRM1
    {175, Content::Texts,     175, kNo, 0, false},  // SFLP
    {275, Content::Texts,     275, kNo, 0, false},  // FLMx
    {13,  Content::ModelType, 0,   kNo, 0, false},  // MxTY
    {14,  Content::Diagrams,  0,   DiagramCurve::Atv,           8, false},  // ATV
    {15,  Content::Diagrams,  0,   DiagramCurve::Afr,           8, false},  // AFR
    {16,  Content::Diagrams,  16,  DiagramCurve::DualRate,      3, false},  // D/R
    {40,  Content::Diagrams,  40,  DiagramCurve::Pmx1,          1, true},   // PMX1
    {41,  Content::Texts,     40,  kNo, 0, false},  // PMX2
    {42,  Content::Texts,     40,  kNo, 0, false},  // PMX3
    {43,  Content::Texts,     40,  kNo, 0, false},  // PMX4
    {44,  Content::Texts,     40,  kNo, 0, false},  // PMX5
    {45,  Content::Texts,     40,  kNo, 0, false},  // PMX6
    {52,  Content::Diagrams,  0,   DiagramCurve::ThrottleHover, 1, false},  // THOV
    {54,  Content::Diagrams,  0,   DiagramCurve::ThrottleCurve, 1, false},  // TCrv
    {156, Content::Diagrams,  0,   DiagramCurve::PitchHover,    1, false},  // PHOV
    {157, Content::Diagrams,  0,   DiagramCurve::PitchCurve,    1, false},  // PCrv
    {261, Content::Diagrams,  0,   DiagramCurve::Revo,          1, false},  // REVO
    {272, Content::Diagrams,  0,   DiagramCurve::Gyro,          1, false},  // GYRO
};
// clang-format on

const ContentRow* FindContent(int menuId) {
  for (const ContentRow& row : kContents)
    if (row.menuId == menuId) return &row;
  return nullptr;
}

void AddLines(std::vector<std::string_view>& texts, std::span<const ExplanationLine> lines,
              int owner, int version) {
  for (const ExplanationLine& line : lines)
    if (line.owner == owner && ShownInVersion(line.rule, version)) texts.emplace_back(line.text);
}

DiagramDescription Describe(DiagramCurve curve, int value, const ModellSpeicherTyp* mem,
                            int version) {
  DiagramDescription d{curve, value, {}, {}};
  switch (curve) {
    case DiagramCurve::Atv:
      d.xLabel = "SMIX " + ChannelName(value, mem);
      d.yLabel = "SERVO " + std::to_string(value);
      break;
    case DiagramCurve::Afr:
      d.xLabel = "FUNC " + ChannelNumberText(value, 1, mem);
      d.yLabel = "SMIX " + ChannelName(value, mem);
      break;
    case DiagramCurve::DualRate: {
      const std::string t = GetTextByKey(key::kDualRate1Ch + 10 * (value - 1), -1, 0, mem, version);
      d.xLabel = "FUNC " + t;
      d.yLabel = "SMIX " + t;
      break;
    }
    case DiagramCurve::Pmx1:
      d.xLabel = "FUNC " + GetTextByKey(key::kPmx1MasterFunction, -1, 0, mem, version);
      d.yLabel = "MIX RATE";
      break;
    case DiagramCurve::ThrottleCurve:
    case DiagramCurve::ThrottleHover:
      d.xLabel = "FUNC-" + ChannelName(3, mem);
      d.yLabel = ChannelName(3, mem);
      break;
    case DiagramCurve::PitchCurve:
    case DiagramCurve::PitchHover:
      d.xLabel = "FUNC-" + ChannelName(6, mem);
      d.yLabel = ChannelName(6, mem);
      break;
    case DiagramCurve::Revo:
      d.xLabel = ChannelName(6, mem);
      d.yLabel = ChannelName(4, mem);
      break;
    case DiagramCurve::Gyro:
      d.xLabel = ChannelName(4, mem);
      d.yLabel = ChannelName(5, mem);
      break;
  }
  return d;
}

}  // namespace

Explanation DescribeExplanation(const MdlMenuTyp& menu, const ModellSpeicherTyp* mem,
                                int version) {
  Explanation e;
  const ContentRow* row = FindContent(menu.Id);
  if (row == nullptr) return e;
  if (row->content == Content::ModelType) {
    const int typeMask = ModelTypeMask(mem);
    e.pictureMask = ModelPictureOf(typeMask);
    // The lines follow the picture's tests; a memory without a picture is STANDARD.
    const int owner = e.pictureMask == 0              ? kTypeStandard
                      : (e.pictureMask & kTypesHeli) ? kTypesHeli
                                                     : e.pictureMask;
    AddLines(e.texts, ModelTypeTextLines(), owner, version);
    return e;
  }
  const bool diagrams = row->content == Content::Diagrams &&
                        (!row->diagramsV32Only || ShownInVersion(kV32Only, version));
  if (diagrams)
    for (int k = 1; k <= row->diagrams; ++k) e.diagrams.push_back(Describe(row->curve, k, mem, version));
  if (row->textsOf != 0) AddLines(e.texts, MenuTextLines(), row->textsOf, version);
  return e;
}

std::vector<int> DrawnConditions(const ModellSpeicherTyp* mem) {
  std::vector<int> conditions;
  for (int c = 4; c >= 1; --c)
    if (ConditionInUse(c, mem)) conditions.push_back(c);
  conditions.push_back(0);
  return conditions;
}

std::vector<ConditionCurve> DiagramCurves(const DiagramDescription& diagram,
                                          const ModellSpeicherTyp* mem, int version) {
  std::vector<ConditionCurve> curves;
  for (int c : DrawnConditions(mem))
    curves.push_back({c, DiagramCurveOf(diagram.curve, diagram.value, c, mem, version)});
  return curves;
}

std::string ExplanationListing(const MdlMenuTyp& menu, const ModellSpeicherTyp* mem, int version) {
  const Explanation e = DescribeExplanation(menu, mem, version);
  std::string out;
  if (e.pictureMask != 0) out += "picture " + ModelPictureName(e.pictureMask) + "\n";
  for (std::size_t k = 0; k < e.diagrams.size(); ++k) {
    const DiagramDescription& d = e.diagrams[k];
    out += "diagram " + std::to_string(k + 1) + ": " + d.xLabel + " | " + d.yLabel + "\n";
    for (const ConditionCurve& c : DiagramCurves(d, mem, version)) {
      out += "  " + std::to_string(c.condition) + ":";
      for (int y : c.curve.y) out += " " + std::to_string(y);
      out += "\n";
    }
  }
  for (std::string_view line : e.texts) {
    out += "text ";
    out += line;
    out += "\n";
  }
  return out;
}

int ModelPictureOf(int modelTypeMask) {
  for (int bit : {kTypeGlider2, kTypeGlider4, kTypeGlider5, kTypeAcro})
    if (modelTypeMask & bit) return bit;
  for (int bit = kTypeHeliH1; bit <= kTypeHeliHN3; bit <<= 1)
    if (modelTypeMask & bit) return bit;
  return 0;
}

std::string ModelPictureName(int pictureMask) {
  const ModelTypeRow& row = ModelTypeOfMask(pictureMask);
  return row.bit == pictureMask ? row.newMemoryText : "";
}

int ModelPictureWidth(int pictureMask) {
  if (pictureMask & kTypesGlider) return 271;
  if (pictureMask & kTypeAcro) return 132;
  if (pictureMask & kTypesHeli) return 270;
  return 0;
}

}  // namespace core
