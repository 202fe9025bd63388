#include "core/editor/curves.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/model/access.h"
#include "core/model/numtext.h"
#include "core/model/partab_keys.h"

namespace core {

namespace {

int Limited(int v) { return std::clamp(v, -kCurveInputLimit, kCurveInputLimit); }

int Clamped(int y) { return std::clamp(y, -kCurveClamp, kCurveClamp); }

// Nearest integer (halves away from zero) within the clamp; NaN counts as 0.
int RoundClamped(double y) {
  if (std::isnan(y)) return 0;
  return static_cast<int>(std::lround(std::clamp(y, -double{kCurveClamp}, double{kCurveClamp})));
}

int ServoLineAt(const ServoLineInputs& in, int x) {
  const int c = in.centre;
  int y = x >= 0 ? (in.rateRight + c) * x / 100 - c : (in.rateLeft - c) * x / 100 - c;
  if (in.clip) {
    if (y > in.limitUp) y = in.limitUp;
    if (y < -in.limitDown) y = -in.limitDown;
  }
  return y;
}

// VTR: straight from the centre to (a, c), then straight on to (100, 100); likewise on the left.
int VtrAt(const RateCurveInputs& in, int x) {
  if (x >= 0) {
    if (in.a == 100) return x * in.c / 100;  // the outer section has no width
    if (x < in.a) return x * in.c / in.a;
    const double s = (100.0 - in.c) / (100.0 - in.a);
    return RoundClamped(x * s + 100 - 100 * s);
  }
  if (in.b == 100) return x * in.d / 100;
  if (x > -in.b) return x * in.d / in.b;
  const double s = (100.0 - in.d) / (100.0 - in.b);
  return RoundClamped(x * s - 100 + 100 * s);
}

// EXP2: one exponent for the whole stick travel.
double Exp2At(const RateCurveInputs& in, double k, int x) {
  const double m = (x + 100) / std::exp(k * (x - 100) / 10000.0) - 100;
  const double cd = static_cast<double>(in.c) + in.d;
  return cd * m / 200 - in.d + cd / 2;
}

// Exponential: kRight from a, kLeft from b.
double ExponentialAt(const RateCurveInputs& in, double kRight, double kLeft, int x) {
  if (x >= 0) return (x * static_cast<double>(in.c) / 100) / std::exp(kRight * (2.0 * x - 200) / 100);
  return -((-x) * static_cast<double>(in.d) / 100) / std::exp(kLeft * (-2.0 * x - 200) / 100);
}

int NinePointAt(const NinePointInputs& in, int x) {
  const auto& p = in.points;
  int base;
  if (x <= -100) {
    base = p[0];
  } else if (x >= 100) {
    base = p[8];
  } else {
    const int i = (x + 100) / 25;
    const int xi = -100 + 25 * i;
    base = p[i] + (p[i + 1] - p[i]) * (x - xi) / 25;
  }
  int y = 2 * base - 100;
  if (x < 0) y = y * in.lo / 100;
  if (x > 0) y = y * in.hi / 100;
  const int h = in.hoverRate / 2;
  const int g = in.hoverRange;
  const int q = (g * g + 50) / 100;
  if (g > 0 && h != 0 && q > 0 && -g < x && x < g) y = y + h - ((x * x / q) * h) / 100;
  return y;
}

int GyroAt(const GyroInputs& in, double k, int x) {
  const int g = in.posi;
  if (g == 100) return 0;  // no travel left outside the dead band
  double v;
  if (x >= 0) {
    if (x < g) return 0;
    v = (x - g) / std::exp(k * (2.0 * x - 200) / 100);
  } else {
    if (x > -g) return 0;
    v = (-x - g) / std::exp(k * (-2.0 * x - 200) / 100);
  }
  // Bounded before rounding so the product below stays an int; far beyond the clamp anyway.
  const double bounded = std::isnan(v) ? 0 : std::clamp(v, -1e7, 1e7);
  const long n = std::lround(bounded);
  return Clamped(static_cast<int>(n * 100 / (100 - g)));
}

template <typename At>
CurveValues Sample(At at) {
  CurveValues values{};
  for (int i = 0; i < kCurvePoints; ++i) values[static_cast<std::size_t>(i)] = at(CurveX(i));
  return values;
}

// Keyed parameter texts of one flight condition, read as the curves need them.
struct Reader {
  const ModellSpeicherTyp* mem;
  int condition;
  int version;

  std::string Text(int key, int channel = -1) const {
    return GetTextByKey(key, channel, condition, mem, version);
  }
  int Number(int key, int channel = -1) const { return WholeNumberOfText(Text(key, channel)); }

  NinePointInputs Points(int firstKey) const {
    NinePointInputs in;
    for (int i = 0; i < 9; ++i) in.points[static_cast<std::size_t>(i)] = Number(firstKey + i);
    return in;
  }
};

int RateTypeOfText(const std::string& text) {
  if (text == "EXP2") return 1;
  if (text == "VTR") return 2;
  return 0;
}

DrawnCurve NinePoint(const NinePointInputs& in) { return {NinePointCurve(in), true}; }

// Throttle and pitch curves: points, HI, LO and, with hover, rate and range keys.
DrawnCurve HeliCurve(const Reader& r, int firstPoint, bool hover, int rateKey, int rangeKey) {
  NinePointInputs in = r.Points(firstPoint);
  in.hi = r.Number(firstPoint + 9);
  in.lo = r.Number(firstPoint + 10);
  if (hover) {
    in.hoverRate = r.Number(rateKey);
    in.hoverRange = r.Number(rangeKey);
  }
  return NinePoint(in);
}

DrawnCurve Revo(const Reader& r) {
  const int up = r.Number(key::kRevoRateUp);
  const int down = r.Number(key::kRevoRateDown);
  const int expUp = r.Number(key::kRevoExpUp);
  const int expDown = r.Number(key::kRevoExpDown);
  const bool exp2 = r.Text(key::kRevoMode) == "EXP2";
  if (expUp == 0 && (exp2 || expDown == 0)) {
    NinePointInputs in = r.Points(key::kRevoPoint1);
    in.hi = up;
    in.lo = down;
    return NinePoint(in);
  }
  return {RateCurve({exp2 ? 1 : 0, expUp, expDown, up, down}), false};
}

}  // namespace

CurveValues ServoLine(const ServoLineInputs& in) {
  const ServoLineInputs s{Limited(in.rateRight), Limited(in.rateLeft), Limited(in.centre),
                          Limited(in.limitUp),   Limited(in.limitDown), in.clip};
  return Sample([&s](int x) { return ServoLineAt(s, x); });
}

CurveValues RateCurve(const RateCurveInputs& in) {
  const RateCurveInputs s{in.type, Limited(in.a), Limited(in.b), Limited(in.c), Limited(in.d)};
  if (s.type == 2) return Sample([&s](int x) { return Clamped(VtrAt(s, x)); });
  if (s.type == 1) {
    const double k = 100 - 100 * std::exp2(-s.a / 100.0);
    return Sample([&s, k](int x) { return RoundClamped(Exp2At(s, k, x)); });
  }
  const double kRight = 1 - std::exp2(-s.a / 100.0);
  const double kLeft = 1 - std::exp2(-s.b / 100.0);
  return Sample([&](int x) { return RoundClamped(ExponentialAt(s, kRight, kLeft, x)); });
}

CurveValues NinePointCurve(const NinePointInputs& in) {
  NinePointInputs s;
  for (std::size_t i = 0; i < s.points.size(); ++i) s.points[i] = Limited(in.points[i]);
  s.hi = Limited(in.hi);
  s.lo = Limited(in.lo);
  s.hoverRate = Limited(in.hoverRate);
  s.hoverRange = Limited(in.hoverRange);
  return Sample([&s](int x) { return NinePointAt(s, x); });
}

CurveValues GyroCurve(const GyroInputs& in) {
  const GyroInputs s{Limited(in.posi), Limited(in.exp)};
  const double k = 1 - std::exp2(-s.exp / 100.0);
  return Sample([&s, k](int x) { return GyroAt(s, k, x); });
}

DrawnCurve DiagramCurveOf(DiagramCurve curve, int value, int condition,
                          const ModellSpeicherTyp* mem, int version) {
  const Reader r{mem, condition, version};
  switch (curve) {
    case DiagramCurve::Atv: {
      const int n = value;
      ServoLineInputs in;
      in.rateRight = r.Number(key::kAtvRateRightUp, n);
      in.rateLeft = r.Number(key::kAtvRateLeftDown, n);
      in.centre = r.Number(key::kAtvCenter, n);
      in.limitUp = r.Number(key::kAtvLimitRightUp, n);
      in.limitDown = r.Number(key::kAtvLimitLeftDown, n);
      in.clip = r.Text(key::kAtvMode, n) == "LIMIT";
      return {ServoLine(in), false};
    }
    case DiagramCurve::Afr: {
      const int n = value;
      return {RateCurve({RateTypeOfText(r.Text(key::kAfrType, n)), r.Number(key::kAfrRate2RightUp, n),
                         r.Number(key::kAfrRate2LeftDown, n), r.Number(key::kAfrRate1RightUp, n),
                         r.Number(key::kAfrRate1LeftDown, n)}),
              false};
    }
    case DiagramCurve::DualRate: {
      const int o = 10 * (std::clamp(value, 1, 3) - 1);
      const int base = key::kDualRate1Ch + o;
      return {RateCurve({RateTypeOfText(r.Text(base + 5)), r.Number(base + 3), r.Number(base + 4),
                         r.Number(base + 1), r.Number(base + 2)}),
              false};
    }
    case DiagramCurve::Pmx1:
      return NinePoint(r.Points(key::kPmx1Point1));
    case DiagramCurve::Revo:
      return Revo(r);
    case DiagramCurve::PitchCurve:
    case DiagramCurve::PitchHover:
      return HeliCurve(r, key::kPitchCurvePoint1, curve == DiagramCurve::PitchHover,
                       key::kHoverPitchRate, key::kHoverPitchRange);
    case DiagramCurve::ThrottleCurve:
    case DiagramCurve::ThrottleHover:
      return HeliCurve(r, key::kThrottleCurvePoint1, curve == DiagramCurve::ThrottleHover,
                       key::kHoverThrottleRate, key::kHoverThrottleRange);
    case DiagramCurve::Gyro:
      return {GyroCurve({r.Number(key::kGyroPosi), r.Number(key::kGyroExp)}), false};
  }
  return {};
}

}  // namespace core
