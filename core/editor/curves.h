#pragma once

#include <array>

#include "core/store/record.h"

// The control curves the transmitter applies, as 81 values over the stick travel. The curve
// kinds are pure functions of their inputs; DiagramCurveOf reads the inputs of one diagram in
// one flight condition, so the explanations strip and the printed pages draw the same numbers.

namespace core {

inline constexpr int kCurvePoints = 81;
using CurveValues = std::array<int, kCurvePoints>;

/// Stick position of point i (0..80) in percent: -100, -97, -95 ... 100.
constexpr int CurveX(int i) { return i * 200 / (kCurvePoints - 1) - 100; }

/// Inputs beyond this magnitude count as it, so no product can overflow.
inline constexpr int kCurveInputLimit = 10000;
/// The rate and gyro curves are kept within -kCurveClamp..kCurveClamp.
inline constexpr int kCurveClamp = 125;

/// Servo travel: rates right and left, centre, limits up and down, clipped to the limits or not.
struct ServoLineInputs {
  int rateRight = 100, rateLeft = 100, centre = 0, limitUp = 100, limitDown = 100;
  bool clip = false;
};

/// Stick rate curve. type 0 exponential, 1 EXP2, 2 VTR; a, b the second values of the right
/// and left side, c, d their rates.
struct RateCurveInputs {
  int type = 0, a = 0, b = 0, c = 100, d = 100;
};

/// Nine-point curve at x = -100, -75 ... 100 with HI/LO rates and an optional hover bump
/// (hoverRate 0 or hoverRange 0: none).
struct NinePointInputs {
  std::array<int, 9> points{};
  int hi = 100, lo = 100, hoverRate = 0, hoverRange = 0;
};

/// Gyro suppression: dead band POSI and exponent EXP.
struct GyroInputs {
  int posi = 0, exp = 0;
};

CurveValues ServoLine(const ServoLineInputs& in);
CurveValues RateCurve(const RateCurveInputs& in);
CurveValues NinePointCurve(const NinePointInputs& in);
CurveValues GyroCurve(const GyroInputs& in);

/// The curves a menu draws; printing numbers its diagram kinds 6..15 in this order.
enum class DiagramCurve {
  Atv,             // servo line of a channel
  Afr,             // rate curve of a channel
  DualRate,        // rate curve of dual-rate position 1..3
  Pmx1,            // nine-point curve of the first programmable mix
  Revo,            // nine-point or rate curve, chosen by the values
  PitchCurve,      // nine-point pitch curve
  PitchHover,      // the same with the hover bump
  ThrottleCurve,   // nine-point throttle curve
  ThrottleHover,   // the same with the hover bump
  Gyro,            // gyro curve
};

/// One curve as drawn: its values and whether it is a nine-point curve (drawn one pixel right).
struct DrawnCurve {
  CurveValues y{};
  bool ninePoint = false;
};

/// Reads the inputs of a curve in one flight condition (0..4) through the keyed parameter texts
/// and computes it. value: the channel 1..8 (ATV, AFR) or dual-rate position 1..3; else unused.
DrawnCurve DiagramCurveOf(DiagramCurve curve, int value, int condition,
                          const ModellSpeicherTyp* mem, int version);

}  // namespace core
