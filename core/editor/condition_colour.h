#pragma once

// The flight condition colours, used wherever conditions are drawn (grid headers, curves).

namespace core {

/// Flight condition colour as red, green, blue: 0 red, 1 purple, 2 blue, 3 lime, 4 green,
/// others aqua.
struct ConditionRgb {
  int r, g, b;
};
constexpr ConditionRgb ConditionColour(int condition) {
  constexpr ConditionRgb kColours[] = {
      {255, 0, 0}, {128, 0, 128}, {0, 0, 255}, {0, 255, 0}, {0, 128, 0}};
  if (condition < 0 || condition > 4) return {0, 255, 255};
  return kColours[condition];
}

/// The grid's fill for values of a flight condition not in use.
inline constexpr ConditionRgb kLightCyan{192, 255, 255};

}  // namespace core
